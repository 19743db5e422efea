#pragma once

#include "store/Targets.h"

#include <Qt>

#include <functional>

class QListWidget;

// Lets the catalogue's list fills write into a QListWidget, with each item's identifier kept
// as its item data. Choosing an item is handed to the owner, as for the combo box target.
class ListWidgetTarget final : public ListTarget
{
public:
    static constexpr int IdRole = Qt::UserRole;

    ListWidgetTarget(QListWidget &list, std::function<void(int)> choose = {});

    void clear() override;
    void addItem(const QString &text, qint32 itemData) override;
    int count() const override;
    void choose(int index) override;

private:
    QListWidget &m_list;
    std::function<void(int)> m_choose;
};
