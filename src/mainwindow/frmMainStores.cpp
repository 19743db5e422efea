#include "mainwindow/frmMain.h"

#include "details/ctlDetails.h"
#include "dialogs/frmDatabase.h"
#include "dialogs/frmMaintenance.h"
#include "core/Prompts.h"
#include "store/modADO.h"
#include "tree/ctlTree.h"

#include <QAction>

void frmMain::connectStores()
{
    connect(mnuFileChordex, &QAction::triggered, this, &frmMain::mnuFileChordex_Click);
    connect(mnuMaintenance, &QAction::triggered, this, &frmMain::mnuMaintenance_Click);
    connect(ctlTree1, &ctlTree::OnNoCategories, this, &frmMain::ctlTree_OnNoCategories);
}

void frmMain::mnuFileChordex_Click()
{
    if (!EndEditFirst() || DatabaseForm)
        return;
    frmDatabase form(m_prompts, this);
    DatabaseForm = &form;
    connect(&form, &frmDatabase::OnOpen, this, &frmMain::DatabaseForm_OnOpen);
    connect(&form, &frmDatabase::OnUnload, this, &frmMain::DatabaseForm_OnUnload);
    const int result = m_prompts.runModal(form);
    form.done(result);  // unloads it unless it has unloaded itself
    DatabaseForm = nullptr;
}

void frmMain::DatabaseForm_OnOpen(const QString &filePath, const QString &displayName)
{
    OpenStore(filePath, displayName);
}

void frmMain::DatabaseForm_OnUnload()
{
    DatabaseForm = nullptr;
}

void frmMain::mnuMaintenance_Click()
{
    // The dialog's changes reload every pane, so an edit in progress is settled first.
    if (!EndEditFirst() || MaintForm || modADO::NoStoreOpen())
        return;
    frmMaintenance form(m_prompts, this);
    MaintForm = &form;
    connect(&form, &frmMaintenance::OnUnload, this, &frmMain::MaintForm_OnUnload);
    form.Form_Load();
    form.setWindowTitle(QStringLiteral("Chordex [") + modADO::StoreName() + QStringLiteral("] Maintenance"));
    const int result = m_prompts.runModal(form);
    form.done(result);
    MaintForm = nullptr;
}

void frmMain::MaintForm_OnUnload(bool changed)
{
    if (!changed)
        return;
    ClearPanes();
    guard([this] { ctlTree1->LoadTree(); });
    guard([this] { ctlDetails1->LoadBookmarks(); });
    RefreshCommands();
}

// A store without categories: the store manager closes, and the maintenance dialog opens so
// that the user can add one, unless it is the maintenance dialog that is closing.
void frmMain::ctlTree_OnNoCategories()
{
    if (DatabaseForm) {
        DatabaseForm->done(QDialog::Rejected);
        DatabaseForm = nullptr;
    }
    if (MaintForm) {
        MaintForm->done(QDialog::Rejected);
        MaintForm = nullptr;
    } else {
        mnuMaintenance_Click();
    }
}
