#pragma once

#include <QString>
#include <QVariant>

// Small helpers for tests that arrange and inspect store rows with plain SQL on a
// separate connection, so the code under test is checked against the file itself.
namespace StoreRows {

void exec(const QString &storePath, const QString &sql);
QVariant scalar(const QString &storePath, const QString &sql);
QStringList column(const QString &storePath, const QString &sql);

}  // namespace StoreRows
