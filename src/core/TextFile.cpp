#include "core/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace TextFile {

bool read(const QString &path, QByteArray &bytes, QString &error)
{
    const QFileInfo info(path);
    if (path.isEmpty()) {
        error = QStringLiteral("No file name.");
        return false;
    }
    if (info.isDir()) {
        error = QStringLiteral("The name is a folder.");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    if (file.size() > MaxSize) {
        error = QStringLiteral("The file is larger than %1 MB.").arg(MaxSize / (1024 * 1024));
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return false;
    }
    return true;
}

bool write(const QString &path, const QByteArray &bytes, QString &error)
{
    if (path.isEmpty()) {
        error = QStringLiteral("No file name.");
        return false;
    }
    if (QFileInfo(path).isDir()) {
        error = QStringLiteral("The name is a folder.");
        return false;
    }
    QSaveFile file(path);
    // A folder the user may write files in but not create new ones: write in place.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace TextFile
