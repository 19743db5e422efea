#include "store/CollectionImport.h"

#include "core/TabFileLayout.h"
#include "store/CatalogueNames.h"
#include "core/TextFile.h"
#include "store/Connection.h"
#include "store/DbError.h"
#include "store/Ids.h"
#include "store/Recordset.h"
#include "store/modADO.h"
#include "store/modMain.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

namespace {

QString plural(int n, const QString &one, const QString &many)
{
    return QString::number(n) + u' ' + (n == 1 ? one : many);
}

}  // namespace

const QStringList &CollectionImport::TabExtensions()
{
    static const QStringList extensions{QStringLiteral("tab"),    QStringLiteral("crd"),
                                        QStringLiteral("txt"),    QStringLiteral("cho"),
                                        QStringLiteral("chopro"), QStringLiteral("chordpro"),
                                        QStringLiteral("pro")};
    return extensions;
}

CollectionImport::CollectionImport(qint32 categoryId) : CollectionImport(categoryId, Options())
{
}

CollectionImport::CollectionImport(qint32 categoryId, Options options)
    : m_categoryId(categoryId), m_options(options)
{
}

CollectionImport::CollectionImport(const QString &categoryName, Options options)
    : m_categoryId(0), m_categoryName(categoryName.trimmed()), m_options(options)
{
}

bool CollectionImport::wanted(const QString &fileName) const
{
    if (fileName.startsWith(u'.'))
        return false;
    return m_options.allFiles || TabExtensions().contains(QFileInfo(fileName).suffix().toLower());
}

void CollectionImport::collect(const QString &root, std::vector<Planned> &planned) const
{
    const QDir rootDir(root);
    const QString rootName = rootDir.dirName();
    // Links are not followed, so a link back up the tree cannot loop; hidden entries are left out.
    QDirIterator it(root, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    std::vector<Planned> found;
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        if (info.isSymLink() || !wanted(info.fileName()))
            continue;
        const QString below = rootDir.relativeFilePath(info.absolutePath());
        const QStringList parts = below.split(u'/');
        if (std::any_of(parts.begin(), parts.end(),
                        [](const QString &p) { return p.startsWith(u'.') && p != QStringLiteral("."); }))
            continue;  // inside a hidden folder
        Planned file;
        file.path = path;
        file.folder = below == QStringLiteral(".") ? rootName
                                                   : below.split(u'/').join(QStringLiteral(" / "));
        found.push_back(file);
    }
    std::sort(found.begin(), found.end(),
              [](const Planned &a, const Planned &b) { return a.path < b.path; });
    planned.insert(planned.end(), found.begin(), found.end());
}

qint32 CollectionImport::folderFor(const Planned &file, Recordset &folders)
{
    if (file.folderId != 0)
        return file.folderId;
    const QString key = file.folder.toCaseFolded();
    const auto known = m_folderIds.constFind(key);
    if (known != m_folderIds.constEnd())
        return *known;
    folders.AddNew();
    folders.SetField(QStringLiteral("category_id"), m_categoryId);
    folders.SetField(QStringLiteral("directory"), file.folder);
    folders.Update();
    const qint32 id = Ids::ToId(folders.Fields(QStringLiteral("directory_id")));
    m_folderIds.insert(key, id);
    m_titles.insert(id, {});  // a new folder holds no titles yet
    return id;
}

void CollectionImport::loadTitles(qint32 folderId)
{
    if (m_titles.contains(folderId))
        return;
    QHash<QString, std::vector<qint32>> &titles = m_titles[folderId];
    Recordset rs;
    rs.Open(QStringLiteral("SELECT file_id, filename FROM file WHERE directory_id=") + Ids::Text(folderId),
            modADO::Conn());
    while (!rs.Eof()) {
        titles[rs.Fields(1).toString().toCaseFolded()].push_back(Ids::ToId(rs.Fields(0)));
        rs.MoveNext();
    }
    rs.Close();
}

QString CollectionImport::freeTitle(qint32 folderId, const QString &title, const QString &tab,
                                    const QString &notes, bool &duplicate)
{
    loadTitles(folderId);
    const QHash<QString, std::vector<qint32>> &titles = m_titles[folderId];
    auto sameText = [&](const std::vector<qint32> &ids) {
        for (qint32 id : ids) {
            Recordset rs;
            rs.Open(QStringLiteral("SELECT tab, notes FROM tablature WHERE file_id=") + Ids::Text(id),
                    modADO::Conn());
            const bool same = !rs.Eof() && rs.Fields(0).toString() == tab &&
                              rs.Fields(1).toString() == notes;
            rs.Close();
            if (same)
                return true;
        }
        return false;
    };
    // The title and its numbered variants from earlier imports are all compared.
    QString candidate = title;
    for (int n = 2;; ++n) {
        const auto it = titles.constFind(candidate.toCaseFolded());
        if (it == titles.constEnd())
            break;
        if (sameText(*it)) {
            duplicate = true;
            return candidate;
        }
        candidate = title + QStringLiteral(" (") + QString::number(n) + u')';
    }
    duplicate = false;
    return candidate;
}

CollectionImport::Row CollectionImport::importOne(const Planned &file, Recordset &files,
                                                  Recordset &tabs, Recordset &folders)
{
    Row row;
    row.path = file.path;
    QByteArray bytes;
    QString readError;
    if (!TextFile::read(file.path, bytes, readError)) {
        row.note = readError;
        return row;
    }
    const TextCodec::Decoded decoded = m_options.encoding ? TextCodec::decode(bytes, *m_options.encoding)
                                                          : TextCodec::decode(bytes);
    if (decoded.binary) {
        row.note = QStringLiteral("not a text file");
        return row;
    }
    row.encoding = TextCodec::name(decoded.format.encoding);
    QString text = decoded.text;
    // The codec ends every line; a file that had no final line end gets its text back as it was.
    if (!decoded.format.finalLineEnd && text.endsWith(QStringLiteral("\r\n")))
        text.chop(2);
    const TabFileLayout::Parts parts = TabFileLayout::Split(text);

    QStringList notes;
    if (bytes.isEmpty())
        notes << QStringLiteral("empty file");
    if (decoded.droppedNuls > 0)
        notes << plural(decoded.droppedNuls, QStringLiteral("NUL byte removed"), QStringLiteral("NUL bytes removed"));
    if (decoded.invalid > 0)
        notes << plural(decoded.invalid, QStringLiteral("unreadable byte replaced"), QStringLiteral("unreadable bytes replaced"));

    const qint32 folderId = folderFor(file, folders);
    row.folder = file.folder;
    bool duplicate = false;
    const QString title = freeTitle(folderId, QFileInfo(file.path).completeBaseName(), parts.tab,
                                    parts.notes, duplicate);
    row.title = title;
    if (duplicate) {
        row.outcome = Outcome::Skipped;
        notes.prepend(QStringLiteral("already in the folder"));
        row.note = notes.join(QStringLiteral("; "));
        return row;
    }
    files.AddNew();
    files.SetField(QStringLiteral("directory_id"), folderId);
    files.SetField(QStringLiteral("filename"), title);
    files.Update();
    const qint32 fileId = Ids::ToId(files.Fields(QStringLiteral("file_id")));
    tabs.AddNew();
    tabs.SetField(QStringLiteral("file_id"), fileId);
    tabs.SetField(QStringLiteral("tab"), parts.tab);
    tabs.SetField(QStringLiteral("notes"), parts.notes);
    tabs.Update();
    m_titles[folderId][title.toCaseFolded()].push_back(fileId);
    row.outcome = Outcome::Imported;
    row.note = notes.join(QStringLiteral("; "));
    return row;
}

CollectionImport::Result CollectionImport::run(const QStringList &sources, qint32 directFolderId,
                                               const Progress &progress)
{
    Result result;
    std::vector<Planned> planned;
    for (const QString &source : sources) {
        const QFileInfo info(source);
        if (info.isDir()) {
            collect(info.absoluteFilePath(), planned);
        } else if (info.isFile()) {
            Planned file;
            file.path = info.absoluteFilePath();
            file.folderId = directFolderId;
            file.folder = directFolderId != 0 ? QString() : info.absoluteDir().dirName();
            planned.push_back(file);
        } else {
            result.error = QStringLiteral("Not found: ") + QDir::toNativeSeparators(source);
            return result;
        }
    }

    try {
        Connection &conn = modADO::Conn();
        Transaction transaction(conn);
        if (m_categoryId == 0) {
            m_categoryId = CatalogueNames::FindCategory(m_categoryName);
            if (m_categoryId == 0)
                m_categoryId = modMain::InsertCategory(m_categoryName);
        }
        m_folderIds.clear();
        m_titles.clear();
        Recordset existing;
        existing.Open(QStringLiteral("SELECT directory_id, directory FROM directories WHERE category_id=") +
                          Ids::Text(m_categoryId),
                      conn);
        while (!existing.Eof()) {
            m_folderIds.insert(existing.Fields(1).toString().toCaseFolded(), Ids::ToId(existing.Fields(0)));
            existing.MoveNext();
        }
        existing.Close();

        Recordset folders;
        folders.Open(QStringLiteral("SELECT * FROM directories"), conn, CursorType::Static, LockType::Optimistic);
        Recordset files;
        files.Open(QStringLiteral("SELECT * FROM file"), conn, CursorType::Static, LockType::Optimistic);
        Recordset tabs;
        tabs.Open(QStringLiteral("SELECT * FROM tablature"), conn, CursorType::Static, LockType::Optimistic);
        const int total = static_cast<int>(planned.size());
        for (int i = 0; i < total; ++i) {
            if (progress && !progress(i, total, planned[i].path)) {
                result.cancelled = true;
                break;
            }
            result.rows.push_back(importOne(planned[i], files, tabs, folders));
        }
        folders.Close();
        files.Close();
        tabs.Close();
        if (!result.cancelled) {
            transaction.commit();
            result.committed = true;
        }
    } catch (const DbError &e) {
        result.error = QString::number(e.number()) + QStringLiteral(" - ") + e.description();
    }
    if (!result.committed) {
        // Nothing was kept: what was read is still reported, but as not imported.
        for (Row &row : result.rows) {
            if (row.outcome == Outcome::Imported)
                row.outcome = Outcome::Skipped;
        }
    }
    for (const Row &row : result.rows) {
        result.imported += row.outcome == Outcome::Imported;
        result.skipped += row.outcome == Outcome::Skipped;
        result.refused += row.outcome == Outcome::Refused;
    }
    return result;
}

QString CollectionImport::OutcomeText(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Imported: return QStringLiteral("imported");
    case Outcome::Skipped: return QStringLiteral("skipped");
    case Outcome::Refused: break;
    }
    return QStringLiteral("refused");
}

QString CollectionImport::SummaryLine(const Result &result)
{
    return QStringLiteral("%1 imported, %2 skipped, %3 refused")
        .arg(result.imported)
        .arg(result.skipped)
        .arg(result.refused);
}

QString CollectionImport::ReportText(const Result &result)
{
    QString text;
    for (const Row &row : result.rows) {
        QStringList fields{OutcomeText(row.outcome), QDir::toNativeSeparators(row.path)};
        if (!row.title.isEmpty())
            fields << row.folder + QStringLiteral(" > ") + row.title;
        if (!row.encoding.isEmpty())
            fields << row.encoding;
        if (!row.note.isEmpty())
            fields << row.note;
        text += fields.join(QStringLiteral("  |  ")) + u'\n';
    }
    if (!result.error.isEmpty())
        text += QStringLiteral("Nothing was imported: ") + result.error + u'\n';
    else if (result.cancelled)
        text += QStringLiteral("Cancelled: nothing was imported.\n");
    return text + SummaryLine(result) + u'\n';
}
