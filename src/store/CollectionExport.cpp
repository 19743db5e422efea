#include "store/CollectionExport.h"

#include "core/TextCodec.h"
#include "store/Ids.h"
#include "store/Recordset.h"
#include "store/SafeFileName.h"
#include "store/modADO.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace {
const QString Extension = QStringLiteral(".tab");
}

CollectionExport::CollectionExport(Scope scope, const QString &destination)
    : m_scope(scope), m_destination(QDir::cleanPath(destination) + u'/')
{
}

QString CollectionExport::fromWhere(bool withTabs) const
{
    QString sql = QStringLiteral(
        " FROM categories c JOIN directories d ON d.category_id=c.category_id"
        " JOIN file f ON f.directory_id=d.directory_id");
    if (withTabs)
        sql += QStringLiteral(" LEFT JOIN tablature t ON t.file_id=f.file_id");
    if (m_scope.folderId != 0)
        sql += QStringLiteral(" WHERE d.directory_id=") + Ids::Text(m_scope.folderId);
    else if (m_scope.categoryId != 0)
        sql += QStringLiteral(" WHERE c.category_id=") + Ids::Text(m_scope.categoryId);
    // The plan and the export read the rows in this same order.
    return sql + QStringLiteral(" ORDER BY c.category_id, d.directory_id, f.file_id");
}

const QStringList &CollectionExport::plannedFiles()
{
    if (m_planned)
        return m_files;
    Recordset rs;
    rs.Open(QStringLiteral("SELECT c.category_id, c.category, d.directory_id, d.directory, f.filename") +
                fromWhere(false),
            modADO::Conn());
    QSet<QString> categoryNames;
    QHash<QString, QSet<QString>> namesIn;  // folder path -> names taken in it
    qint32 lastCategory = 0;
    qint32 lastFolder = 0;
    QString categoryPath;
    QString folderPath;
    while (!rs.Eof()) {
        const qint32 categoryId = Ids::ToId(rs.Fields(0));
        const qint32 folderId = Ids::ToId(rs.Fields(2));
        if (categoryId != lastCategory) {
            lastCategory = categoryId;
            lastFolder = 0;
            categoryPath = SafeFileName::Unique(SafeFileName::Make(rs.Fields(1).toString()),
                                                QString(), categoryNames) + u'/';
        }
        if (folderId != lastFolder) {
            lastFolder = folderId;
            folderPath = categoryPath +
                         SafeFileName::Unique(SafeFileName::Make(rs.Fields(3).toString()), QString(),
                                              namesIn[categoryPath]) + u'/';
        }
        const QString title = SafeFileName::Unique(SafeFileName::Make(rs.Fields(4).toString()),
                                                   Extension, namesIn[folderPath]);
        m_files << folderPath + title + Extension;
        rs.MoveNext();
    }
    rs.Close();
    m_planned = true;
    return m_files;
}

QStringList CollectionExport::existingFiles()
{
    // A file can only be there when its folder is: one look per folder on a fresh export.
    QStringList existing;
    QString folder;
    bool folderExists = false;
    for (const QString &file : plannedFiles()) {
        const QString path = m_destination + file;
        const QString fileFolder = path.left(path.lastIndexOf(u'/'));
        if (fileFolder != folder) {
            folder = fileFolder;
            folderExists = QFileInfo(folder).isDir();
        }
        if (folderExists && QFileInfo::exists(path))
            existing << file;
    }
    return existing;
}

CollectionExport::Result CollectionExport::run(bool overwrite, const Progress &progress)
{
    Result result;
    const QStringList &files = plannedFiles();
    if (!overwrite && !existingFiles().isEmpty()) {
        result.error = QStringLiteral("Files already exist in ") + QDir::toNativeSeparators(m_destination);
        return result;
    }
    Recordset rs;
    rs.Open(QStringLiteral("SELECT t.tab, t.notes") + fromWhere(true),
            modADO::Conn());
    QString madeFolder;
    const int total = files.size();
    for (int i = 0; i < total && !rs.Eof(); ++i, rs.MoveNext()) {
        const QString path = m_destination + files.at(i);
        const QString folder = path.left(path.lastIndexOf(u'/'));
        if (folder != madeFolder) {
            if (!QDir().mkpath(folder)) {
                result.error = QStringLiteral("Could not create the folder ") + QDir::toNativeSeparators(folder);
                break;
            }
            madeFolder = folder;
        }
        const QString notes = rs.Fields(1).toString();
        const QByteArray bytes = notes.isEmpty() ? TextCodec::toCrLf(rs.Fields(0).toString()).toUtf8()
                                                 : TextCodec::exportBytes(rs.Fields(0).toString(), notes);
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size() ||
            !out.flush()) {
            result.error = QStringLiteral("Could not write ") + QDir::toNativeSeparators(path) +
                           QStringLiteral(": ") + out.errorString();
            break;
        }
        out.close();
        ++result.written;
        if (progress && !progress(result.written, total)) {
            result.cancelled = true;
            break;
        }
    }
    rs.Close();
    return result;
}
