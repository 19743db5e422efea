#include "store/StoreFiles.h"

#include "store/modADO.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace StoreFiles {

namespace {

constexpr int MaxNameLength = 100;
const QString Extension = QStringLiteral(".mdb");
const QString JournalSuffix = QStringLiteral("-journal");

// A target path is only written when its folder is the db folder itself.
bool InFolder(const QString &path)
{
    const QString folder = QDir(Folder()).canonicalPath();
    return !folder.isEmpty() && QFileInfo(path).absoluteDir().canonicalPath() == folder;
}

// True when the target may be written.
bool prepareTarget(const QString &to, Failure &failure)
{
    if (!InFolder(to)) {
        failure = {long(QFileDevice::OpenError), QStringLiteral("The Chordex would not lie in the db folder.")};
        return false;
    }
    if (QFileInfo::exists(to)) {
        failure = {long(QFileDevice::CopyError), QStringLiteral("There is already a file with that name.")};
        return false;
    }
    // A journal left by a store of that name that is gone would be played into the new file.
    QFile::remove(to + JournalSuffix);
    return true;
}

}  // namespace

QString Folder()
{
    return modADO::ProgramPath() + QStringLiteral("db/");
}

QString TemplatePath()
{
    return modADO::ProgramPath() + QStringLiteral("def");
}

QString PathFor(const QString &name)
{
    return Folder() + name + Extension;
}

QList<Entry> List()
{
    QList<Entry> stores;
    const QDir dir(Folder());
    const QStringList files = dir.entryList({QStringLiteral("*") + Extension}, QDir::Files);
    for (const QString &file : files)
        stores.append({file.chopped(Extension.size()), dir.filePath(file)});
    std::stable_sort(stores.begin(), stores.end(), [](const Entry &a, const Entry &b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return stores;
}

QString NameProblem(const QString &name)
{
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return QStringLiteral("A Chordex name can not contain / or \\.");
    if (name.contains(QStringLiteral("..")))
        return QStringLiteral("A Chordex name can not contain \"..\".");
    if (name.startsWith(QLatin1Char('.')))
        return QStringLiteral("A Chordex name can not start with a dot.");
    const bool control = std::any_of(name.begin(), name.end(), [](QChar c) {
        return c.category() == QChar::Other_Control;
    });
    if (control)
        return QStringLiteral("A Chordex name can not contain control characters.");
    if (name.size() > MaxNameLength)
        return QStringLiteral("A Chordex name can not be longer than %1 characters.").arg(MaxNameLength);
    if (!InFolder(PathFor(name)))
        return QStringLiteral("A Chordex name must name a file in the db folder.");
    return {};
}

bool Exists(const QString &name)
{
    return QFileInfo::exists(PathFor(name));
}

bool SamePath(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QFileInfo fa(a);
    const QFileInfo fb(b);
    const QString ca = fa.canonicalFilePath();
    const QString cb = fb.canonicalFilePath();
    if (!ca.isEmpty() && !cb.isEmpty())
        return ca == cb;
    return QDir::cleanPath(fa.absoluteFilePath()) == QDir::cleanPath(fb.absoluteFilePath());
}

bool IsOpenStore(const QString &path)
{
    return !modADO::NoStoreOpen() && SamePath(path, modADO::StorePath());
}

bool Copy(const QString &from, const QString &to, Failure &failure)
{
    if (!prepareTarget(to, failure))
        return false;
    QFile source(from);
    if (!source.copy(to)) {
        failure = {long(source.error()), source.errorString()};
        return false;
    }
    // The template may come from a read-only installed folder; a store must be writable.
    QFile::setPermissions(to, QFile::permissions(to) | QFile::ReadOwner | QFile::WriteOwner);
    return true;
}

bool Rename(const QString &from, const QString &to, Failure &failure)
{
    if (!prepareTarget(to, failure))
        return false;
    QFile file(from);
    if (!file.rename(to)) {
        failure = {long(file.error()), file.errorString()};
        return false;
    }
    if (QFileInfo::exists(from + JournalSuffix))
        QFile::rename(from + JournalSuffix, to + JournalSuffix);
    return true;
}

bool Remove(const QString &path, Failure &failure)
{
    QFile file(path);
    if (!file.remove()) {
        failure = {long(file.error()), file.errorString()};
        return false;
    }
    QFile::remove(path + JournalSuffix);
    return true;
}

}  // namespace StoreFiles
