#include "ui/Songbook.h"

#include "store/Ids.h"
#include "store/Recordset.h"
#include "store/modADO.h"
#include "ui/PrintedLines.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <vector>

namespace {

struct Entry
{
    QString title;
    QString folder;
    int firstPage = 0;  // 1-based page of the PDF
    int pages = 0;
};

QString pageText(const QVariant &tab, const QVariant &notes)
{
    QString text = tab.toString();
    const QString n = notes.toString();
    if (!n.trimmed().isEmpty())
        text += QStringLiteral("\n\nNotes\n") + n;
    return text;
}

}  // namespace

Songbook::Songbook(CollectionExport::Scope scope, const QFont &bodyFont)
    : m_scope(scope), m_body(bodyFont)
{
}

QString Songbook::sql() const
{
    QString s = QStringLiteral("SELECT f.filename, d.directory, t.tab, t.notes"
                               " FROM directories d JOIN file f ON f.directory_id=d.directory_id"
                               " LEFT JOIN tablature t ON t.file_id=f.file_id");
    if (m_scope.folderId != 0)
        s += QStringLiteral(" WHERE d.directory_id=") + Ids::Text(m_scope.folderId);
    else
        s += QStringLiteral(" WHERE d.category_id=") + Ids::Text(m_scope.categoryId);
    return s + QStringLiteral(" ORDER BY d.directory, d.directory_id, f.filename, f.file_id");
}

bool Songbook::write(const QString &pdfPath, QString &error)
{
    m_pages = 0;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    printer.setDocName(QFileInfo(pdfPath).completeBaseName());

    QPainter painter;
    if (!painter.begin(&printer)) {
        error = QStringLiteral("Could not write ") + pdfPath;
        return false;
    }
    const QRectF page = painter.viewport();
    QFont header(m_body);
    header.setFamily(QStringLiteral("Sans Serif"));
    header.setStyleHint(QFont::SansSerif);
    header.setBold(true);
    header.setPointSizeF(11);
    QFont contents(header);
    contents.setBold(false);
    const QFontMetricsF bodyMetrics(m_body, &printer);
    const QFontMetricsF headerMetrics(header, &printer);
    const QFontMetricsF contentsMetrics(contents, &printer);
    const qreal bodyTop = headerMetrics.height() * 2;
    const int linesPerPage = std::max(1, int((page.height() - bodyTop) / bodyMetrics.lineSpacing()));
    const int entriesPerPage = std::max(1, int((page.height() - bodyTop) / contentsMetrics.lineSpacing()));

    // First pass: how many pages each file takes, so the contents can give page numbers.
    std::vector<Entry> entries;
    Recordset rs;
    rs.Open(sql(), modADO::Conn());
    while (!rs.Eof()) {
        Entry e;
        e.title = rs.Fields(0).toString();
        e.folder = rs.Fields(1).toString();
        const int lines = PrintedLines::Wrap(pageText(rs.Fields(2), rs.Fields(3)), bodyMetrics, page.width()).size();
        e.pages = std::max(1, (lines + linesPerPage - 1) / linesPerPage);
        entries.push_back(e);
        rs.MoveNext();
    }
    rs.Close();
    if (entries.empty()) {
        painter.end();
        QFile::remove(pdfPath);
        error = QStringLiteral("There are no files to print.");
        return false;
    }
    const int contentsPages = int((entries.size() + entriesPerPage - 1) / entriesPerPage);
    int next = contentsPages + 1;
    for (Entry &e : entries) {
        e.firstPage = next;
        next += e.pages;
    }

    auto drawHeader = [&](const QString &text) {
        painter.setFont(header);
        painter.drawText(QRectF(page.left(), 0, page.width(), headerMetrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
        const qreal y = headerMetrics.height() * 1.4;
        painter.drawLine(QPointF(0, y), QPointF(page.width(), y));
    };
    auto newPage = [&] {
        if (m_pages > 0)
            printer.newPage();
        ++m_pages;
    };

    // The contents: folder and title on the left, the page on the right.
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i % entriesPerPage == 0) {
            newPage();
            drawHeader(QStringLiteral("Contents"));
            painter.setFont(contents);
        }
        const qreal y = bodyTop + qreal(i % entriesPerPage) * contentsMetrics.lineSpacing();
        const QRectF line(0, y, page.width(), contentsMetrics.lineSpacing());
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
                         contentsMetrics.elidedText(entries[i].folder + QStringLiteral(" > ") + entries[i].title,
                                                    Qt::ElideRight, page.width() * 0.85));
        painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter, QString::number(entries[i].firstPage));
    }

    // Second pass: each file from a new page, its title on every page.
    rs.Open(sql(), modADO::Conn());
    for (std::size_t i = 0; i < entries.size() && !rs.Eof(); ++i, rs.MoveNext()) {
        const QStringList lines = PrintedLines::Wrap(pageText(rs.Fields(2), rs.Fields(3)), bodyMetrics, page.width());
        for (int at = 0; at < std::max<int>(1, lines.size()); at += linesPerPage) {
            newPage();
            drawHeader(entries[i].title);
            painter.setFont(m_body);
            for (int k = 0; k < linesPerPage && at + k < lines.size(); ++k) {
                const qreal y = bodyTop + k * bodyMetrics.lineSpacing() + bodyMetrics.ascent();
                painter.drawText(QPointF(0, y), lines[at + k]);
            }
        }
    }
    rs.Close();
    if (!painter.end()) {
        error = QStringLiteral("Could not write ") + pdfPath;
        return false;
    }
    return true;
}
