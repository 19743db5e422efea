#include "view/ReplaceDialog.h"

#include "view/TextEditor.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

ReplaceDialog::ReplaceDialog(TextEditor &editor, const SearchOptions &initial, QWidget *parent)
    : QDialog(parent)
    , m_editor(editor)
    , m_fields(this, initial)
{
    setWindowTitle(tr("Replace"));

    m_txtReplace = new QLineEdit(initial.replacement, this);
    m_txtReplace->setObjectName(QStringLiteral("txtReplace"));
    auto *replaceLabel = new QLabel(tr("Re&place with:"), this);
    replaceLabel->setBuddy(m_txtReplace);
    m_lblStatus = new QLabel(this);
    m_lblStatus->setObjectName(QStringLiteral("lblStatus"));

    m_cmdFindNext = new QPushButton(tr("&Find Next"), this);
    m_cmdFindNext->setObjectName(QStringLiteral("cmdFindNext"));
    m_cmdFindNext->setDefault(true);
    m_cmdReplace = new QPushButton(tr("&Replace"), this);
    m_cmdReplace->setObjectName(QStringLiteral("cmdReplace"));
    m_cmdReplaceAll = new QPushButton(tr("Replace &All"), this);
    m_cmdReplaceAll->setObjectName(QStringLiteral("cmdReplaceAll"));
    auto *cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    auto *grid = new QGridLayout(this);
    m_fields.addTo(*grid, 0, 2);
    grid->addWidget(replaceLabel, 1, 0);
    grid->addWidget(m_txtReplace, 1, 1);
    grid->addWidget(m_lblStatus, 4, 0, 1, 2);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_cmdFindNext);
    buttons->addWidget(m_cmdReplace);
    buttons->addWidget(m_cmdReplaceAll);
    buttons->addWidget(cmdClose);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 2, 5, 1);

    // A read-only editor can be searched but not changed.
    const auto updateButtons = [this] {
        const bool any = !m_fields.txtFind->text().isEmpty();
        const bool writable = !m_editor.isReadOnly();
        m_cmdFindNext->setEnabled(any);
        m_cmdReplace->setEnabled(any && writable);
        m_cmdReplaceAll->setEnabled(any && writable);
    };
    updateButtons();
    connect(m_fields.txtFind, &QLineEdit::textChanged, this, updateButtons);
    connect(m_cmdFindNext, &QPushButton::clicked, this, &ReplaceDialog::findNext);
    connect(m_cmdReplace, &QPushButton::clicked, this, &ReplaceDialog::replace);
    connect(m_cmdReplaceAll, &QPushButton::clicked, this, &ReplaceDialog::replaceAllMatches);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);

    m_fields.focus();
}

SearchOptions ReplaceDialog::options() const
{
    SearchOptions options = m_fields.read({});
    options.replacement = m_txtReplace->text();
    return options;
}

QString ReplaceDialog::status() const
{
    return m_lblStatus->text();
}

void ReplaceDialog::showNotFound()
{
    m_lblStatus->setText(tr("Cannot find \"%1\".").arg(m_fields.txtFind->text()));
}

void ReplaceDialog::findNext()
{
    m_lblStatus->clear();
    if (!m_editor.find(options(), true))
        showNotFound();
}

void ReplaceDialog::replace()
{
    m_lblStatus->clear();
    if (m_editor.isReadOnly())
        return;
    if (!m_editor.replaceAndFindNext(options()))
        showNotFound();
}

void ReplaceDialog::replaceAllMatches()
{
    m_lblStatus->clear();
    if (m_editor.isReadOnly())
        return;
    const int count = m_editor.replaceAll(options());
    if (count == 0)
        showNotFound();
    else
        m_lblStatus->setText(tr("%n occurrence(s) replaced.", nullptr, count));
}
