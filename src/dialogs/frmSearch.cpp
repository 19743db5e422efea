#include "dialogs/frmSearch.h"

#include "core/Prompts.h"
#include "store/modSettings.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString Section = QStringLiteral("Settings");

// A stored check box value: any non-zero number checks the box; text that is no number
// keeps the default.
bool readCheck(const QString &key, bool defaultChecked)
{
    bool ok = false;
    const int value = modSettings::GetSetting(Section, key, defaultChecked ? QStringLiteral("1") : QStringLiteral("0"))
                          .trimmed()
                          .toInt(&ok);
    return ok ? value != 0 : defaultChecked;
}

qint16 checkValue(const QCheckBox *box)
{
    return box->isChecked() ? 1 : 0;
}

}  // namespace

frmSearch::frmSearch(Prompts &prompts, QWidget *parent) : QDialog(parent), m_prompts(prompts)
{
    setWindowTitle(QStringLiteral("Search"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    lblSearch = new QLabel(QStringLiteral("Search For:"), this);
    txtSearch = new QLineEdit(this);
    lblSearch->setBuddy(txtSearch);

    fraFields = new QGroupBox(QStringLiteral("Search in:"), this);
    chkTitles = new QCheckBox(QStringLiteral("Title"), fraFields);
    chkTab = new QCheckBox(QStringLiteral("Tablature"), fraFields);
    chkNotes = new QCheckBox(QStringLiteral("Notes"), fraFields);
    auto *boxes = new QHBoxLayout(fraFields);
    boxes->addWidget(chkTitles);
    boxes->addWidget(chkTab);
    boxes->addWidget(chkNotes);

    cmdSearch = new QPushButton(QStringLiteral("&Search"), this);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdSearch->setDefault(true);  // Enter in the text box runs the search
    cmdSearch->setAutoDefault(true);
    cmdCancel->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSearch);
    buttons->addWidget(cmdCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblSearch);
    layout->addWidget(txtSearch);
    layout->addWidget(fraFields);
    layout->addLayout(buttons);

    connect(cmdSearch, &QPushButton::clicked, this, &frmSearch::cmdSearch_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::close);

    chkTitles->setChecked(readCheck(QStringLiteral("InTitles"), true));
    chkTab->setChecked(readCheck(QStringLiteral("InTab"), true));
    chkNotes->setChecked(readCheck(QStringLiteral("InNotes"), false));

    move(230, 200);
    resize(312, 180);
    txtSearch->setFocus();
}

void frmSearch::cmdSearch_Click()
{
    const QString text = txtSearch->text().trimmed();
    if (text.isEmpty()) {
        m_prompts.message(QStringLiteral("Nothing to search for!"), QStringLiteral("Search"),
                          Prompts::Icon::Exclamation, Prompts::Buttons::Ok, Prompts::Answer::Ok);
        txtSearch->setFocus();
        return;
    }
    if (!chkTitles->isChecked() && !chkTab->isChecked() && !chkNotes->isChecked()) {
        m_prompts.message(QStringLiteral("You must check at least one field to search in!"),
                          QStringLiteral("Chordex Search"), Prompts::Icon::Exclamation, Prompts::Buttons::Ok,
                          Prompts::Answer::Ok);
        return;
    }
    emit OnSearch(text, checkValue(chkTitles), checkValue(chkTab), checkValue(chkNotes));
}

void frmSearch::done(int result)
{
    // Every way of closing comes through here (Cancel, Escape, the close button).
    if (!m_unloaded) {
        m_unloaded = true;
        modSettings::SaveSetting(Section, QStringLiteral("InTitles"), QString::number(checkValue(chkTitles)));
        modSettings::SaveSetting(Section, QStringLiteral("InTab"), QString::number(checkValue(chkTab)));
        modSettings::SaveSetting(Section, QStringLiteral("InNotes"), QString::number(checkValue(chkNotes)));
        emit OnUnload();
    }
    QDialog::done(result);
}
