#include "StoreRows.h"

#include <QStringList>
#include <QtTest>

#include <sqlite3.h>

namespace StoreRows {

namespace {

struct Db
{
    sqlite3 *db = nullptr;
    explicit Db(const QString &path)
    {
        if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            qFatal("cannot open %s", qPrintable(path));
        sqlite3_busy_timeout(db, 2000);
    }
    ~Db() { sqlite3_close(db); }
};

}  // namespace

void exec(const QString &storePath, const QString &sql)
{
    Db d(storePath);
    char *err = nullptr;
    if (sqlite3_exec(d.db, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        const QString msg = QString::fromUtf8(err);
        sqlite3_free(err);
        qFatal("SQL failed: %s\n%s", qPrintable(msg), qPrintable(sql));
    }
}

QStringList column(const QString &storePath, const QString &sql)
{
    Db d(storePath);
    sqlite3_stmt *st = nullptr;
    if (sqlite3_prepare_v2(d.db, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK)
        qFatal("SQL failed: %s\n%s", sqlite3_errmsg(d.db), qPrintable(sql));
    QStringList out;
    while (sqlite3_step(st) == SQLITE_ROW) {
        const auto *t = reinterpret_cast<const char *>(sqlite3_column_text(st, 0));
        out << (t ? QString::fromUtf8(t) : QString());
    }
    sqlite3_finalize(st);
    return out;
}

QVariant scalar(const QString &storePath, const QString &sql)
{
    const QStringList c = column(storePath, sql);
    return c.isEmpty() ? QVariant() : QVariant(c.first());
}

}  // namespace StoreRows
