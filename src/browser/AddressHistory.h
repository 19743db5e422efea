#pragma once

#include <QString>
#include <QStringList>

// The browser's address history file: one address a line, CR LF line ends, in the order the
// addresses were first recorded.
namespace AddressHistory {

// The addresses of the file: trimmed, blank lines skipped, each address once, in file order.
// A missing or unreadable file gives an empty list.
QStringList Load(const QString &path);

// The line a typed address is kept as: trimmed, a leading "http://" removed. Empty when the
// address must not be kept (blank, the start page's "Chordex", or holding control characters
// or line breaks, which would split or garble the file).
QString StoredForm(const QString &typed);

enum class Result { Recorded, Known, Skipped, Failed };

// Appends the stored form of the typed address unless the file already holds it. *stored
// receives the line that was (or would have been) written.
Result Record(const QString &path, const QString &typed, QString *stored = nullptr);

}  // namespace AddressHistory
