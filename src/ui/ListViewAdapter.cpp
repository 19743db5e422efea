#include "ui/ListViewAdapter.h"

#include <QTreeWidget>
#include <QTreeWidgetItem>

ListViewAdapter::ListViewAdapter(QTreeWidget &list) : m_list(list)
{
}

ListViewAdapter::~ListViewAdapter()
{
    flush();
}

void ListViewAdapter::flush()
{
    if (m_pending.isEmpty())
        return;
    m_list.addTopLevelItems(m_pending);
    m_pending.clear();
}

void ListViewAdapter::addListItem(const QString &key, const QString &text, const QStringList &subItems,
                                  const QVariant &tag)
{
    auto *item = new QTreeWidgetItem;
    item->setText(0, text);
    for (int i = 0; i < subItems.size(); ++i)
        item->setText(i + 1, subItems.at(i));
    item->setData(0, KeyRole, key);
    item->setData(0, TagRole, tag);
    m_pending.append(item);
}

QString ListViewAdapter::key(const QTreeWidgetItem &item)
{
    return item.data(0, KeyRole).toString();
}

QVariant ListViewAdapter::tag(const QTreeWidgetItem &item)
{
    return item.data(0, TagRole);
}

QTreeWidgetItem *ListViewAdapter::findKey(const QTreeWidget &list, const QString &key)
{
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = list.topLevelItem(i);
        if (ListViewAdapter::key(*item) == key)
            return item;
    }
    return nullptr;
}
