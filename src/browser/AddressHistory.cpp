#include "browser/AddressHistory.h"

#include <QFile>

namespace AddressHistory {

namespace {

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    QStringList lines;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QString address = line.trimmed();  // also drops the CR of a CR LF line end
        if (!address.isEmpty())
            lines << address;
    }
    return lines;
}

bool hasControlCharacters(const QString &text)
{
    for (const QChar ch : text) {
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7f || ch.category() == QChar::Other_Control
            || ch == QChar::LineSeparator || ch == QChar::ParagraphSeparator)
            return true;
    }
    return false;
}

}  // namespace

QStringList Load(const QString &path)
{
    QStringList unique;
    for (const QString &address : readLines(path)) {
        if (!unique.contains(address))
            unique << address;
    }
    return unique;
}

QString StoredForm(const QString &typed)
{
    const QString trimmed = typed.trimmed();
    if (trimmed.isEmpty() || trimmed == QLatin1String("http:///")
        || trimmed == QLatin1String("Chordex") || hasControlCharacters(trimmed))
        return {};
    const QString scheme = QStringLiteral("http://");
    const QString stored = trimmed.startsWith(scheme) ? trimmed.mid(scheme.size()) : trimmed;
    return stored.trimmed();
}

Result Record(const QString &path, const QString &typed, QString *stored)
{
    const QString line = StoredForm(typed);
    if (stored)
        *stored = line;
    if (line.isEmpty())
        return Result::Skipped;
    if (readLines(path).contains(line))
        return Result::Known;

    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return Result::Failed;
    QByteArray bytes;
    // A file whose last line has no line end (edited by hand) gets one first, so the new
    // address is a line of its own.
    if (file.size() > 0) {
        file.seek(file.size() - 1);
        if (file.read(1) != "\n")
            bytes += "\r\n";
    }
    bytes += line.toUtf8() + "\r\n";
    file.seek(file.size());
    return file.write(bytes) == bytes.size() && file.flush() ? Result::Recorded : Result::Failed;
}

}  // namespace AddressHistory
