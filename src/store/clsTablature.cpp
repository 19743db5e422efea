#include "store/clsTablature.h"

#include "store/Connection.h"
#include "store/DbError.h"
#include "store/Ids.h"
#include "store/Recordset.h"
#include "store/modADO.h"
#include "store/modMain.h"

namespace {

QString id(qint32 v)
{
    return Ids::Text(v);
}

void openForChange(Recordset &rs, const QString &sql)
{
    rs.Open(sql, modADO::Conn(), CursorType::Static, LockType::Pessimistic);
}

void openForRead(Recordset &rs, const QString &sql)
{
    rs.Open(sql, modADO::Conn(), CursorType::ForwardOnly, LockType::ReadOnly);
}

// Deletes the first row of the set, if any.
void deleteFirst(Recordset &rs)
{
    if (!rs.Eof()) {
        rs.Delete();
        rs.Update();
    }
    rs.Close();
}

}  // namespace

clsTablature::clsTablature(QObject *parent) : QObject(parent) {}

QString clsTablature::CategoryId() const { return id(m_categoryId); }
void clsTablature::setCategoryId(const QString &value) { m_categoryId = Ids::ToId(value); }
QString clsTablature::FolderId() const { return id(m_folderId); }
void clsTablature::setFolderId(const QString &value) { m_folderId = Ids::ToId(value); }
QString clsTablature::FileId() const { return id(m_fileId); }
void clsTablature::setFileId(const QString &value) { m_fileId = Ids::ToId(value); }

QString clsTablature::Key() const
{
    return id(m_categoryId) + QStringLiteral("||") + id(m_folderId) + QStringLiteral("||") + id(m_fileId);
}

QString clsTablature::BookmarkExists() const
{
    Recordset rs;
    openForRead(rs, QStringLiteral("SELECT bookmark_id ") + QStringLiteral("FROM bookmarks ") +
                        QStringLiteral("WHERE category_id =") + id(m_categoryId) + ' ' +
                        QStringLiteral("AND directory_id =") + id(m_folderId) + ' ' +
                        QStringLiteral("AND file_id =") + id(m_fileId) + ' ');
    const bool found = !rs.Eof();
    rs.Close();
    return found ? Key() : QString();
}

void clsTablature::SelectTabFile(qint32 categoryId, qint32 folderId, qint32 fileId)
{
    Recordset rs;
    openForRead(rs, QStringLiteral("SELECT tablature.tab,tablature.notes,file.filename,directories.directory,"
                                   "categories.category ") +
                        QStringLiteral("FROM tablature INNER JOIN ") + QStringLiteral("(file INNER JOIN ") +
                        QStringLiteral("(directories INNER JOIN categories ") +
                        QStringLiteral("ON categories.category_id=directories.category_id) ") +
                        QStringLiteral("ON file.directory_id=directories.directory_id) ") +
                        QStringLiteral("ON file.file_id = tablature.file_id ") +
                        QStringLiteral("WHERE tablature.file_id =") + id(fileId));
    if (rs.Eof()) {
        // A file row without its tab row (or its folder or category) has no text to show or
        // to save into: say so rather than show an empty page that cannot be saved.
        rs.Close();
        throw DbError(DbError::RowMissing, QStringLiteral("The text of this file is missing from the store."));
    }
    m_categoryId = categoryId;
    m_folderId = folderId;
    m_fileId = fileId;
    m_tablature = rs.Fields(QStringLiteral("Tab")).toString();
    m_title = rs.Fields(QStringLiteral("FileName")).toString();
    m_notes = rs.Fields(QStringLiteral("Notes")).toString();
    m_folderName = rs.Fields(QStringLiteral("directory")).toString();
    m_categoryName = rs.Fields(QStringLiteral("Category")).toString();
    rs.Close();
    emit OnTabSelect();
}

void clsTablature::UpdateFile(const QString &tab, const QString &notes)
{
    Recordset rs;
    openForChange(rs, QStringLiteral("SELECT * FROM tablature WHERE file_id=") + id(m_fileId));
    if (rs.Eof())
        throw DbError(DbError::RowMissing, QStringLiteral("The file is no longer in the store; nothing was saved."));
    rs.SetField(QStringLiteral("Tab"), tab);
    rs.SetField(QStringLiteral("Notes"), notes);
    rs.Update();
    rs.Close();
    m_tablature = tab;
    m_notes = notes;
}

void clsTablature::RenameFile(const QString &newTitle)
{
    Recordset rs;
    openForChange(rs, QStringLiteral("SELECT * FROM file WHERE file_id=") + id(m_fileId));
    if (rs.Eof())
        throw DbError(DbError::RowMissing, QStringLiteral("The file is no longer in the store; it was not renamed."));
    rs.SetField(QStringLiteral("FileName"), newTitle);
    rs.Update();
    rs.Close();
    m_title = newTitle;
    emit OnBookmarkFileRename(Key(), newTitle);
}

void clsTablature::DeleteFile(qint32 fileId)
{
    // The file, its tab row and its bookmark go together or not at all.
    Transaction trans(modADO::Conn());
    Recordset rs;
    openForChange(rs, QStringLiteral("SELECT * FROM file WHERE file_id=") + id(fileId));
    deleteFirst(rs);
    openForChange(rs, QStringLiteral("SELECT * FROM tablature WHERE file_id=") + id(fileId));
    deleteFirst(rs);
    openForChange(rs, QStringLiteral("SELECT * FROM bookmarks WHERE file_id=") + id(fileId));
    deleteFirst(rs);
    trans.commit();
    emit OnFileDelete(Key());
}

void clsTablature::InsertBookmark(const QString &title, const QString &description)
{
    const qint32 bookmarkId = modMain::AppendRow(
        QStringLiteral("SELECT * FROM bookmarks"),
        {{"Bookmark", title}, {"Description", description}, {"category_id", m_categoryId},
         {"directory_id", m_folderId}, {"file_id", m_fileId}},
        QStringLiteral("SELECT MAX(bookmark_id) FROM bookmarks"));
    emit OnBookmarkInsert(bookmarkId, Key(), m_categoryName, m_folderName, m_title, title, description);
}

bool clsTablature::SelectBookmark(qint32 bookmarkId)
{
    Recordset rs;
    openForRead(rs, QStringLiteral("SELECT bookmark_id,bookmark,description ") +
                        QStringLiteral("FROM bookmarks ") + QStringLiteral("WHERE bookmark_id =") +
                        id(bookmarkId));
    const bool found = !rs.Eof();
    if (found) {
        m_bookmarkTitle = rs.Fields(QStringLiteral("Bookmark")).toString();
        m_bookmarkDescription = rs.Fields(QStringLiteral("Description")).toString();
    }
    rs.Close();
    return found;
}

QString clsTablature::bookmarkKey(qint32 bookmarkId) const
{
    Recordset rs;
    openForRead(rs, QStringLiteral("SELECT category_id,directory_id,file_id FROM bookmarks WHERE bookmark_id=") +
                        id(bookmarkId));
    QString key = Key();
    if (!rs.Eof())
        key = id(Ids::ToId(rs.Fields(0))) + QStringLiteral("||") + id(Ids::ToId(rs.Fields(1))) +
              QStringLiteral("||") + id(Ids::ToId(rs.Fields(2)));
    rs.Close();
    return key;
}

bool clsTablature::BookmarkFile(qint32 bookmarkId, QString &key, QString &fileTitle) const
{
    Recordset rs;
    openForRead(rs, QStringLiteral("SELECT bookmarks.category_id,bookmarks.directory_id,file.file_id,file.filename ") +
                        QStringLiteral("FROM bookmarks INNER JOIN file ON file.file_id=bookmarks.file_id ") +
                        QStringLiteral("WHERE bookmarks.bookmark_id=") + id(bookmarkId));
    const bool found = !rs.Eof();
    if (found) {
        key = id(Ids::ToId(rs.Fields(0))) + QStringLiteral("||") + id(Ids::ToId(rs.Fields(1))) +
              QStringLiteral("||") + id(Ids::ToId(rs.Fields(2)));
        fileTitle = rs.Fields(3).toString();
    }
    rs.Close();
    return found;
}

void clsTablature::UpdateBookmark(qint32 bookmarkId, const QString &title, const QString &description)
{
    const QString key = bookmarkKey(bookmarkId);
    Recordset rs;
    openForChange(rs, QStringLiteral("SELECT * FROM bookmarks WHERE bookmark_id=") + id(bookmarkId));
    // The list must not show a title the store does not hold.
    if (rs.Eof())
        throw DbError(DbError::RowMissing, QStringLiteral("The bookmark is no longer in the store; nothing was saved."));
    rs.SetField(QStringLiteral("Bookmark"), title);
    rs.SetField(QStringLiteral("Description"), description);
    rs.Update();
    rs.Close();
    emit OnBookmarkUpdate(key, title, description);
}

void clsTablature::DeleteBookmark(qint32 bookmarkId)
{
    const QString key = bookmarkKey(bookmarkId);
    Recordset rs;
    openForChange(rs, QStringLiteral("SELECT * FROM bookmarks WHERE bookmark_id=") + id(bookmarkId));
    deleteFirst(rs);
    emit OnBookmarkDelete(key);
}
