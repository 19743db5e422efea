// The answers to the tree's deletes, renames and moves: the store changes first, in one
// transaction; the tree and the bookmark list follow only once it committed. On a refusal the
// user sees "number - description" and the tree is shown again as the store holds it.
#include "mainwindow/frmMain.h"

#include "core/EditMode.h"
#include "details/ctlDetails.h"
#include "store/Ids.h"
#include "store/clsTablature.h"
#include "store/modChanges.h"
#include "store/modMain.h"
#include "tree/ctlTree.h"
#include "view/ctlView.h"

#include <utility>

namespace {

// Ids joined as a bookmark's key joins them: "3||12" or "3||12||40".
QString treePath(qint32 first, qint32 second, qint32 third = 0)
{
    QString path = QString::number(first) + QStringLiteral("||") + QString::number(second);
    if (third != 0)
        path += QStringLiteral("||") + QString::number(third);
    return path;
}

}  // namespace

void frmMain::connectChanges()
{
    connect(ctlTree1, &ctlTree::OnFileDelete, this, &frmMain::ctlTree_OnFileDelete);
    connect(ctlTree1, &ctlTree::OnFileRename, this, &frmMain::ctlTree_OnFileRename);
    connect(ctlTree1, &ctlTree::OnRemoveBookmark, this, &frmMain::ctlTree_OnRemoveBookmark);
    connect(ctlTree1, &ctlTree::OnFolderDelete, this, &frmMain::ctlTree_OnFolderDelete);
    connect(ctlTree1, &ctlTree::OnFolderRename, this, &frmMain::ctlTree_OnFolderRename);
    connect(ctlTree1, &ctlTree::OnFileDragDrop, this, &frmMain::ctlTree_OnFileDragDrop);
    connect(ctlTree1, &ctlTree::OnFileDragDropCat, this, &frmMain::ctlTree_OnFileDragDropCat);
    connect(ctlTree1, &ctlTree::OnMoveCatFolder, this, &frmMain::ctlTree_OnMoveCatFolder);
}

void frmMain::mnuFileDeleteFolder_Click()
{
    if (!EndEditFirst())
        return;
    ctlTree1->DeleteFolder();
}

void frmMain::mnuFileDeleteFile_Click()
{
    if (!EndEditFirst())
        return;
    ctlTree1->DeleteFile();
}

// The tree already shows the change it asked for; after a refusal it shows the store again.
// While a file is edited the tree is left alone: a refill would replace the document.
void frmMain::showTreeAsStored()
{
    if (chordex::EditMode != 1)
        ctlTree1->ReloadCategory();
}

// Deleted through a document object for the tree's ids, not through objTablature: that one
// holds no file when the load failed, and its key would then name the wrong bookmark.
void frmMain::ctlTree_OnFileDelete(qint32 fileId)
{
    if (!EndEditFirst())
        return;
    clsTablature doc;
    connectDocument(doc);
    const bool deleted = guard([&] {
        doc.setCategoryId(Ids::Text(ctlTree1->CategoryId()));
        doc.setFolderId(Ids::Text(ctlTree1->FolderId()));
        doc.setFileId(Ids::Text(fileId));
        doc.DeleteFile(fileId);
    });
    if (deleted)
        ctlTree1->RemoveNode(modMain::FileKey(fileId));
}

void frmMain::ctlTree_OnFileRename(const QString &newTitle)
{
    // Without a loaded document there is no file to rename: the node gets its name back.
    if (!EndEditFirst() || !objTablature || objTablature->fileIdValue() <= 0 ||
        !guard([&] { objTablature->RenameFile(newTitle); })) {
        showTreeAsStored();
        return;
    }
    // The document told the bookmark list of the new title.
    ctlView1->setTitleText(newTitle);
}


// Raised for each file of a folder about to be deleted: the list item goes only once the
// folder delete committed.
void frmMain::ctlTree_OnRemoveBookmark(const QString &treePath)
{
    m_bookmarksOfDeletedFolder << treePath;
}

void frmMain::ctlTree_OnFolderDelete(qint32 folderId, const QString &fileFilter)
{
    Q_UNUSED(fileFilter);  // the store is asked by folder: a filter of one term per file outgrows SQLite
    const QStringList bookmarks = std::exchange(m_bookmarksOfDeletedFolder, {});
    if (!EndEditFirst() || !guard([&] { modChanges::DeleteFolder(folderId); }))
        return;
    for (const QString &key : bookmarks)
        ctlDetails1->RemoveBookmark(key, true);
    ctlTree1->RemoveNode(modMain::FolderKey(folderId));
}

void frmMain::ctlTree_OnFolderRename(qint32 categoryId, qint32 folderId, const QString &newName)
{
    if (!EndEditFirst() || !guard([&] { modChanges::RenameFolder(folderId, newName); })) {
        showTreeAsStored();
        return;
    }
    guard([&] { ctlDetails1->RenameBookmarkFolders(treePath(categoryId, folderId), newName); });
}

void frmMain::ctlTree_OnFileDragDrop(qint32 newFolderId, qint32 fileId, qint32 oldFolderId)
{
    if (!EndEditFirst() || !guard([&] { modChanges::MoveFile(fileId, newFolderId); })) {
        showTreeAsStored();
        return;
    }
    // The parts "||folder||file": the category stays.
    guard([&] {
        ctlDetails1->UpdateBookmarkFolder(QStringLiteral("||") + treePath(newFolderId, fileId),
                                          QStringLiteral("||") + treePath(oldFolderId, fileId));
    });
}

void frmMain::ctlTree_OnFileDragDropCat(qint32 newCategoryId, qint32 newFolderId, qint32 fileId, qint32 oldFolderId,
                                        qint32 oldCategoryId)
{
    if (!EndEditFirst() || !guard([&] { modChanges::MoveFile(fileId, newFolderId, newCategoryId); })) {
        showTreeAsStored();
        return;
    }
    guard([&] {
        ctlDetails1->UpdateBookmarkFolderCat(treePath(newCategoryId, newFolderId, fileId),
                                             treePath(oldCategoryId, oldFolderId, fileId));
    });
}

void frmMain::ctlTree_OnMoveCatFolder(qint32 newCategoryId, qint32 folderId, qint32 oldCategoryId)
{
    if (!EndEditFirst() || !guard([&] { modChanges::MoveFolder(folderId, newCategoryId); })) {
        showTreeAsStored();
        return;
    }
    guard([&] {
        ctlDetails1->UpdateBookmarkCategories(QString::number(newCategoryId), QString::number(oldCategoryId),
                                              QString::number(folderId));
    });
}
