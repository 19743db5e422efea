#include "store/modChanges.h"

#include "store/Connection.h"
#include "store/Ids.h"
#include "store/Recordset.h"
#include "store/modADO.h"

#include <QString>
#include <QVariant>

#include <initializer_list>
#include <utility>

namespace {

void openForChange(Recordset &rs, const QString &sql)
{
    rs.Open(sql, modADO::Conn(), CursorType::Static, LockType::Pessimistic);
}

void deleteEvery(const QString &sql)
{
    Recordset rs;
    openForChange(rs, sql);
    while (!rs.Eof()) {
        rs.Delete();
        rs.MoveNext();
    }
    rs.UpdateBatch();
    rs.Close();
}

// Sets the fields on every row of the set.
void setEvery(const QString &sql, std::initializer_list<std::pair<const char *, qint32>> fields)
{
    Recordset rs;
    openForChange(rs, sql);
    while (!rs.Eof()) {
        for (const auto &field : fields)
            rs.SetField(QString::fromLatin1(field.first), field.second);
        rs.Update();
        rs.MoveNext();
    }
    rs.UpdateBatch();
    rs.Close();
}

}  // namespace

namespace modChanges {

void DeleteFolder(qint32 folderId)
{
    const QString files = QStringLiteral("(SELECT file_id FROM file WHERE directory_id=") + Ids::Text(folderId) + ')';
    Transaction trans(modADO::Conn());
    deleteEvery(QStringLiteral("SELECT * FROM tablature WHERE file_id IN ") + files);
    deleteEvery(QStringLiteral("SELECT * FROM bookmarks WHERE file_id IN ") + files);
    deleteEvery(QStringLiteral("SELECT * FROM file WHERE directory_id=") + Ids::Text(folderId));
    deleteEvery(QStringLiteral("SELECT * FROM directories WHERE directory_id=") + Ids::Text(folderId));
    trans.commit();
}

void RenameFolder(qint32 folderId, const QString &newName)
{
    Transaction trans(modADO::Conn());
    Recordset rs;
    openForChange(rs, QStringLiteral("SELECT * FROM directories WHERE directory_id=") + Ids::Text(folderId));
    if (!rs.Eof()) {
        rs.SetField(QStringLiteral("directory"), newName);
        rs.Update();
    }
    rs.Close();
    trans.commit();
}

void MoveFile(qint32 fileId, qint32 newFolderId, qint32 newCategoryId)
{
    Transaction trans(modADO::Conn());
    setEvery(QStringLiteral("SELECT * FROM file WHERE file_id=") + Ids::Text(fileId), {{"directory_id", newFolderId}});
    const QString bookmarks = QStringLiteral("SELECT * FROM bookmarks WHERE file_id=") + Ids::Text(fileId);
    if (newCategoryId > 0)
        setEvery(bookmarks, {{"directory_id", newFolderId}, {"category_id", newCategoryId}});
    else
        setEvery(bookmarks, {{"directory_id", newFolderId}});
    trans.commit();
}

void MoveFolder(qint32 folderId, qint32 newCategoryId)
{
    Transaction trans(modADO::Conn());
    setEvery(QStringLiteral("SELECT * FROM directories WHERE directory_id=") + Ids::Text(folderId),
             {{"category_id", newCategoryId}});
    setEvery(QStringLiteral("SELECT * FROM bookmarks WHERE directory_id=") + Ids::Text(folderId),
             {{"category_id", newCategoryId}});
    trans.commit();
}

}  // namespace modChanges
