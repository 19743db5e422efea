#pragma once

#include <QSet>
#include <QString>

// Names of files and folders written from store titles: safe on every common file system
// and unique within their folder.
namespace SafeFileName {

// The title with / \ : * ? " < > | and control characters replaced by '_', outer blanks and
// trailing dots removed, reserved device names (CON, NUL, COM1, ...) given a trailing '_',
// shortened to fit a file name with room for an extension; "_" when nothing is left.
QString Make(const QString &title);

// base, or "base (2)", "base (3)", ... : the first whose name with the extension is not yet
// in taken (compared without case, as Windows and macOS do). The name is added to taken.
QString Unique(const QString &base, const QString &extension, QSet<QString> &taken);

}  // namespace SafeFileName
