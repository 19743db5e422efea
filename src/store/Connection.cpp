#include "store/Connection.h"

#include "store/DbError.h"
#include "store/LikePattern.h"
#include "store/Statement.h"

#include <QFileInfo>

#include <sqlite3.h>

namespace {

constexpr long NotAStore = SQLITE_NOTADB;

// The columns each table must have, in their stored order.
struct TableShape
{
    const char *name;
    QStringList columns;
};

const TableShape &shape(int i)
{
    static const TableShape shapes[] = {
        {"categories", {"category_id", "category"}},
        {"directories", {"directory_id", "category_id", "directory"}},
        {"file", {"file_id", "directory_id", "filename"}},
        {"tablature", {"file_id", "tab", "notes"}},
        {"bookmarks",
         {"bookmark_id", "bookmark", "description", "category_id", "directory_id", "file_id"}},
    };
    return shapes[i];
}

}  // namespace

Connection::~Connection()
{
    Close();
}

void Connection::Open(const QString &filePath)
{
    Close();
    if (!QFileInfo(filePath).isFile())
        throw DbError(SQLITE_CANTOPEN, QStringLiteral("The file \"%1\" does not exist.").arg(filePath));

    sqlite3 *db = nullptr;
    int rc = sqlite3_open_v2(filePath.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        QString msg = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
        sqlite3_close(db);
        throw DbError(rc, msg);
    }
    sqlite3_busy_timeout(db, 2000);
    sqlite3_extended_result_codes(db, 1);
    RegisterLike(db);  // LIKE ignores case in every alphabet, not only A to Z
    m_db = db;
    try {
        checkStore();
    } catch (...) {
        Close();
        throw;
    }
}

void Connection::checkStore()
{
    int appId = 0;
    int version = 0;
    try {
        Statement a(m_db, QStringLiteral("PRAGMA application_id"));
        if (a.step())
            appId = int(a.columnInt64(0));
        Statement v(m_db, QStringLiteral("PRAGMA user_version"));
        if (v.step())
            version = int(v.columnInt64(0));
    } catch (const DbError &e) {
        if ((e.number() & 0xff) == SQLITE_NOTADB)
            throw DbError(NotAStore, QStringLiteral("The file is not a Chordex store."));
        throw;
    }
    if (appId != 0 && appId != ApplicationId)
        throw DbError(NotAStore, QStringLiteral("The file is a database, but not a Chordex store."));
    if (version > FormatVersion)
        throw DbError(NotAStore,
                      QStringLiteral("The store was made by a newer version of Chordex."));

    for (int i = 0; i < 5; ++i) {
        const TableShape &t = shape(i);
        Statement info(m_db, QStringLiteral("PRAGMA table_info(%1)").arg(QLatin1String(t.name)));
        QStringList cols;
        while (info.step())
            cols << info.column(1).toString().toLower();
        if (cols.isEmpty())
            throw DbError(NotAStore, QStringLiteral("The file is not a Chordex store: it has no "
                                                    "table \"%1\".")
                                         .arg(QLatin1String(t.name)));
        if (cols.mid(0, t.columns.size()) != t.columns)
            throw DbError(NotAStore, QStringLiteral("The file is not a Chordex store: the table "
                                                    "\"%1\" does not have the expected columns.")
                                         .arg(QLatin1String(t.name)));
    }
}

void Connection::Close()
{
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

sqlite3 *Connection::handle() const
{
    if (!m_db)
        throw DbError(DbError::SetClosed, QStringLiteral("No store is open."));
    return m_db;
}

void Connection::Execute(const QString &sql)
{
    Statement s(handle(), sql);
    while (s.step()) {
    }
}

Transaction::Transaction(Connection &conn) : m_conn(conn)
{
    m_conn.Execute(QStringLiteral("BEGIN IMMEDIATE"));
}

Transaction::~Transaction()
{
    if (!m_done) {
        try {
            m_conn.Execute(QStringLiteral("ROLLBACK"));
        } catch (const DbError &) {
            // The engine may already have rolled back after the error that brought us here.
        }
    }
}

void Transaction::commit()
{
    m_conn.Execute(QStringLiteral("COMMIT"));
    m_done = true;
}
