#pragma once

#include "core/TextCodec.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class Recordset;

// Brings folders and files of tab files into one category of the open store. Each folder
// below a chosen folder becomes a store folder named by its path ("songs / czech"); files
// directly in it go to a folder named after it; folders of the same name are reused. Every
// file goes through the text codec, and a file in the Save As layout is split back into tab
// text and notes. The whole import is one transaction: cancelled or failed, it adds nothing.
class CollectionImport
{
public:
    // The extensions taken unless every file is asked for.
    static const QStringList &TabExtensions();

    struct Options
    {
        bool allFiles = false;                        // any file name, not only TabExtensions
        std::optional<TextCodec::Encoding> encoding;  // unset: detect each file's encoding
    };

    enum class Outcome { Imported, Skipped, Refused };

    struct Row
    {
        QString path;      // the file on disk
        Outcome outcome = Outcome::Refused;
        QString folder;    // the store folder, when imported or skipped
        QString title;     // the title given, when imported
        QString encoding;  // empty when the file could not be read
        QString note;      // "3 NUL bytes removed", "empty file", the reason for a refusal
    };

    struct Result
    {
        std::vector<Row> rows;
        int imported = 0;
        int skipped = 0;
        int refused = 0;
        bool committed = false;
        bool cancelled = false;
        QString error;  // a store error or a source that is not there; nothing was imported
    };

    // Called before each file with the count done, the total and the file; false cancels.
    using Progress = std::function<bool(int done, int total, const QString &path)>;

    explicit CollectionImport(qint32 categoryId);
    CollectionImport(qint32 categoryId, Options options);
    // Into the category of that name (compared without case), made by the import when missing.
    CollectionImport(const QString &categoryName, Options options);

    // Imports the sources (folders or files). Files given directly go to directFolderId when
    // it is not 0, otherwise to a folder named after the folder they are in.
    Result run(const QStringList &sources, qint32 directFolderId = 0, const Progress &progress = {});

    // "N imported, N skipped, N refused"
    static QString SummaryLine(const Result &result);
    // One line per file, then the summary line: the report the user can save.
    static QString ReportText(const Result &result);
    static QString OutcomeText(Outcome outcome);

private:
    struct Planned
    {
        QString path;
        QString folder;        // the store folder's name (empty with a direct folder id)
        qint32 folderId = 0;   // known folder, or 0
    };

    bool wanted(const QString &fileName) const;
    void collect(const QString &root, std::vector<Planned> &planned) const;
    qint32 folderFor(const Planned &file, Recordset &folders);
    Row importOne(const Planned &file, Recordset &files, Recordset &tabs, Recordset &folders);
    QString freeTitle(qint32 folderId, const QString &title, const QString &tab,
                      const QString &notes, bool &duplicate);
    void loadTitles(qint32 folderId);

    qint32 m_categoryId;
    QString m_categoryName;  // with m_categoryId 0: found or made when the import runs
    Options m_options;
    QHash<QString, qint32> m_folderIds;                         // case-folded name -> id
    QHash<qint32, QHash<QString, std::vector<qint32>>> m_titles;  // folder -> title -> files
};
