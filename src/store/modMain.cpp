#include "store/modMain.h"

#include "core/Prompts.h"
#include "core/Version.h"
#include "store/Connection.h"
#include "store/DbError.h"
#include "store/Ids.h"
#include "store/Recordset.h"
#include "store/Targets.h"
#include "store/modADO.h"

namespace modMain {

namespace {

QString id(qint32 v)
{
    return Ids::Text(v);
}

// First column of the first row as text, or empty text when there is no row.
QString lookUp(const QString &sql)
{
    Recordset rs;
    rs.Open(sql, modADO::Conn(), CursorType::ForwardOnly, LockType::ReadOnly);
    QString result;
    if (rs.RecordCount() > 0)
        result = rs.Fields(0).toString();
    rs.Close();
    return result;
}

void deleteAll(Recordset &rs)
{
    while (!rs.Eof()) {
        rs.Delete();
        rs.MoveNext();
    }
    rs.UpdateBatch();
}

void report(Prompts &prompts, const DbError &e)
{
    prompts.errorReport(e.number(), e.description(), QString::fromLatin1(chordex::AppTitle));
}

}  // namespace

QString FolderKey(qint32 folderId)
{
    return QStringLiteral("D_") + id(folderId);
}

QString FileKey(qint32 fileId)
{
    return QStringLiteral("F_") + id(fileId);
}

QString FolderName(qint32 folderId)
{
    return lookUp(QStringLiteral("SELECT directory FROM directories WHERE directory_id=") + id(folderId));
}

QString CategoryName(qint32 categoryId)
{
    return lookUp(QStringLiteral("SELECT category FROM categories WHERE category_id=") + id(categoryId));
}

bool CategoryHasFolders(qint32 categoryId)
{
    Recordset rs;
    rs.Open(QStringLiteral("SELECT directory_id FROM directories WHERE category_id=") + id(categoryId),
            modADO::Conn(), CursorType::ForwardOnly, LockType::ReadOnly);
    const bool has = rs.RecordCount() > 0;
    rs.Close();
    return has;
}

bool RemoveFolder(Prompts &prompts, qint32 folderId, const QString &folderName)
{
    const QString text = QStringLiteral("Are you sure you wish to delete the folder \"") + folderName +
                         QStringLiteral("\" and all files?\r\n\r\nWarning: This operation can not be undone!");
    if (prompts.message(text, QStringLiteral("Confirm Delete"), Prompts::Icon::Exclamation,
                        Prompts::Buttons::YesNo, Prompts::Answer::No) != Prompts::Answer::Yes)
        return false;

    Connection &conn = modADO::Conn();
    Transaction trans(conn);
    Recordset files;
    files.Open(QStringLiteral("SELECT * FROM file WHERE directory_id=") + id(folderId), conn,
               CursorType::Static, LockType::Pessimistic);
    if (files.RecordCount() > 0) {
        // The tab rows are chosen by a subquery, so the statement stays the same size however
        // many files the folder holds (a condition per file would hit the engine's depth limit).
        Recordset tabs;
        tabs.Open(QStringLiteral("SELECT * FROM tablature WHERE file_id IN (SELECT file_id FROM file WHERE directory_id=") +
                      id(folderId) + QStringLiteral(")"),
                  conn, CursorType::Static, LockType::Pessimistic);
        deleteAll(tabs);
        tabs.Close();
        files.MoveFirst();
        deleteAll(files);
    }
    files.Close();

    Recordset folder;
    folder.Open(QStringLiteral("SELECT * FROM directories WHERE directory_id=") + id(folderId), conn,
                CursorType::Static, LockType::Pessimistic);
    deleteAll(folder);
    folder.Close();
    trans.commit();
    return true;
}

void LoadBookmarkList(ListViewTarget &list)
{
    Recordset rs;
    rs.Open(QStringLiteral("SELECT bookmarks.*,file.*,directories.*,categories.* ") +
                QStringLiteral("FROM bookmarks,file,directories,categories ") +
                QStringLiteral("WHERE file.file_id = bookmarks.file_id ") +
                QStringLiteral("AND directories.directory_id=bookmarks.directory_id ") +
                QStringLiteral("AND categories.category_id=bookmarks.category_id"),
            modADO::Conn(), CursorType::Unspecified, LockType::Unspecified);
    while (!rs.Eof()) {
        const QString key = rs.Fields(3).toString() + QStringLiteral("||") + rs.Fields(4).toString() +
                            QStringLiteral("||") + rs.Fields(5).toString();
        list.addListItem(key, rs.Fields(QStringLiteral("Bookmark")).toString(),
                         {rs.Fields(QStringLiteral("Description")).toString(),
                          rs.Fields(QStringLiteral("FileName")).toString(),
                          rs.Fields(QStringLiteral("directory")).toString(),
                          rs.Fields(QStringLiteral("Category")).toString()},
                         rs.Fields(QStringLiteral("bookmark_id")));
        rs.MoveNext();
    }
    rs.Close();
}

qint32 AppendRow(const QString &selectSql, RowFields fields, const QString &maxSql)
{
    Recordset rs;
    rs.Open(selectSql, modADO::Conn(), CursorType::Static, LockType::Optimistic);
    rs.AddNew();
    for (const auto &field : fields)
        rs.SetField(QString::fromLatin1(field.first), field.second);
    rs.Update();
    rs.Close();
    if (maxSql.isEmpty())
        return 0;
    rs.Open(maxSql, modADO::Conn(), CursorType::ForwardOnly, LockType::ReadOnly);
    const qint32 newId = Ids::ToId(rs.Fields(0));
    rs.Close();
    return newId;
}

qint32 InsertCategory(const QString &name)
{
    return AppendRow(QStringLiteral("SELECT category FROM categories"), {{"Category", name}},
                     QStringLiteral("SELECT MAX(category_id) FROM categories"));
}

qint32 InsertFolder(qint32 categoryId, const QString &name)
{
    return AppendRow(QStringLiteral("SELECT category_id,directory FROM directories"),
                     {{"category_id", categoryId}, {"directory", name}},
                     QStringLiteral("SELECT MAX(directory_id) FROM directories"));
}

void FillCategoryList(Prompts &prompts, ListTarget &list)
{
    try {
        Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM categories"), modADO::Conn(), CursorType::ForwardOnly,
                LockType::ReadOnly);
        list.clear();
        while (!rs.Eof()) {
            list.addItem(rs.Fields(QStringLiteral("Category")).toString(),
                         Ids::ToId(rs.Fields(QStringLiteral("category_id"))));
            rs.MoveNext();
        }
        rs.Close();
        if (list.count() > 0)
            list.choose(0);
    } catch (const DbError &e) {
        report(prompts, e);
    }
}

namespace {

void openFolders(Recordset &rs, qint32 categoryId)
{
    rs.Open(QStringLiteral("SELECT * ") + QStringLiteral("FROM directories ") +
                QStringLiteral("WHERE category_id=") + id(categoryId) + QStringLiteral(" ORDER BY directory"),
            modADO::Conn(), CursorType::ForwardOnly, LockType::ReadOnly);
}

}  // namespace

void FillFolders(Prompts &prompts, qint32 categoryId, TreeTarget &tree)
{
    try {
        Recordset rs;
        openFolders(rs, categoryId);
        tree.clear();
        tree.addNode(QString(), QString::fromLatin1(RootKey), modADO::StoreName(), ImageRoot, 0);
        tree.expand(QString::fromLatin1(RootKey));
        bool anyFolder = false;
        while (!rs.Eof()) {
            const qint32 folderId = Ids::ToId(rs.Fields(QStringLiteral("directory_id")));
            tree.addNode(QString::fromLatin1(RootKey), FolderKey(folderId),
                         rs.Fields(QStringLiteral("directory")).toString(), ImageFolder, ImageFolderOpen);
            anyFolder = true;
            rs.MoveNext();
        }
        if (anyFolder) {
            // All files of the category in one statement whose size does not grow with the
            // number of folders.
            rs.Close();
            rs.Open(QStringLiteral("SELECT * ") + QStringLiteral("FROM file ") +
                        QStringLiteral("WHERE directory_id IN (SELECT directory_id FROM directories WHERE category_id=") +
                        id(categoryId) + QStringLiteral(")"),
                    modADO::Conn(), CursorType::Unspecified, LockType::Unspecified);
            while (!rs.Eof()) {
                tree.addNode(FolderKey(Ids::ToId(rs.Fields(QStringLiteral("directory_id")))),
                             FileKey(Ids::ToId(rs.Fields(QStringLiteral("file_id")))),
                             rs.Fields(QStringLiteral("FileName")).toString(), ImageFile, 0);
                rs.MoveNext();
            }
        }
        rs.Close();
    } catch (const DbError &e) {
        report(prompts, e);
    }
}

void FillFolders(Prompts &prompts, qint32 categoryId, ListTarget &list)
{
    try {
        Recordset rs;
        openFolders(rs, categoryId);
        list.clear();
        while (!rs.Eof()) {
            list.addItem(rs.Fields(QStringLiteral("directory")).toString(),
                         Ids::ToId(rs.Fields(QStringLiteral("directory_id"))));
            rs.MoveNext();
        }
        rs.Close();
    } catch (const DbError &e) {
        report(prompts, e);
    }
}

}  // namespace modMain
