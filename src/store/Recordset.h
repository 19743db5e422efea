#pragma once

#include <QStringList>
#include <QVariant>

#include <memory>
#include <optional>
#include <vector>

class Connection;
class Statement;

enum class CursorType { Unspecified, ForwardOnly, Static };
enum class LockType { Unspecified, ReadOnly, Pessimistic, Optimistic };

// A result set over one statement, with the operations the program's callers use:
// navigation, field access by name (case-insensitive) or 0-based position, and adding,
// changing and deleting rows of a single-table selection.
//
// Read-only sets step through the statement and hold only the current row. Updatable sets
// (any lock but read-only, on a "SELECT ... FROM <table> ..." statement) hold the current
// row too, and list the matching row ids only when the caller navigates, so opening
// "SELECT * FROM tablature" to append one row reads nothing. RecordCount is exact and
// computed when first asked. Changes are written at once; UpdateBatch is harmless.
class Recordset
{
public:
    Recordset();
    ~Recordset();
    Recordset(const Recordset &) = delete;
    Recordset &operator=(const Recordset &) = delete;

    void Open(const QString &sql, Connection &conn, CursorType cursor = CursorType::ForwardOnly,
              LockType lock = LockType::ReadOnly);
    void Close();
    bool isOpen() const;

    bool Eof();
    long RecordCount();
    void MoveFirst();
    void MoveNext();
    void MoveLast();

    int FieldCount() const;
    QString FieldName(int index) const;
    QVariant Fields(const QString &name);
    QVariant Fields(int index);

    void AddNew();
    void SetField(const QString &name, const QVariant &value);
    void Update();
    void Delete();
    void UpdateBatch();

private:
    int indexOf(const QString &name) const;
    void requireOpen() const;
    void requireUpdatable() const;
    void readCurrent();
    void ensureIds();
    qint64 currentId();
    void flushPending();

    Connection *m_conn = nullptr;
    QString m_sql;
    QStringList m_columns;
    bool m_updatable = false;
    std::optional<long> m_count;

    // Read-only sets
    std::unique_ptr<Statement> m_stmt;
    bool m_rowValid = false;
    bool m_spent = false;  // MoveLast stepped the statement to its end

    // Updatable sets
    QString m_table;
    QString m_selectList;
    QString m_tail;  // everything after the table name: WHERE, ORDER BY
    std::optional<std::vector<qint64>> m_ids;
    std::vector<bool> m_deleted;
    std::size_t m_pos = 0;
    std::optional<qint64> m_addedId;  // a row added before the ids were listed
    bool m_adding = false;
    std::vector<std::pair<int, QVariant>> m_pending;

    std::optional<std::vector<QVariant>> m_row;  // the current row's values
    // The last INSERT, kept prepared: adding many rows of the same fields prepares it once.
    std::unique_ptr<Statement> m_insert;
    QString m_insertSql;
    std::unique_ptr<Statement> m_rowQuery;  // the current row of an updatable set, by rowid
};
