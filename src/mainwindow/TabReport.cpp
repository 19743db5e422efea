#include "mainwindow/TabReport.h"

#include "ui/EditorFont.h"
#include "ui/PrintedLines.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <utility>

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
    for (const QString &line : PrintedLines::Wrap(m_text, body, width)) {
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
