#include "view/GoToLineDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

GoToLineDialog::GoToLineDialog(int lineCount, int currentLine, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Go To Line"));
    const int last = std::max(1, lineCount);

    m_spnLine = new QSpinBox(this);
    m_spnLine->setObjectName(QStringLiteral("spnLine"));
    m_spnLine->setRange(1, last);
    m_spnLine->setValue(std::clamp(currentLine, 1, last));
    auto *label = new QLabel(tr("&Line number (1 - %1):").arg(last), this);
    label->setBuddy(m_spnLine);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_spnLine);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    m_spnLine->selectAll();
    m_spnLine->setFocus();
}

int GoToLineDialog::line() const
{
    return m_spnLine->value();
}

void GoToLineDialog::setLine(int line)
{
    m_spnLine->setValue(line);
}
