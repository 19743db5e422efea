#pragma once

#include <QString>
#include <QVariant>

#include <initializer_list>
#include <utility>

class ListTarget;
class ListViewTarget;
class Prompts;
class TreeTarget;

// Catalogue routines on the open store: name look-ups, inserts, the folder removal and the
// fills of lists, trees and the bookmark list. Engine errors reach the caller, except in the
// category and folder fills, which report them through prompts and stop.
namespace modMain {

QString FolderName(qint32 folderId);
QString CategoryName(qint32 categoryId);
bool CategoryHasFolders(qint32 categoryId);

// Asks first; removes the folder, its files and their tab rows in one transaction.
bool RemoveFolder(Prompts &prompts, qint32 folderId, const QString &folderName);

void LoadBookmarkList(ListViewTarget &list);
qint32 InsertCategory(const QString &name);

// Appends one row through the change set selectSql, with the given fields, and returns the
// identifier that maxSql reads back right after (0 when maxSql is empty).
using RowFields = std::initializer_list<std::pair<const char *, QVariant>>;
qint32 AppendRow(const QString &selectSql, RowFields fields, const QString &maxSql = QString());
qint32 InsertFolder(qint32 categoryId, const QString &name);

void FillCategoryList(Prompts &prompts, ListTarget &list);
void FillFolders(Prompts &prompts, qint32 categoryId, TreeTarget &tree);
void FillFolders(Prompts &prompts, qint32 categoryId, ListTarget &list);

// Tree node keys and images.
QString FolderKey(qint32 folderId);  // "D_" + id
QString FileKey(qint32 fileId);      // "F_" + id
inline constexpr const char *RootKey = "ROOT";
enum TreeImage { ImageFolder = 1, ImageFolderOpen = 2, ImageFile = 4, ImageRoot = 5 };

}  // namespace modMain
