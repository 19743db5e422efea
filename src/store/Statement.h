#pragma once

#include <QStringList>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

// A short-lived RAII wrapper around one prepared sqlite3_stmt. Errors throw DbError.
class Statement
{
public:
    Statement(sqlite3 *db, const QString &sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    void bind(int index, const QVariant &value);  // 1-based, as SQLite counts
    bool step();                                  // true while a row is current
    void reset();

    int columnCount() const;
    QString columnName(int index) const;
    QStringList columnNames() const;
    QVariant column(int index) const;
    qint64 columnInt64(int index) const;

private:
    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_stmt = nullptr;
};
