#pragma once

#include "store/Targets.h"

#include <QList>
#include <Qt>

class QTreeWidget;
class QTreeWidgetItem;

// Lets the catalogue fill a report-style QTreeWidget: one top-level item per list item, text in
// column 0, sub-items in the next columns, key and tag kept in column 0's item data. Items are
// added to the list in batches, by flush() and when the adapter goes: one insertion per batch
// costs far less than one per row on long lists.
class ListViewAdapter final : public ListViewTarget
{
public:
    static constexpr int KeyRole = Qt::UserRole;
    static constexpr int TagRole = Qt::UserRole + 1;

    explicit ListViewAdapter(QTreeWidget &list);
    ~ListViewAdapter() override;
    ListViewAdapter(const ListViewAdapter &) = delete;
    ListViewAdapter &operator=(const ListViewAdapter &) = delete;

    void addListItem(const QString &key, const QString &text, const QStringList &subItems,
                     const QVariant &tag) override;
    // Puts the items added so far into the list.
    void flush();

    static QString key(const QTreeWidgetItem &item);
    static QVariant tag(const QTreeWidgetItem &item);
    // The top-level item with that key, or nullptr.
    static QTreeWidgetItem *findKey(const QTreeWidget &list, const QString &key);

private:
    QTreeWidget &m_list;
    QList<QTreeWidgetItem *> m_pending;
};
