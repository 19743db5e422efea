// Keeping the bookmark list's keys and names in step when folders and files move or are renamed.
#include "details/ctlDetails.h"

#include "store/DbError.h"
#include "store/modMain.h"
#include "ui/ListViewAdapter.h"

#include <QTreeWidget>

#include <array>
#include <optional>

namespace {

// The numbers of a key split at "||": category, folder and, for a file, file. An empty first
// part (a "||folder||file" fragment) stays empty. Parts are compared as whole numbers, so
// 3||12 never matches 13||12 or 3||120.
struct KeyParts
{
    std::array<std::optional<qint64>, 3> ids;
    int count = 0;
};

KeyParts parseKey(const QString &key)
{
    KeyParts parts;
    const QStringList texts = key.split(QStringLiteral("||"));
    parts.count = int(std::min<qsizetype>(texts.size(), 3));
    for (int i = 0; i < parts.count; ++i) {
        bool ok = false;
        const qint64 value = texts.at(i).trimmed().toLongLong(&ok);
        if (ok)
            parts.ids[std::size_t(i)] = value;
    }
    return parts;
}

bool same(const std::optional<qint64> &a, const std::optional<qint64> &b)
{
    return a && b && *a == *b;
}

qint32 idOf(const std::optional<qint64> &part)
{
    return part ? qint32(*part) : 0;
}

QString keyText(qint64 category, qint64 folder, qint64 file)
{
    return QString::number(category) + QStringLiteral("||") + QString::number(folder) + QStringLiteral("||") +
           QString::number(file);
}

void setKey(QTreeWidgetItem &item, const QString &key)
{
    item.setData(0, ListViewAdapter::KeyRole, key);
}

}  // namespace

void ctlDetails::relabel(const std::function<void()> &prepare, const std::function<void(QTreeWidgetItem &)> &change)
{
    try {
        prepare();
    } catch (const DbError &) {
        // The store has changed but the names cannot be read: show the list as stored.
        LoadBookmarks();
        return;
    }
    for (int i = 0; i < lvwBookmarks->topLevelItemCount(); ++i)
        change(*lvwBookmarks->topLevelItem(i));
}

void ctlDetails::RenameBookmarkFolders(const QString &categoryFolder, const QString &newName)
{
    const KeyParts target = parseKey(categoryFolder);
    relabel([] {}, [&](QTreeWidgetItem &item) {
        const KeyParts parts = parseKey(ListViewAdapter::key(item));
        if (!same(parts.ids[0], target.ids[0]) || !same(parts.ids[1], target.ids[1]))
            return;
        item.setText(3, newName);
    });
}

void ctlDetails::UpdateBookmarkFolder(const QString &newPart, const QString &oldPart)
{
    const KeyParts newParts = parseKey(newPart);
    const KeyParts oldParts = parseKey(oldPart);
    if (!newParts.ids[1])
        return;
    QString folderName;
    relabel([&] { folderName = modMain::FolderName(idOf(newParts.ids[1])); }, [&](QTreeWidgetItem &item) {
        const KeyParts parts = parseKey(ListViewAdapter::key(item));
        if (parts.count < 3 || !same(parts.ids[1], oldParts.ids[1]) || !same(parts.ids[2], oldParts.ids[2]) ||
            !parts.ids[0])
            return;
        setKey(item, keyText(*parts.ids[0], *newParts.ids[1], *parts.ids[2]));
        item.setText(3, folderName);
    });
}

void ctlDetails::UpdateBookmarkFolderCat(const QString &newPath, const QString &oldPath)
{
    const KeyParts newParts = parseKey(newPath);
    const KeyParts oldParts = parseKey(oldPath);
    if (newParts.count < 3 || !newParts.ids[0] || !newParts.ids[1] || !newParts.ids[2])
        return;
    QString folderName;
    QString categoryName;
    relabel(
        [&] {
            folderName = modMain::FolderName(idOf(newParts.ids[1]));
            categoryName = modMain::CategoryName(idOf(newParts.ids[0]));
        },
        [&](QTreeWidgetItem &item) {
            const KeyParts parts = parseKey(ListViewAdapter::key(item));
            for (std::size_t i = 0; i < 3; ++i) {
                if (!same(parts.ids[i], oldParts.ids[i]))
                    return;
            }
            setKey(item, keyText(*newParts.ids[0], *newParts.ids[1], *newParts.ids[2]));
            item.setText(3, folderName);
            item.setText(4, categoryName);
        });
}

void ctlDetails::UpdateBookmarkCategories(const QString &newCategoryId, const QString &oldCategoryId,
                                          const QString &folderId)
{
    const std::optional<qint64> newCategory = parseKey(newCategoryId).ids[0];
    const std::optional<qint64> oldCategory = parseKey(oldCategoryId).ids[0];
    const std::optional<qint64> folder = parseKey(folderId).ids[0];
    if (!newCategory)
        return;
    QString categoryName;
    relabel([&] { categoryName = modMain::CategoryName(idOf(newCategory)); }, [&](QTreeWidgetItem &item) {
        const KeyParts parts = parseKey(ListViewAdapter::key(item));
        if (parts.count < 3 || !same(parts.ids[0], oldCategory) || !same(parts.ids[1], folder))
            return;
        setKey(item, keyText(*newCategory, *parts.ids[1], *parts.ids[2]));
        item.setText(4, categoryName);
    });
}
