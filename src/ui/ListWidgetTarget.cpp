#include "ui/ListWidgetTarget.h"

#include <QListWidget>

ListWidgetTarget::ListWidgetTarget(QListWidget &list, std::function<void(int)> choose)
    : m_list(list), m_choose(std::move(choose))
{
}

void ListWidgetTarget::clear()
{
    m_list.clear();
}

void ListWidgetTarget::addItem(const QString &text, qint32 itemData)
{
    auto *item = new QListWidgetItem(text, &m_list);
    item->setData(IdRole, QVariant::fromValue(itemData));
}

int ListWidgetTarget::count() const
{
    return m_list.count();
}

void ListWidgetTarget::choose(int index)
{
    if (m_choose)
        m_choose(index);
    else
        m_list.setCurrentRow(index);
}
