#include "store/modDataFolder.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace modDataFolder {

namespace {

const QString StoresFolder = QStringLiteral("db");
const QString SampleStore = QStringLiteral("db/Sample.mdb");

// Copies through a temporary file that replaces the target only when complete, so a full
// disk or a crash never leaves half a template behind; the copy keeps the installed
// modification time, which is what later starts compare against.
bool copyFile(const QString &from, const QString &to)
{
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    if (!QDir().mkpath(QFileInfo(to).path()))
        return false;
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 16);
        if (chunk.isEmpty() || out.write(chunk) != chunk.size()) {
            out.cancelWriting();
            return false;
        }
    }
    if (!out.commit())
        return false;
    QFile copy(to);
    if (copy.open(QIODevice::Append))
        copy.setFileTime(QFileInfo(from).lastModified(), QFileDevice::FileModificationTime);
    return true;
}

bool isDue(const QString &from, const QString &to)
{
    const QFileInfo target(to);
    return !target.exists() || QFileInfo(from).lastModified() > target.lastModified();
}

}  // namespace

QString InstalledDataPath(const QString &exeDir)
{
    const QString dir = QDir::cleanPath(exeDir + QStringLiteral(CHORDEX_INSTALLED_DATA)) + '/';
    return QFileInfo(dir + QStringLiteral("def")).isFile() ? dir : QString();
}

QStringList ProgramFiles(const QString &installedDir)
{
    QStringList files;
    const QDir root(installedDir);
    QDirIterator it(installedDir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString rel = root.relativeFilePath(it.next());
        if (!rel.startsWith(StoresFolder + '/'))
            files << rel;
    }
    files.sort();
    return files;
}

bool Seed(const QString &installedDir, const QString &userDir)
{
    // The stores' folder is made once; the sample goes into it only then, so a user who
    // deletes the sample store does not get it back.
    const bool firstStart = !QFileInfo(userDir + StoresFolder).isDir();
    if (!QDir().mkpath(userDir + StoresFolder))
        return false;
    bool ok = true;
    for (const QString &f : ProgramFiles(installedDir)) {
        if (isDue(installedDir + f, userDir + f))
            ok = copyFile(installedDir + f, userDir + f) && ok;
    }
    if (firstStart && QFileInfo::exists(installedDir + SampleStore) &&
        !QFileInfo::exists(userDir + SampleStore))
        ok = copyFile(installedDir + SampleStore, userDir + SampleStore) && ok;
    return ok;
}

}  // namespace modDataFolder
