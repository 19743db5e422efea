#pragma once

#include "store/Targets.h"

#include <Qt>

class QTreeWidget;
class QTreeWidgetItem;

// Lets the catalogue fill a report-style QTreeWidget: one top-level item per list item, text in
// column 0, sub-items in the next columns, key and tag kept in column 0's item data.
class ListViewAdapter final : public ListViewTarget
{
public:
    static constexpr int KeyRole = Qt::UserRole;
    static constexpr int TagRole = Qt::UserRole + 1;

    explicit ListViewAdapter(QTreeWidget &list);

    void addListItem(const QString &key, const QString &text, const QStringList &subItems,
                     const QVariant &tag) override;

    static QString key(const QTreeWidgetItem &item);
    static QVariant tag(const QTreeWidgetItem &item);
    // The top-level item with that key, or nullptr.
    static QTreeWidgetItem *findKey(const QTreeWidget &list, const QString &key);

private:
    QTreeWidget &m_list;
};
