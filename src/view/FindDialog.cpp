#include "view/FindDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FindDialog::FindDialog(const SearchOptions &initial, QWidget *parent)
    : QDialog(parent)
    , m_options(initial)
{
    setWindowTitle(tr("Find"));

    m_txtFind = new QLineEdit(initial.text, this);
    m_txtFind->setObjectName(QStringLiteral("txtFind"));
    auto *label = new QLabel(tr("Fi&nd what:"), this);
    label->setBuddy(m_txtFind);
    m_chkMatchCase = new QCheckBox(tr("Match &case"), this);
    m_chkMatchCase->setObjectName(QStringLiteral("chkMatchCase"));
    m_chkMatchCase->setChecked(initial.matchCase);
    m_chkWholeWord = new QCheckBox(tr("Match &whole word only"), this);
    m_chkWholeWord->setObjectName(QStringLiteral("chkWholeWord"));
    m_chkWholeWord->setChecked(initial.wholeWord);

    m_cmdFindNext = new QPushButton(tr("&Find Next"), this);
    m_cmdFindNext->setObjectName(QStringLiteral("cmdFindNext"));
    m_cmdFindNext->setDefault(true);
    auto *cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_txtFind, 0, 1);
    grid->addWidget(m_chkMatchCase, 1, 0, 1, 2);
    grid->addWidget(m_chkWholeWord, 2, 0, 1, 2);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_cmdFindNext);
    buttons->addWidget(cmdCancel);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 2, 3, 1);

    const auto updateButtons = [this] { m_cmdFindNext->setEnabled(!m_txtFind->text().isEmpty()); };
    updateButtons();
    connect(m_txtFind, &QLineEdit::textChanged, this, updateButtons);
    connect(m_cmdFindNext, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    m_txtFind->selectAll();
    m_txtFind->setFocus();
}

SearchOptions FindDialog::options() const
{
    SearchOptions options = m_options;
    options.text = m_txtFind->text();
    options.matchCase = m_chkMatchCase->isChecked();
    options.wholeWord = m_chkWholeWord->isChecked();
    return options;
}
