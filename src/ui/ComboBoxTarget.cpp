#include "ui/ComboBoxTarget.h"

#include <QComboBox>

ComboBoxTarget::ComboBoxTarget(QComboBox &box, std::function<void(int)> choose)
    : m_box(box), m_choose(std::move(choose))
{
}

void ComboBoxTarget::clear()
{
    m_box.clear();
}

void ComboBoxTarget::addItem(const QString &text, qint32 itemData)
{
    m_box.addItem(text, QVariant::fromValue(itemData));
}

int ComboBoxTarget::count() const
{
    return m_box.count();
}

void ComboBoxTarget::choose(int index)
{
    m_choose(index);
}
