#include "store/Ids.h"

#include "store/DbError.h"

#include <limits>

namespace Ids {

qint32 ToId(const QVariant &value)
{
    if (value.isNull())
        return 0;
    bool ok = false;
    const qlonglong v = value.toString().trimmed().toLongLong(&ok);
    if (!ok)
        throw DbError(13, QStringLiteral("\"%1\" is not an identifier.").arg(value.toString()));
    if (v < std::numeric_limits<qint32>::min() || v > std::numeric_limits<qint32>::max())
        throw DbError(DbError::IdentifierRange, QStringLiteral("Overflow: %1 is too large for an "
                                                               "identifier.").arg(v));
    return qint32(v);
}

QString Text(qint32 id)
{
    return QString::number(id);
}

}  // namespace Ids
