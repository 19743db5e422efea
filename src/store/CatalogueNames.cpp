#include "store/CatalogueNames.h"

#include "store/Ids.h"
#include "store/Recordset.h"
#include "store/modADO.h"

namespace CatalogueNames {

namespace {

// The id of the row whose name equals name without case, or 0.
qint32 findByName(const QString &sql, const QString &name)
{
    const QString wanted = name.trimmed().toCaseFolded();
    Recordset rs;
    rs.Open(sql, modADO::Conn());
    qint32 found = 0;
    while (!rs.Eof() && found == 0) {
        if (rs.Fields(1).toString().toCaseFolded() == wanted)
            found = Ids::ToId(rs.Fields(0));
        rs.MoveNext();
    }
    rs.Close();
    return found;
}

}  // namespace

qint32 FindCategory(const QString &name)
{
    return findByName(QStringLiteral("SELECT category_id, category FROM categories ORDER BY category_id"), name);
}

qint32 FindFolder(qint32 categoryId, const QString &name)
{
    return findByName(QStringLiteral("SELECT directory_id, directory FROM directories WHERE category_id=") +
                          Ids::Text(categoryId) + QStringLiteral(" ORDER BY directory_id"),
                      name);
}

bool ParseScope(const QString &text, CollectionExport::Scope &scope, QString &error)
{
    scope = {};
    if (const qint32 whole = FindCategory(text)) {
        scope.categoryId = whole;
        return true;
    }
    // Each '/' in turn may be the one between the category and the folder.
    for (int slash = text.indexOf(u'/'); slash >= 0; slash = text.indexOf(u'/', slash + 1)) {
        const qint32 category = FindCategory(text.left(slash));
        if (category == 0)
            continue;
        if (const qint32 folder = FindFolder(category, text.mid(slash + 1))) {
            scope.categoryId = category;
            scope.folderId = folder;
            return true;
        }
    }
    error = QStringLiteral("No category or folder named \"") + text + QStringLiteral("\".");
    return false;
}

}  // namespace CatalogueNames
