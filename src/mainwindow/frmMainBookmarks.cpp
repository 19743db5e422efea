// The bookmark commands and the document object's bookmark events.
#include "mainwindow/frmMain.h"

#include "core/Prompts.h"
#include "details/ctlDetails.h"
#include "dialogs/frmBookmark.h"
#include "store/clsTablature.h"
#include "tree/ctlTree.h"

#include <QAction>
#include <QLineEdit>
#include <QTreeWidget>

void frmMain::connectSearchAndBookmarks()
{
    connect(mnuEditSearch, &QAction::triggered, this, &frmMain::mnuEditSearch_Click);
    connect(mnuBookmarkFile, &QAction::triggered, this, &frmMain::mnuBookmarkFile_Click);
    connect(mnuEditBookmark, &QAction::triggered, this, &frmMain::mnuEditBookmark_Click);
    connect(mnuBookmarkDelete, &QAction::triggered, this, &frmMain::mnuBookmarkDelete_Click);
    connect(ctlTree1, &ctlTree::OnBookmarkFile, this, &frmMain::mnuBookmarkFile_Click);
    connect(ctlDetails1, &ctlDetails::OnBookmarkEdit, this, &frmMain::ctlDetails_OnBookmarkEdit);
    connect(ctlDetails1, &ctlDetails::OnDelete, this, &frmMain::ctlDetails_OnDelete);
    connect(ctlDetails1, &ctlDetails::OnSearchClick, this, &frmMain::ctlDetails_OnSearchClick);
}

void frmMain::connectDocument(clsTablature &doc)
{
    connect(&doc, &clsTablature::OnBookmarkInsert, ctlDetails1, &ctlDetails::AddBookmark);
    connect(&doc, &clsTablature::OnBookmarkUpdate, ctlDetails1, &ctlDetails::UpdateBookmark);
    connect(&doc, &clsTablature::OnBookmarkDelete, ctlDetails1, [this](const QString &key) {
        ctlDetails1->RemoveBookmark(key);
    });
    connect(&doc, &clsTablature::OnBookmarkFileRename, ctlDetails1, &ctlDetails::RenameBookmarkFile);
    connect(&doc, &clsTablature::OnFileDelete, ctlDetails1, [this](const QString &key) {
        ctlDetails1->RemoveBookmark(key);
    });
}

void frmMain::mnuBookmarkFile_Click()
{
    if (!objTablature || BookmarkForm)
        return;
    QString key;
    if (!guard([&] { key = objTablature->BookmarkExists(); }))
        return;
    if (!key.isEmpty()) {
        m_prompts.message(QStringLiteral("Bookmark already exists!"), QStringLiteral("Find"),
                          Prompts::Icon::Exclamation, Prompts::Buttons::Ok, Prompts::Answer::Ok);
        // A list that lost the item (a failed reload) gets it back from the store.
        if (!ctlDetails1->SelectBookmark(key) && guard([this] { ctlDetails1->LoadBookmarks(); }))
            ctlDetails1->SelectBookmark(key);
        return;
    }
    frmBookmark dialog(this);
    BookmarkForm = &dialog;
    dialog.setCaption(objTablature->Title());
    connect(&dialog, &frmBookmark::OnAddBookmark, this, [this](const QString &title, const QString &description) {
        if (objTablature)
            guard([&] { objTablature->InsertBookmark(title, description); });
    });
    m_prompts.runModal(dialog);
}

void frmMain::mnuEditBookmark_Click()
{
    if (!EndEditFirst())
        return;
    ctlDetails1->EditBookmark();
}

void frmMain::mnuBookmarkDelete_Click()
{
    if (!EndEditFirst())
        return;
    ctlDetails1->DeleteBookmark();
}

// Editing and deleting work on the bookmark's own row through a document object of their
// own: the selected file (objTablature, if any) may be another file, and the list click that
// follows a removal may replace objTablature.
void frmMain::ctlDetails_OnBookmarkEdit(qint32 bookmarkId)
{
    if (BookmarkForm)
        return;
    clsTablature doc;
    connectDocument(doc);
    bool found = false;
    QString key;
    QString fileTitle;
    if (!guard([&] { found = doc.SelectBookmark(bookmarkId) && doc.BookmarkFile(bookmarkId, key, fileTitle); }))
        return;
    if (!found) {
        m_prompts.message(QStringLiteral("File could not be found!"), QStringLiteral("Error"),
                          Prompts::Icon::Critical, Prompts::Buttons::Ok, Prompts::Answer::Ok);
        return;
    }
    frmBookmark dialog(this);
    BookmarkForm = &dialog;
    dialog.setEditMode(true);
    dialog.setBookmarkId(bookmarkId);
    dialog.setCaption(fileTitle);
    dialog.txtTitle->setText(doc.BookmarkTitle());
    dialog.setDescription(doc.BookmarkDescription());
    connect(&dialog, &frmBookmark::OnEditBookmark, this,
            [this, &doc](qint32 id, const QString &title, const QString &description) {
                guard([&] { doc.UpdateBookmark(id, title, description); });
            });
    m_prompts.runModal(dialog);
}

void frmMain::ctlDetails_OnDelete(qint32 bookmarkId)
{
    clsTablature doc;
    connectDocument(doc);
    guard([&] { doc.DeleteBookmark(bookmarkId); });
    if (ctlDetails1->lvwBookmarks->selectedItems().isEmpty()) {
        // Nothing left to edit or delete.
        mnuEditBookmark->setEnabled(false);
        mnuBookmarkDelete->setEnabled(false);
    }
}
