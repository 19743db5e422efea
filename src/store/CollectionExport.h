#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// Writes stored files to a folder tree DEST/CATEGORY/FOLDER/TITLE.tab, in UTF-8 with CR LF;
// a file with notes in the Save As layout. Names are made safe and unique per folder. Rows
// are read one at a time, so the export holds one text at a time whatever the store's size.
class CollectionExport
{
public:
    // What to export: a folder (folderId), a category (categoryId), or, with both 0, all.
    struct Scope
    {
        qint32 categoryId = 0;
        qint32 folderId = 0;
    };

    struct Result
    {
        int written = 0;
        bool cancelled = false;
        QString error;  // the first file that could not be written, with the reason
    };

    // Called after each file with the count so far and the total; false cancels.
    using Progress = std::function<bool(int done, int total)>;

    CollectionExport(Scope scope, const QString &destination);

    // The relative paths of the files the export writes, in order. Reads the store once.
    const QStringList &plannedFiles();
    // The planned files that already exist below the destination.
    QStringList existingFiles();
    // Writes every planned file. Existing files are replaced only with overwrite; without it
    // nothing at all is written while one exists. Store errors throw DbError.
    Result run(bool overwrite, const Progress &progress = {});

private:
    QString fromWhere(bool withTabs) const;

    Scope m_scope;
    QString m_destination;
    bool m_planned = false;
    QStringList m_files;
};
