#include "view/FindDialog.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FindDialog::FindDialog(const SearchOptions &initial, QWidget *parent)
    : QDialog(parent)
    , m_options(initial)
    , m_fields(this, initial)
{
    setWindowTitle(tr("Find"));

    m_cmdFindNext = new QPushButton(tr("&Find Next"), this);
    m_cmdFindNext->setObjectName(QStringLiteral("cmdFindNext"));
    m_cmdFindNext->setDefault(true);
    auto *cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto *grid = new QGridLayout(this);
    m_fields.addTo(*grid, 0, 1);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_cmdFindNext);
    buttons->addWidget(cmdCancel);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 2, 3, 1);

    const auto updateButtons = [this] { m_cmdFindNext->setEnabled(!m_fields.txtFind->text().isEmpty()); };
    updateButtons();
    connect(m_fields.txtFind, &QLineEdit::textChanged, this, updateButtons);
    connect(m_cmdFindNext, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    m_fields.focus();
}

SearchOptions FindDialog::options() const
{
    return m_fields.read(m_options);
}
