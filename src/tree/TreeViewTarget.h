#pragma once

#include "store/Targets.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class ImageList;
class QTreeWidget;
class QTreeWidgetItem;

// Lets the catalogue's tree fill write into a tree widget, and keeps the index from node key
// to item that the pane looks nodes up in. Each item holds its key and its two image numbers
// (1-based positions in the image list; 0 for no expanded image).
//
// Between beginFill and endFill top-level nodes are kept out of the widget, so the whole
// subtree is built without a model notification per node and is attached in one step.
class TreeViewTarget final : public TreeTarget
{
public:
    static constexpr int KeyRole = 0x0100;            // Qt::UserRole
    static constexpr int ImageRole = 0x0101;
    static constexpr int ExpandedImageRole = 0x0102;
    static constexpr int OrderRole = 0x0103;  // when the node was added, for collection order

    TreeViewTarget(QTreeWidget &tree, const ImageList &images);
    ~TreeViewTarget() override;
    TreeViewTarget(const TreeViewTarget &) = delete;
    TreeViewTarget &operator=(const TreeViewTarget &) = delete;

    void clear() override;
    void addNode(const QString &parentKey, const QString &key, const QString &text, int image,
                 int expandedImage) override;
    void expand(const QString &key) override;

    void beginFill();
    void endFill();

    // Adds a node; null when the parent key names no node or the key is taken already.
    QTreeWidgetItem *add(const QString &parentKey, const QString &key, const QString &text, int image,
                         int expandedImage = 0);
    QTreeWidgetItem *node(const QString &key) const;
    // Removes the node with its children; false when the key names no node.
    bool remove(const QString &key);
    int count() const;
    // Every node in the order it was added: the root, the folders and the files of the fill,
    // then the nodes added later.
    QList<QTreeWidgetItem *> nodesInOrder() const;

    // Shows the expanded image while the node is expanded, the image otherwise.
    void updateIcon(QTreeWidgetItem *item) const;

    static QString key(const QTreeWidgetItem *item);

private:
    void forget(QTreeWidgetItem *item);

    QTreeWidget &m_tree;
    const ImageList &m_images;
    QHash<QString, QTreeWidgetItem *> m_items;
    bool m_filling = false;
    qint64 m_added = 0;
    QList<QTreeWidgetItem *> m_pendingTop;
    QStringList m_pendingExpand;
};
