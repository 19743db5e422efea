#pragma once

#include "store/CollectionExport.h"

#include <QString>

// Finds categories and folders of the open store by the names a user types, compared without
// case as the store sorts them. The names are compared here, never spliced into a statement.
namespace CatalogueNames {

qint32 FindCategory(const QString &name);                     // 0 when there is none
qint32 FindFolder(qint32 categoryId, const QString &name);    // 0 when there is none

// "CATEGORY" or "CATEGORY/FOLDER" (a folder's own name may hold '/': "songs / czech").
// False with a reason when no such category or folder exists.
bool ParseScope(const QString &text, CollectionExport::Scope &scope, QString &error);

}  // namespace CatalogueNames
