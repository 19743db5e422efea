#pragma once

#include "store/CollectionExport.h"

#include <QFont>
#include <QString>

// A songbook PDF of a folder or a category: a contents page, then each file from a new page,
// its title as the header of every one of its pages, its text in the editor font. Long lines
// wrap rather than run off the page. Rows are read one at a time.
class Songbook
{
public:
    Songbook(CollectionExport::Scope scope, const QFont &bodyFont);


    // Writes the PDF. False with a reason when there is nothing to print or the file cannot
    // be written. Store errors throw DbError.
    bool write(const QString &pdfPath, QString &error);

    int pageCount() const { return m_pages; }  // after write: contents and files

private:
    QString sql() const;

    CollectionExport::Scope m_scope;
    QFont m_body;
    int m_pages = 0;
};
