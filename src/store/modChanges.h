#pragma once

#include <QtGlobal>

class QString;

// The store side of the tree's renames, moves and folder deletes. Each runs in one
// transaction: it happens completely or not at all, and engine errors reach the caller as
// DbError after the rollback. Every statement names rows by a folder or file id (or a
// subquery on one), so none grows with the number of rows it touches.
namespace modChanges {

// The folder's files, their tab rows and bookmarks, and the folder row.
void DeleteFolder(qint32 folderId);
void RenameFolder(qint32 folderId, const QString &newName);
// The file and its bookmark go to the new folder; with newCategoryId > 0 the bookmark also
// takes the new category (a move to a folder of another category).
void MoveFile(qint32 fileId, qint32 newFolderId, qint32 newCategoryId = 0);
// The folder and its files' bookmarks go to the new category.
void MoveFolder(qint32 folderId, qint32 newCategoryId);

}  // namespace modChanges
