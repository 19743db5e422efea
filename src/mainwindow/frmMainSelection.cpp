#include "mainwindow/frmMain.h"

#include "core/EditMode.h"
#include "details/ctlDetails.h"
#include "store/DbError.h"
#include "store/clsTablature.h"
#include "tree/ctlTree.h"
#include "view/ctlView.h"

#include <QAction>
#include <QTimer>

void frmMain::connectPanes()
{
    connect(ctlTree1, &ctlTree::OnRootClick, this, &frmMain::ctlTree_OnRootClick);
    connect(ctlTree1, &ctlTree::OnTreeClick, this, &frmMain::ctlTree_OnTreeClick);
    connect(ctlTree1, &ctlTree::OnHideTree, this, &frmMain::mnuViewTree_Click);
    connect(ctlTree1, &ctlTree::OnCategoryClick, this, &frmMain::ctlTree_OnCategoryClick);
    connect(ctlTree1, &ctlTree::OnFolderClick, this, &frmMain::ctlTree_OnFolderClick);
    connect(ctlTree1, &ctlTree::OnFileClick, this, &frmMain::ctlTree_OnFileClick);
    connect(ctlTree1, &ctlTree::OnFileAdd, this, &frmMain::ctlTree_OnFileAdd);
    connectChanges();

    connect(ctlDetails1, &ctlDetails::OnHideDetails, this, &frmMain::mnuViewDetails_Click);
    connect(ctlDetails1, &ctlDetails::OnDetailsClicked, this, &frmMain::ctlDetails_OnDetailsClicked);
    connect(ctlDetails1, &ctlDetails::OnBookmarkClick, this, &frmMain::ctlDetails_OnBookmarkClick);

    connect(ctlView1, &ctlView::OnChange, this, &frmMain::ctlView_OnChange);
    connect(ctlView1, &ctlView::OnEnableCutCopy, this, &frmMain::ctlView_OnEnableCutCopy);
    connect(ctlView1, &ctlView::UpdateUndoRedo, this, &frmMain::ctlView_UpdateUndoRedo);
    connect(ctlView1, &ctlView::OnSaveChanges, this, &frmMain::ctlView_OnSaveChanges);
    connect(ctlView1, &ctlView::OnSaveFileChanges, this, &frmMain::ctlView_OnSaveFileChanges);
    connect(ctlView1, &ctlView::OnEditComplete, this, &frmMain::ctlView_OnEditComplete);

    // Editing commands forward to the view. Undo and Redo follow the editor while editing:
    // each change, command and tab switch asks the view again.
    connect(mnuEditUndo, &QAction::triggered, this, [this] {
        ctlView1->Undo();
        ctlView1->SetUndoRedo();
    });
    connect(mnuEditRedo, &QAction::triggered, this, [this] {
        ctlView1->Redo();
        ctlView1->SetUndoRedo();
    });
    connect(ctlView1, &ctlView::OnTabsClick, this, [this] {
        if (chordex::EditMode == 1)
            ctlView1->SetUndoRedo();
    });
    connect(mnuEditPaste, &QAction::triggered, ctlView1, &ctlView::Paste);
    connect(mnuEditFind, &QAction::triggered, ctlView1, &ctlView::Find);
    connect(mnuEditFindNext, &QAction::triggered, ctlView1, &ctlView::FindNext);
    connect(mnuFindPrevious, &QAction::triggered, ctlView1, &ctlView::FindPrevious);
    connect(mnuEditReplace, &QAction::triggered, ctlView1, &ctlView::RunReplace);
    connect(mnuEditSelectAll, &QAction::triggered, ctlView1, &ctlView::SelectAll);
    // Find Next, Find Previous and Select All act on the shown file's text, as Find does.
    connect(mnuEditFind, &QAction::changed, this, [this] {
        for (QAction *a : {mnuEditFindNext, mnuFindPrevious, mnuEditSelectAll})
            a->setEnabled(mnuEditFind->isEnabled());
    });
    connectSearchAndBookmarks();
}

void frmMain::releaseDocument()
{
    objTablature.reset();
}

void frmMain::enablePanes(bool enabled)
{
    ctlTree1->Enabled(enabled);
    ctlDetails1->Enabled(enabled);
}

void frmMain::ctlTree_OnRootClick()
{
    if (!EndEditFirst())
        return;
    releaseDocument();
    ctlView1->Clear();
    RefreshCommands();
}

void frmMain::ctlTree_OnTreeClick()
{
    if (chordex::EditMode == 1)
        ctlView1->EditCurrent(false);
}

void frmMain::ctlDetails_OnDetailsClicked()
{
    ctlTree_OnTreeClick();  // the same rule: a click elsewhere first leaves edit mode
}

void frmMain::ctlTree_OnCategoryClick(qint32)
{
    ctlTree_OnRootClick();
}

void frmMain::ctlTree_OnFolderClick(qint32, qint32)
{
    ctlTree_OnRootClick();
}

void frmMain::ctlTree_OnFileClick(qint32 categoryId, qint32 folderId, qint32 fileId)
{
    if (!EndEditFirst())
        return;
    auto doc = std::make_unique<clsTablature>();
    clsTablature *raw = doc.get();
    connect(raw, &clsTablature::OnTabSelect, this, &frmMain::objTablature_OnTabSelect);
    connectDocument(*raw);
    objTablature = std::move(doc);
    const bool loaded = guard([&] { objTablature->SelectTabFile(categoryId, folderId, fileId); });
    if (!loaded) {
        // The file could not be read: show nothing rather than another file's text.
        releaseDocument();
        ctlView1->Clear();
        RefreshCommands();
        return;
    }
    ctlView1->FileSelected();
}

void frmMain::objTablature_OnTabSelect()
{
    ctlView1->Cover(false);
    ctlView1->setNotes(objTablature->Notes());
    ctlView1->setTabText(objTablature->Tablature());
    ctlView1->setTitleText(objTablature->Title());
    RefreshCommands();
    tbrButton(QStringLiteral("find"))->setEnabled(true);
    mnuEditFind->setEnabled(true);
}

void frmMain::ctlTree_OnFileAdd()
{
    tmr->start();
}

void frmMain::ctlDetails_OnBookmarkClick(const QString &treePath)
{
    if (!EndEditFirst())
        return;
    ctlTree1->SelectNode(treePath);
    mnuEditBookmark->setEnabled(true);
    mnuBookmarkDelete->setEnabled(true);
}

void frmMain::ctlView_OnChange()
{
    if (chordex::EditMode != 1)
        return;
    mnuFileSave->setEnabled(true);
    tbrButton(QStringLiteral("save"))->setEnabled(true);
    enablePanes(false);
    ctlView1->SetUndoRedo();
}

void frmMain::ctlView_OnEnableCutCopy(bool present)
{
    if (chordex::EditMode != 1)
        return;
    mnuEditCut->setEnabled(present);
    mnuEditCopy->setEnabled(present);
    tbrButton(QStringLiteral("cut"))->setEnabled(present);
    tbrButton(QStringLiteral("copy"))->setEnabled(present);
}

void frmMain::ctlView_UpdateUndoRedo(bool canUndo, bool canRedo)
{
    mnuEditUndo->setEnabled(canUndo);
    mnuEditRedo->setEnabled(canRedo);
}

void frmMain::ctlView_OnSaveChanges(const QString &tab, const QString &notes)
{
    const bool saved = guard([&] {
        if (!objTablature)
            throw DbError(DbError::RowMissing, QStringLiteral("No file of the store is shown; nothing was saved."));
        objTablature->UpdateFile(tab, notes);
    });
    if (!saved) {
        ctlView1->RejectSave();  // stays in edit mode with the text as typed
        return;
    }
    mnuFileSave->setEnabled(false);
    tbrButton(QStringLiteral("save"))->setEnabled(false);
    enablePanes(true);
}

void frmMain::ctlView_OnSaveFileChanges()
{
    mnuFileSave->setEnabled(false);
    tbrButton(QStringLiteral("save"))->setEnabled(false);
    enablePanes(true);
}

void frmMain::ctlView_OnEditComplete()
{
    enablePanes(true);
    RefreshCommands();
}

bool frmMain::EndEditFirst()
{
    if (chordex::EditMode != 1)
        return true;
    ctlView1->EditCurrent(false);
    return chordex::EditMode != 1;
}
