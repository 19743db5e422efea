#pragma once

#include <QString>

struct sqlite3;

// The connection to one store file. Opening checks that the file really is a Chordex
// store; a file that is not one is refused with a DbError that says why.
class Connection
{
public:
    // The stamp written into every store by its schema.
    static constexpr int ApplicationId = 1128809560;  // "CHDX"
    static constexpr int FormatVersion = 1;

    Connection() = default;
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    void Open(const QString &filePath);  // throws DbError; on failure the connection stays closed
    void Close();
    bool isOpen() const { return m_db != nullptr; }
    sqlite3 *handle() const;  // throws DbError when closed

    // Runs a statement that returns no rows (transactions, pragmas).
    void Execute(const QString &sql);

private:
    void checkStore();

    sqlite3 *m_db = nullptr;
};

// One transaction on a connection: rolled back when it goes out of scope uncommitted, so a
// change of several rows happens completely or not at all.
class Transaction
{
public:
    explicit Transaction(Connection &conn);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    void commit();

private:
    Connection &m_conn;
    bool m_done = false;
};
