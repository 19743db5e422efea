#include "store/Recordset.h"

#include "store/Connection.h"
#include "store/DbError.h"
#include "store/Statement.h"

#include <QRegularExpression>

#include <sqlite3.h>

namespace {

[[noreturn]] void noCurrentRow()
{
    throw DbError(DbError::NoCurrentRow, QStringLiteral("There is no current row: the set is at "
                                                        "its end or the row has been deleted."));
}

// "SELECT <list> FROM <table> [WHERE ...] [ORDER BY ...]": the only shape that can be changed.
const QRegularExpression &singleTable()
{
    static const QRegularExpression re(
        QStringLiteral(R"(^\s*SELECT\s+(.+?)\s+FROM\s+([A-Za-z_][A-Za-z0-9_]*)\s*((?:WHERE|ORDER)\b.*)?$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    return re;
}

}  // namespace

Recordset::Recordset() = default;

Recordset::~Recordset()
{
    Close();
}

void Recordset::Open(const QString &sql, Connection &conn, CursorType cursor, LockType lock)
{
    Close();
    sqlite3 *db = conn.handle();
    const bool wantsChanges = lock == LockType::Pessimistic || lock == LockType::Optimistic;
    Q_UNUSED(cursor);  // static and forward-only sets differ only in what callers do with them

    if (wantsChanges) {
        const auto m = singleTable().match(sql);
        if (m.hasMatch()) {
            Statement probe(db, sql);  // checks the statement and names its columns
            m_columns = probe.columnNames();
            m_selectList = m.captured(1);
            m_table = m.captured(2);
            m_tail = m.captured(3);
            m_updatable = true;
        }
    }
    if (!m_updatable) {
        m_stmt = std::make_unique<Statement>(db, sql);
        m_columns = m_stmt->columnNames();
        m_rowValid = m_stmt->step();
        if (m_rowValid)
            readCurrent();
    }
    m_sql = sql;
    m_conn = &conn;
}

void Recordset::Close()
{
    m_stmt.reset();
    m_insert.reset();
    m_insertSql.clear();
    m_rowQuery.reset();
    m_conn = nullptr;
    m_sql.clear();
    m_columns.clear();
    m_updatable = false;
    m_count.reset();
    m_rowValid = false;
    m_spent = false;
    m_table.clear();
    m_selectList.clear();
    m_tail.clear();
    m_ids.reset();
    m_deleted.clear();
    m_pos = 0;
    m_addedId.reset();
    m_adding = false;
    m_pending.clear();
    m_row.reset();
}

bool Recordset::isOpen() const
{
    return m_conn != nullptr;
}

void Recordset::requireOpen() const
{
    if (!m_conn)
        throw DbError(DbError::SetClosed, QStringLiteral("The set is closed."));
}

void Recordset::requireUpdatable() const
{
    requireOpen();
    if (!m_updatable)
        throw DbError(DbError::ReadOnlySet, QStringLiteral("The set cannot be changed."));
}

bool Recordset::Eof()
{
    requireOpen();
    if (!m_updatable)
        return !m_rowValid;
    if (m_addedId)
        return false;
    ensureIds();
    return m_pos >= m_ids->size();
}

long Recordset::RecordCount()
{
    requireOpen();
    if (m_updatable) {
        ensureIds();
        long n = 0;
        for (bool d : m_deleted)
            n += d ? 0 : 1;
        return n;
    }
    if (!m_count) {
        Statement count(m_conn->handle(), QStringLiteral("SELECT COUNT(*) FROM (") + m_sql + ')');
        m_count = count.step() ? long(count.columnInt64(0)) : 0L;
    }
    return *m_count;
}

void Recordset::MoveFirst()
{
    requireOpen();
    if (!m_updatable) {
        m_stmt->reset();
        m_spent = false;
        m_rowValid = m_stmt->step();
        m_row.reset();
        if (m_rowValid)
            readCurrent();
        return;
    }
    flushPending();
    ensureIds();
    m_pos = 0;
    m_row.reset();
}

void Recordset::MoveNext()
{
    requireOpen();
    if (!m_updatable) {
        if (!m_rowValid)
            noCurrentRow();
        m_rowValid = !m_spent && m_stmt->step();
        m_row.reset();
        if (m_rowValid)
            readCurrent();
        return;
    }
    flushPending();
    ensureIds();
    if (m_pos >= m_ids->size())
        noCurrentRow();
    ++m_pos;
    m_row.reset();
}

void Recordset::MoveLast()
{
    requireOpen();
    if (!m_updatable) {
        // Step to the end, keeping the last row; the statement is then spent.
        std::optional<std::vector<QVariant>> last = m_rowValid ? m_row : std::nullopt;
        while (m_rowValid) {
            last = m_row;
            m_rowValid = m_stmt->step();
            if (m_rowValid)
                readCurrent();
        }
        m_row = last;
        m_rowValid = last.has_value();
        m_spent = true;
        return;
    }
    flushPending();
    ensureIds();
    m_pos = m_ids->size();
    for (std::size_t i = m_ids->size(); i > 0; --i) {
        if (!m_deleted[i - 1]) {
            m_pos = i - 1;
            break;
        }
    }
    m_row.reset();
}

int Recordset::FieldCount() const
{
    return int(m_columns.size());
}

QString Recordset::FieldName(int index) const
{
    return m_columns.value(index);
}

int Recordset::indexOf(const QString &name) const
{
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    throw DbError(DbError::NoSuchField, QStringLiteral("The set has no field \"%1\".").arg(name));
}

QVariant Recordset::Fields(const QString &name)
{
    requireOpen();
    return Fields(indexOf(name));
}

QVariant Recordset::Fields(int index)
{
    requireOpen();
    if (index < 0 || index >= m_columns.size())
        throw DbError(DbError::NoSuchField, QStringLiteral("The set has no field %1.").arg(index));
    for (const auto &p : m_pending) {
        if (p.first == index)
            return p.second;
    }
    if (m_adding)
        return QVariant();
    if (!m_updatable) {
        if (!m_rowValid || !m_row)
            noCurrentRow();
        return (*m_row)[std::size_t(index)];
    }
    if (!m_row) {
        // Prepared once per set: callers read a field of each row they add or visit.
        if (!m_rowQuery)
            m_rowQuery = std::make_unique<Statement>(m_conn->handle(), QStringLiteral("SELECT ") + m_selectList +
                                                                           QStringLiteral(" FROM ") + m_table +
                                                                           QStringLiteral(" WHERE rowid=?"));
        Statement &s = *m_rowQuery;
        s.reset();  // also after a step that failed
        s.bind(1, currentId());
        const bool found = s.step();
        std::vector<QVariant> row;
        for (int i = 0; found && i < s.columnCount(); ++i)
            row.push_back(s.column(i));
        s.reset();
        if (!found)
            noCurrentRow();  // removed behind the set's back
        m_row = std::move(row);
    }
    return (*m_row)[std::size_t(index)];
}

void Recordset::readCurrent()
{
    std::vector<QVariant> row;
    row.reserve(std::size_t(m_stmt->columnCount()));
    for (int i = 0; i < m_stmt->columnCount(); ++i)
        row.push_back(m_stmt->column(i));
    m_row = std::move(row);
}

void Recordset::ensureIds()
{
    if (m_ids)
        return;
    Statement s(m_conn->handle(), QStringLiteral("SELECT rowid FROM ") + m_table + ' ' + m_tail);
    std::vector<qint64> ids;
    while (s.step())
        ids.push_back(s.columnInt64(0));
    m_pos = 0;
    if (m_addedId) {
        for (std::size_t i = 0; i < ids.size(); ++i) {
            if (ids[i] == *m_addedId)
                m_pos = i;
        }
        m_addedId.reset();
    }
    m_deleted.assign(ids.size(), false);
    m_ids = std::move(ids);
}

qint64 Recordset::currentId()
{
    if (m_addedId)
        return *m_addedId;
    ensureIds();
    if (m_pos >= m_ids->size() || m_deleted[m_pos])
        noCurrentRow();
    return (*m_ids)[m_pos];
}

void Recordset::AddNew()
{
    requireUpdatable();
    flushPending();
    m_adding = true;
    m_pending.clear();
}

void Recordset::SetField(const QString &name, const QVariant &value)
{
    requireUpdatable();
    const int index = indexOf(name);
    if (!m_adding)
        currentId();  // there must be a row to change
    for (auto &p : m_pending) {
        if (p.first == index) {
            p.second = value;
            return;
        }
    }
    m_pending.emplace_back(index, value);
}

void Recordset::Update()
{
    requireUpdatable();
    sqlite3 *db = m_conn->handle();
    if (m_adding) {
        QString sql;
        if (m_pending.empty()) {
            sql = QStringLiteral("INSERT INTO ") + m_table + QStringLiteral(" DEFAULT VALUES");
        } else {
            QStringList names;
            QStringList marks;
            for (const auto &p : m_pending) {
                names << m_columns[p.first];
                marks << QStringLiteral("?");
            }
            sql = QStringLiteral("INSERT INTO ") + m_table + " (" + names.join(',') +
                  ") VALUES (" + marks.join(',') + ')';
        }
        if (!m_insert || m_insertSql != sql) {
            m_insert.reset();
            m_insert = std::make_unique<Statement>(db, sql);
            m_insertSql = sql;
        }
        m_insert->reset();  // also after a step that failed
        int i = 1;
        for (const auto &p : m_pending)
            m_insert->bind(i++, p.second);
        m_insert->step();
        m_insert->reset();  // done: nothing of it stays active between rows
        const qint64 id = sqlite3_last_insert_rowid(db);
        m_adding = false;
        m_pending.clear();
        m_row.reset();
        if (m_ids) {
            m_ids->push_back(id);
            m_deleted.push_back(false);
            m_pos = m_ids->size() - 1;
        } else {
            m_addedId = id;
        }
        return;
    }
    if (m_pending.empty())
        return;
    QStringList sets;
    for (const auto &p : m_pending)
        sets << m_columns[p.first] + QStringLiteral("=?");
    Statement s(db, QStringLiteral("UPDATE ") + m_table + QStringLiteral(" SET ") + sets.join(',') +
                        QStringLiteral(" WHERE rowid=?"));
    int i = 1;
    for (const auto &p : m_pending)
        s.bind(i++, p.second);
    s.bind(i, currentId());
    s.step();
    m_pending.clear();
    m_row.reset();
}

void Recordset::Delete()
{
    requireUpdatable();
    if (m_adding) {
        m_adding = false;
        m_pending.clear();
        return;
    }
    const qint64 id = currentId();
    Statement s(m_conn->handle(), QStringLiteral("DELETE FROM ") + m_table +
                                      QStringLiteral(" WHERE rowid=?"));
    s.bind(1, id);
    s.step();
    m_pending.clear();
    m_row.reset();
    if (m_addedId) {
        m_addedId.reset();
        ensureIds();
        m_pos = m_ids->size();
    } else {
        m_deleted[m_pos] = true;
    }
}

void Recordset::UpdateBatch()
{
    requireOpen();
    if (m_updatable)
        flushPending();
}

void Recordset::flushPending()
{
    if (m_adding || !m_pending.empty())
        Update();
}
