#include "mainwindow/TabReport.h"

#include "ui/EditorFont.h"


#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <utility>

namespace {

// Tab stops every 8 columns, as the editor shows them.
QString expandTabs(const QString &line)
{
    if (!line.contains(u'\t'))
        return line;
    QString out;
    for (const QChar c : line) {
        if (c == u'\t')
            out += QString(8 - out.size() % 8, u' ');
        else
            out += c;
    }
    return out;
}

}  // namespace

TabReport::TabReport(QString title, QString text, QFont body)
    : m_title(std::move(title)), m_text(std::move(text)), m_body(std::move(body))
{
}

QFont TabReport::bodyFont()
{
    return EditorFont::FromOptions();
}

QFont TabReport::headerFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9.75);
    font.setBold(true);
    return font;
}

QStringList TabReport::wrappedLines(const QFontMetricsF &metrics, qreal width) const
{
    QString text = m_text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    if (text.endsWith(u'\n'))
        text.chop(1);  // the last line's line end starts no further line
    QStringList lines;
    for (const QString &raw : text.split(u'\n')) {
        QString line = expandTabs(raw);
        while (metrics.horizontalAdvance(line) > width && line.size() > 1) {
            // The longest start of the line that fits; at least one character.
            qsizetype fit = 1;
            while (fit < line.size() && metrics.horizontalAdvance(line.left(fit + 1)) <= width)
                ++fit;
            lines << line.left(fit);
            line = line.mid(fit);
        }
        lines << line;
    }
    return lines;
}

int TabReport::print(QPrinter &printer) const
{
    QPainter painter;
    if (!painter.begin(&printer))
        return 0;
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const qreal width = std::min(page.width(), TextWidthInches * printer.resolution());

    painter.setFont(headerFont());
    const QFontMetricsF headerMetrics = painter.fontMetrics();
    const qreal headerHeight = headerMetrics.height() * 1.8;
    const QString title = headerMetrics.elidedText(m_title, Qt::ElideRight, width);
    const auto header = [&] {
        painter.setFont(headerFont());
        painter.drawText(QRectF(0, 0, width, headerHeight), Qt::AlignLeft | Qt::AlignTop, title);
        painter.setFont(m_body);
    };

    painter.setFont(m_body);
    const QFontMetricsF body = painter.fontMetrics();
    const qreal lineHeight = body.lineSpacing();
    int pages = 1;
    header();
    qreal y = headerHeight;
    for (const QString &line : wrappedLines(body, width)) {
        if (y + lineHeight > page.height() && y > headerHeight) {
            printer.newPage();
            ++pages;
            header();
            y = headerHeight;
        }
        painter.drawText(QPointF(0, y + body.ascent()), line);
        y += lineHeight;
    }
    painter.end();
    return pages;
}
