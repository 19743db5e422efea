// The main window's Help and Tools commands: the help window, the tip of the day, the options
// dialog and the about box.
#include "mainwindow/frmMain.h"

#include "core/Prompts.h"
#include "core/Version.h"
#include "core/clsTips.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmHelp.h"
#include "dialogs/frmOptions.h"
#include "dialogs/frmTips.h"
#include "store/modADO.h"
#include "store/modSettings.h"
#include "view/ctlView.h"

#include <QAction>
#include <QFileInfo>

namespace {

const QString Section = QStringLiteral("Settings");
const QString TodKey = QStringLiteral("TOD");

// "TOD" as a number; a value that is not a number counts as the default 1.
int tipOfTheDay()
{
    bool ok = false;
    const int value = modSettings::GetSetting(Section, TodKey, QStringLiteral("1")).trimmed().toInt(&ok);
    return ok ? value : 1;
}

}  // namespace

void frmMain::connectHelpCommands()
{
    mnuHelpContents->setShortcut(QKeySequence::HelpContents);  // F1, as users expect
    connect(mnuHelpContents, &QAction::triggered, this, &frmMain::mnuHelpContents_Click);
    connect(mnuHelpSearch, &QAction::triggered, this, &frmMain::mnuHelpSearch_Click);
    connect(mnuHelpTOD, &QAction::triggered, this, &frmMain::ShowTips);
    connect(mnuHelpAbout, &QAction::triggered, this, &frmMain::mnuHelpAbout_Click);
    connect(mnuToolsOptions, &QAction::triggered, this, &frmMain::mnuToolsOptions_Click);
}

void frmMain::mnuHelpContents_Click()
{
    showHelp(false);
}

void frmMain::mnuHelpSearch_Click()
{
    showHelp(true);
}

void frmMain::showHelp(bool index)
{
    const QString title = QString::fromLatin1(chordex::AppTitle);
    const QString file = modADO::ProgramPath() + frmHelp::CollectionName;
    if (!QFileInfo(file).isFile()) {
        m_prompts.message(QStringLiteral("Unable to display Help Contents. The Help file is missing."), title,
                          Prompts::Icon::Information, Prompts::Buttons::Ok, Prompts::Answer::Ok);
        return;
    }
    if (!HelpForm) {
        auto *form = new frmHelp(file, this);
        QString error;
        if (!form->Open(&error)) {
            delete form;
            m_prompts.message(error, title, Prompts::Icon::None, Prompts::Buttons::Ok, Prompts::Answer::Ok);
            return;
        }
        HelpForm = form;
    }
    if (index)
        HelpForm->ShowIndex();
    else
        HelpForm->ShowContents();
    HelpForm->show();
    HelpForm->raise();
    HelpForm->activateWindow();
}

void frmMain::ShowTips()
{
    clsTips tips;
    tips.Load(modADO::ProgramPath() + QStringLiteral("tips.txt"));
    frmTips form(tips, tipOfTheDay() != 0 ? 1 : 0, this);
    m_prompts.runModal(form);
    modSettings::SaveSetting(Section, TodKey, QString::number(form.ShowAtStartup()));
}

void frmMain::ShowStartupTips()
{
    if (tipOfTheDay() == 1)
        ShowTips();
}

void frmMain::mnuToolsOptions_Click()
{
    frmOptions form(this);
    m_prompts.runModal(form);
    // The dialog stored each choice as it was made; the editors take them now, keeping their text.
    ctlView1->SetOptions();
}

void frmMain::mnuHelpAbout_Click()
{
    frmAbout form(this);
    m_prompts.runModal(form);
}
