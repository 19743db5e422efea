#pragma once

#include <QString>
#include <QStringList>

class QFontMetricsF;

namespace PrintedLines {

// The text's lines as a page shows them: any line end ends a line, tabs stop every 8
// columns as the editor shows them, and a line wider than width is cut into pieces that fit
// (at least one character each). The last line end starts no further line.
QStringList Wrap(const QString &text, const QFontMetricsF &metrics, qreal width);

}  // namespace PrintedLines
