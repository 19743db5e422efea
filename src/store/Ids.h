#pragma once

#include <QString>
#include <QVariant>

// Store identifiers are 32-bit signed integers, written in plain decimal.
namespace Ids {

// Converts a stored value or a text to an identifier; throws DbError when it is not a
// whole number or does not fit in 32 bits.
qint32 ToId(const QVariant &value);
QString Text(qint32 id);

}  // namespace Ids
