#pragma once

#include "store/modMain.h"

#include <QString>

// Reading the tree's node keys: "ROOT", "D_" + folder id, "F_" + file id.
namespace NodeKeys {

inline QString root()
{
    return QString::fromLatin1(modMain::RootKey);
}

inline bool isFolder(const QString &key)
{
    return key.startsWith(QLatin1String("D_"));
}

inline bool isFile(const QString &key)
{
    return key.startsWith(QLatin1String("F_"));
}

// The id in a folder or file key: the key without its two-character prefix.
inline qint32 number(const QString &key)
{
    return key.mid(2).toInt();
}

}  // namespace NodeKeys
