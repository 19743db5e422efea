#include "ui/PrintedLines.h"

#include <QFontMetricsF>

namespace PrintedLines {

namespace {

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

QStringList Wrap(const QString &text, const QFontMetricsF &metrics, qreal width)
{
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normal.replace(u'\r', u'\n');
    if (normal.endsWith(u'\n'))
        normal.chop(1);
    QStringList lines;
    for (const QString &raw : normal.split(u'\n')) {
        QString line = expandTabs(raw);
        while (line.size() > 1 && metrics.horizontalAdvance(line) > width) {
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

}  // namespace PrintedLines
