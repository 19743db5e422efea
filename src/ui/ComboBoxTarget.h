#pragma once

#include "store/Targets.h"

#include <functional>

class QComboBox;

// Lets the catalogue's list fills write into a combo box. Choosing an item is handed to the
// owner, so that an item chosen by code runs the same routine as one chosen by the user,
// even when it is the item already shown.
class ComboBoxTarget final : public ListTarget
{
public:
    ComboBoxTarget(QComboBox &box, std::function<void(int)> choose);

    void clear() override;
    void addItem(const QString &text, qint32 itemData) override;
    int count() const override;
    void choose(int index) override;

private:
    QComboBox &m_box;
    std::function<void(int)> m_choose;
};
