#pragma once

#include <QString>
#include <QStringList>

// The tips of the tip-of-the-day window: read from a text file, one tip per line, or the
// built-in tips when there is no file; one tip is shown at a time, starting at a random one.
class clsTips final
{
public:
    static const QStringList BuiltInTips;

    // Reads the tips anew. Lines are trimmed and blank lines skipped. No file at the path
    // gives the built-in tips; a file that cannot be read gives no tips.
    void Load(const QString &path);
    // Picks the first tip at random.
    void PickFirst();
    // The next tip, or the first after the last one. With no tips nothing changes.
    void NextTip();

    const QStringList &Tips() const { return m_tips; }
    int Number() const { return m_number; }  // 1-based; 0 when there are no tips
    void setNumber(int number);              // kept within 1 to the number of tips
    QString Tip() const;                     // the tip shown; empty when there are none

private:
    QStringList m_tips;
    int m_number = 0;
};
