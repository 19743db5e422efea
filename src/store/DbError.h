#pragma once

#include <QString>

#include <stdexcept>

// An error from the store engine: a number and a description, as the user is shown them.
class DbError : public std::runtime_error
{
public:
    DbError(long number, const QString &description)
        : std::runtime_error(description.toStdString()), m_number(number), m_description(description)
    {
    }

    long number() const { return m_number; }
    const QString &description() const { return m_description; }

    // Numbers for the layer's own errors (the engine's own errors carry SQLite's codes).
    static constexpr long NoCurrentRow = 3021;
    static constexpr long NoSuchField = 3265;
    static constexpr long ReadOnlySet = 3251;
    static constexpr long SetClosed = 3704;
    static constexpr long IdentifierRange = 6;
    static constexpr long RowMissing = 3167;  // the row to change or read is not in the store

private:
    long m_number;
    QString m_description;
};
