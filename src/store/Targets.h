#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

// What the catalogue fills need of a list, a tree or a list view. Panes adapt their widgets
// to these, so the fills run and are tested without any widget.

class ListTarget
{
public:
    virtual ~ListTarget() = default;
    virtual void clear() = 0;
    virtual void addItem(const QString &text, qint32 itemData) = 0;
    virtual int count() const = 0;
    virtual void choose(int index) = 0;  // makes the item current, as a click would
};

class TreeTarget
{
public:
    virtual ~TreeTarget() = default;
    virtual void clear() = 0;
    // parentKey is empty for a top-level node. expandedImage 0 means the same as image.
    virtual void addNode(const QString &parentKey, const QString &key, const QString &text,
                         int image, int expandedImage) = 0;
    virtual void expand(const QString &key) = 0;
};

class ListViewTarget
{
public:
    virtual ~ListViewTarget() = default;
    // subItems holds sub-items 1 to 4.
    virtual void addListItem(const QString &key, const QString &text, const QStringList &subItems,
                             const QVariant &tag) = 0;
};
