#pragma once

#include <QString>
#include <QStringList>

// The matching of the tree search box, apart from its widgets. A new pass finds the first
// node whose text contains the words; each continued pass finds the next node after the one
// found last whose text begins with them. Nodes are given as their texts in collection order.
class TreeSearch final
{
public:
    enum class Result { Ignored, Found, NotFound, Finished };

    static const QString Placeholder;  // "Search..."

    // The words to look for: the box text trimmed and lower-cased; empty when the box is
    // empty or still shows the placeholder.
    static QString query(const QString &boxText);

    // Runs one pass. On Found, lastFound() is the 1-based position of the node found.
    Result next(const QString &boxText, const QStringList &texts);

    // 1-based position of the node found last; 0 when the next pass is a new one.
    int lastFound() const { return m_lastFound; }
    // Starts over: after a text change, or when the nodes the position counted are gone.
    void reset() { m_lastFound = 0; }

private:
    int m_lastFound = 0;
};
