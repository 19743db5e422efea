#pragma once

#include <QByteArray>
#include <QString>

// Reading and writing whole files, with the reason for a failure in words the user can act
// on. Writes go through a temporary file where the folder allows it, so a failed write
// leaves the old file whole.
namespace TextFile {

// Files larger than this are not tab files; reading one would only freeze the program.
constexpr qint64 MaxSize = 64 * 1024 * 1024;

// Reads the whole file into bytes. On failure returns false and error holds the reason.
bool read(const QString &path, QByteArray &bytes, QString &error);
// Replaces the file's content with bytes. On failure returns false, error holds the reason
// and the file is as it was.
bool write(const QString &path, const QByteArray &bytes, QString &error);

}  // namespace TextFile
