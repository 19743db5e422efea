#include "tree/TreeViewTarget.h"

#include "tree/ImageList.h"

#include <QTreeWidget>

#include <algorithm>
#include <utility>

static_assert(TreeViewTarget::KeyRole == Qt::UserRole, "node roles start at Qt::UserRole");

TreeViewTarget::TreeViewTarget(QTreeWidget &tree, const ImageList &images)
    : m_tree(tree), m_images(images)
{
}

TreeViewTarget::~TreeViewTarget()
{
    qDeleteAll(m_pendingTop);
}

void TreeViewTarget::clear()
{
    m_tree.clear();
    qDeleteAll(m_pendingTop);
    m_pendingTop.clear();
    m_pendingExpand.clear();
    m_items.clear();
}

void TreeViewTarget::addNode(const QString &parentKey, const QString &key, const QString &text, int image,
                             int expandedImage)
{
    add(parentKey, key, text, image, expandedImage);
}

void TreeViewTarget::expand(const QString &key)
{
    QTreeWidgetItem *item = node(key);
    if (!item)
        return;
    if (item->treeWidget()) {
        item->setExpanded(true);
        updateIcon(item);
    } else {
        m_pendingExpand.append(key);  // an item outside the widget cannot expand yet
    }
}

void TreeViewTarget::beginFill()
{
    m_filling = true;
}

void TreeViewTarget::endFill()
{
    m_filling = false;
    if (!m_pendingTop.isEmpty()) {
        m_tree.addTopLevelItems(m_pendingTop);
        m_pendingTop.clear();
    }
    const QStringList keys = std::exchange(m_pendingExpand, {});
    for (const QString &k : keys)
        expand(k);
}

QTreeWidgetItem *TreeViewTarget::add(const QString &parentKey, const QString &key, const QString &text,
                                     int image, int expandedImage)
{
    if (m_items.contains(key))
        return nullptr;
    QTreeWidgetItem *parent = nullptr;
    if (!parentKey.isEmpty()) {
        parent = m_items.value(parentKey);
        if (!parent)
            return nullptr;
    }
    auto *item = new QTreeWidgetItem;
    item->setText(0, text);
    item->setData(0, KeyRole, key);
    item->setData(0, ImageRole, image);
    item->setData(0, ExpandedImageRole, expandedImage);
    item->setData(0, OrderRole, ++m_added);
    item->setIcon(0, m_images.icon(image));
    if (parent)
        parent->addChild(item);
    else if (m_filling)
        m_pendingTop.append(item);
    else
        m_tree.addTopLevelItem(item);
    m_items.insert(key, item);
    return item;
}

QTreeWidgetItem *TreeViewTarget::node(const QString &key) const
{
    return m_items.value(key);
}

bool TreeViewTarget::remove(const QString &key)
{
    QTreeWidgetItem *item = node(key);
    if (!item)
        return false;
    forget(item);
    m_pendingTop.removeOne(item);
    delete item;  // takes its children along and leaves the widget
    return true;
}

int TreeViewTarget::count() const
{
    return int(m_items.size());
}

QList<QTreeWidgetItem *> TreeViewTarget::nodesInOrder() const
{
    QList<QTreeWidgetItem *> nodes = m_items.values();
    std::sort(nodes.begin(), nodes.end(), [](const QTreeWidgetItem *a, const QTreeWidgetItem *b) {
        return a->data(0, OrderRole).toLongLong() < b->data(0, OrderRole).toLongLong();
    });
    return nodes;
}

void TreeViewTarget::updateIcon(QTreeWidgetItem *item) const
{
    if (!item)
        return;
    const int expanded = item->data(0, ExpandedImageRole).toInt();
    const int image = item->isExpanded() && expanded > 0 ? expanded : item->data(0, ImageRole).toInt();
    item->setIcon(0, m_images.icon(image));
}

QString TreeViewTarget::key(const QTreeWidgetItem *item)
{
    return item ? item->data(0, KeyRole).toString() : QString();
}

void TreeViewTarget::forget(QTreeWidgetItem *item)
{
    m_items.remove(key(item));
    for (int i = 0; i < item->childCount(); ++i)
        forget(item->child(i));
}
