#include "store/modADO.h"

#include "store/Connection.h"
#include "store/DbError.h"
#include "store/modDataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace modADO {

namespace {

Connection g_conn;
QString g_path;
QString g_name;
long g_errorNumber = 0;
QString g_error;

QString withSlash(QString path)
{
    if (!path.endsWith('/'))
        path += '/';
    return path;
}

bool holdsData(const QString &dir)
{
    QFileInfo def(dir + QStringLiteral("def"));
    QFileInfo db(dir + QStringLiteral("db"));
    return (def.isFile() || db.isDir()) && QFileInfo(dir).isWritable();
}

}  // namespace

QString ProgramPath()
{
    const QString home = qEnvironmentVariable("CHORDEX_HOME");
    if (!home.isEmpty())
        return withSlash(QDir::cleanPath(home));
    const QString exeDir = withSlash(QCoreApplication::applicationDirPath());
    if (holdsData(exeDir))
        return exeDir;
    const QString user = withSlash(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    static QString seeded;  // once per run
    if (seeded != user) {
        const QString installed = modDataFolder::InstalledDataPath(exeDir);
        if (!installed.isEmpty())
            modDataFolder::Seed(installed, user);
        seeded = user;
    }
    return user;
}

bool OpenConnection(const QString &filePath, const QString &displayName)
{
    try {
        g_conn.Open(filePath);
    } catch (const DbError &e) {
        g_errorNumber = e.number();
        g_error = e.description();
        return false;
    }
    g_path = filePath;
    g_name = displayName;
    g_errorNumber = 0;
    g_error.clear();
    return true;
}

bool NoStoreOpen()
{
    return !g_conn.isOpen();
}

QString StorePath()
{
    return g_conn.isOpen() ? g_path : QString();
}

QString StoreName()
{
    return g_conn.isOpen() ? g_name : QString();
}

void CloseConnection()
{
    g_conn.Close();
}

long LastOpenErrorNumber()
{
    return g_errorNumber;
}

QString LastOpenError()
{
    return g_error;
}

Connection &Conn()
{
    g_conn.handle();  // throws when no store is open
    return g_conn;
}

}  // namespace modADO
