#include "tree/ctlTree.h"

#include "core/Prompts.h"
#include "dialogs/frmSelector.h"
#include "store/modMain.h"
#include "tree/NodeKeys.h"
#include "tree/TreeControl.h"
#include "tree/TreeViewTarget.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>

namespace {

const QString ConfirmTitle = QStringLiteral("Confirm Delete");
const QString Quote = QStringLiteral("\"");

}  // namespace

void ctlTree::buildMenus()
{
    auto entry = [this](QMenu *menu, const char *name, const char *caption, void (ctlTree::*handler)()) {
        QAction *a = menu->addAction(QString::fromLatin1(caption));
        a->setObjectName(QString::fromLatin1(name));
        if (handler)
            connect(a, &QAction::triggered, this, handler);
        return a;
    };
    mnuRootAddFolder = entry(mnuHiddenRoot, "mnuRootAddFolder", "Add Folder", &ctlTree::mnuRootAddFolder_Click);
    mnuHiddenRoot->addSeparator();
    mnuRootExportCategory = entry(mnuHiddenRoot, "mnuRootExportCategory", "Export Category...", nullptr);
    connect(mnuRootExportCategory, &QAction::triggered, this, [this] { emit OnExport(m_categoryId, 0); });
    mnuRootSongbook = entry(mnuHiddenRoot, "mnuRootSongbook", "Songbook PDF...", nullptr);
    connect(mnuRootSongbook, &QAction::triggered, this, [this] { emit OnSongbook(m_categoryId, 0); });
    mnuRootExportChordex = entry(mnuHiddenRoot, "mnuRootExportChordex", "Export Chordex...", nullptr);
    connect(mnuRootExportChordex, &QAction::triggered, this, [this] { emit OnExport(0, 0); });

    mnuHiddenFolderDelete = entry(mnuHiddenFolder, "mnuHiddenFolderDelete", "Delete", &ctlTree::DeleteFolder);
    mnuHiddenFolderRename = entry(mnuHiddenFolder, "mnuHiddenFolderRename", "Rename...", nullptr);
    connect(mnuHiddenFolderRename, &QAction::triggered, this, [this] { renameSelected(false); });
    mnuHiddenFolderMove = entry(mnuHiddenFolder, "mnuHiddenFolderMove", "Move Folder...", &ctlTree::mnuHiddenFolderMove_Click);
    mnuHiddenFolder->addSeparator();
    mnuHiddenFolderExport = entry(mnuHiddenFolder, "mnuHiddenFolderExport", "Export Folder...", nullptr);
    connect(mnuHiddenFolderExport, &QAction::triggered, this, [this] {
        if (const qint32 folderId = selectedFolderId())
            emit OnExport(m_categoryId, folderId);
    });
    mnuHiddenFolderSongbook = entry(mnuHiddenFolder, "mnuHiddenFolderSongbook", "Songbook PDF...", nullptr);
    connect(mnuHiddenFolderSongbook, &QAction::triggered, this, [this] {
        if (const qint32 folderId = selectedFolderId())
            emit OnSongbook(m_categoryId, folderId);
    });

    mnuHiddenFileDelete = entry(mnuHiddenFile, "mnuHiddenFileDelete", "Delete", &ctlTree::DeleteFile);
    mnuHiddenFile->addSeparator();
    mnuHiddenFileRename = entry(mnuHiddenFile, "mnuHiddenFileRename", "Rename...", nullptr);
    connect(mnuHiddenFileRename, &QAction::triggered, this, [this] { renameSelected(true); });
    mnuHiddenFileMove = entry(mnuHiddenFile, "mnuHiddenFileMove", "Move File...", &ctlTree::mnuHiddenFileMove_Click);
    mnuHiddenFile->addSeparator();
    mnuHiddenFileBookmark = entry(mnuHiddenFile, "mnuHiddenFileBookmark", "Bookmark...", &ctlTree::OnBookmarkFile);

    connect(tvw, &TreeControl::keyDown, this, &ctlTree::tvw_KeyDown);
}

QTreeWidgetItem *ctlTree::selectedNode() const
{
    return tvw->currentItem();
}

qint32 ctlTree::selectedFolderId() const
{
    QTreeWidgetItem *n = selectedNode();
    return n && NodeKeys::isFolder(TreeViewTarget::key(n)) ? NodeKeys::number(TreeViewTarget::key(n)) : 0;
}

void ctlTree::mnuRootAddFolder_Click()
{
    const QString name =
        m_prompts.input(QStringLiteral("New Folder..."), QStringLiteral("New Folder"), QStringLiteral("Folder")).trimmed();
    if (!name.isEmpty())
        AddFolder(name);
}

void ctlTree::tvw_KeyDown(int key)
{
    QTreeWidgetItem *n = selectedNode();
    if (key != Qt::Key_Delete || !n)
        return;
    const QString nodeKey = TreeViewTarget::key(n);
    if (NodeKeys::isFolder(nodeKey))
        DeleteFolder();
    else if (NodeKeys::isFile(nodeKey))
        DeleteFile();
}

void ctlTree::DeleteFile()
{
    QTreeWidgetItem *n = selectedNode();
    if (!n || !NodeKeys::isFile(TreeViewTarget::key(n)))
        return;
    const qint32 fileId = NodeKeys::number(TreeViewTarget::key(n));
    if (m_prompts.message(QStringLiteral("Are you sure you wish to delete the file ") + Quote + n->text(0) + Quote +
                              QStringLiteral("?"),
                          ConfirmTitle, Prompts::Icon::Exclamation, Prompts::Buttons::YesNo,
                          Prompts::Answer::No) == Prompts::Answer::Yes)
        emit OnFileDelete(fileId);
}

// The bookmarks of the folder's files are reported one by one, then the folder with the
// filter of its files; the host changes the store and removes the node.
void ctlTree::DeleteFolder()
{
    QTreeWidgetItem *n = selectedNode();
    if (!n || !NodeKeys::isFolder(TreeViewTarget::key(n)))
        return;
    const QString folderKey = TreeViewTarget::key(n);
    if (m_prompts.message(QStringLiteral("Are you sure you wish to delete the folder ") + Quote + n->text(0) + Quote +
                              QStringLiteral(" and all files?"),
                          ConfirmTitle, Prompts::Icon::Exclamation, Prompts::Buttons::YesNo,
                          Prompts::Answer::No) != Prompts::Answer::Yes)
        return;
    const qint32 folderId = NodeKeys::number(folderKey);
    const QString pathHead = QString::number(m_categoryId) + QStringLiteral("||") + QString::number(folderId) +
                             QStringLiteral("||");
    QStringList fileIds;
    if (QTreeWidgetItem *folder = node(folderKey)) {
        for (int i = 0; i < folder->childCount(); ++i) {
            const QString key = TreeViewTarget::key(folder->child(i));
            if (NodeKeys::isFile(key))
                fileIds << QString::number(NodeKeys::number(key));
        }
    }
    QString filter;
    for (const QString &id : fileIds) {
        filter += QStringLiteral("file_id=") + id + QStringLiteral(" OR ");
        emit OnRemoveBookmark(pathHead + id);
    }
    if (filter.size() > 4)
        filter.chop(4);
    emit OnFolderDelete(folderId, filter);
}

// Rename for a file or a folder: both ask with the same box.
void ctlTree::renameSelected(bool file)
{
    QTreeWidgetItem *n = selectedNode();
    if (!n)
        return;
    const QString key = TreeViewTarget::key(n);
    if (file ? !NodeKeys::isFile(key) : !NodeKeys::isFolder(key))
        return;
    const QString name =
        m_prompts.input(QStringLiteral("Rename file..."), QStringLiteral("Rename"), n->text(0)).trimmed();
    if (name.isEmpty())
        return;
    n = node(key);  // looked up again: the box let other events run
    if (!n)
        return;
    n->setText(0, name);
    if (file)
        emit OnFileRename(name);
    else
        emit OnFolderRename(cbo->currentData().value<qint32>(), NodeKeys::number(key), name);
}

void ctlTree::mnuHiddenFileMove_Click()
{
    QTreeWidgetItem *n = selectedNode();
    if (!n || m_selector || !NodeKeys::isFile(TreeViewTarget::key(n)))
        return;
    frmSelector chooser(m_prompts, this);
    m_selector = &chooser;
    connect(&chooser, &frmSelector::OnMove, this, &ctlTree::SelectorForm_OnMove);
    chooser.FillCategories();
    chooser.SetMoveMode(m_categoryId, NodeKeys::number(TreeViewTarget::key(n->parent())), n->text(0));
    m_prompts.runModal(chooser);
    m_selector = nullptr;
}

void ctlTree::mnuHiddenFolderMove_Click()
{
    QTreeWidgetItem *n = selectedNode();
    if (!n || m_selector || !NodeKeys::isFolder(TreeViewTarget::key(n)))
        return;
    frmSelector chooser(m_prompts, this);
    m_selector = &chooser;
    connect(&chooser, &frmSelector::OnMoveCat, this, &ctlTree::SelectorForm_OnMoveCat);
    chooser.FillCategories();
    chooser.SetMoveModeCat(m_categoryId, n->text(0));
    m_prompts.runModal(chooser);
    m_selector = nullptr;
}

void ctlTree::SelectorForm_OnMove(qint32 newCategoryId, qint32 newFolderId)
{
    QTreeWidgetItem *n = selectedNode();
    if (!n || !NodeKeys::isFile(TreeViewTarget::key(n)))
        return;
    const QString key = TreeViewTarget::key(n);
    const QString text = n->text(0);
    const qint32 fileId = NodeKeys::number(key);
    const qint32 oldFolderId = NodeKeys::number(TreeViewTarget::key(n->parent()));
    m_nodes->remove(key);
    if (newCategoryId != m_categoryId) {
        if (QTreeWidgetItem *now = tvw->currentItem())
            tvw_NodeClick(now);
        emit OnFileDragDropCat(newCategoryId, newFolderId, fileId, oldFolderId, m_categoryId);
        return;
    }
    m_nodes->add(modMain::FolderKey(newFolderId), key, text, modMain::ImageFile);
    tvw_NodeClick(tvw->currentItem());
    emit OnFileDragDrop(newFolderId, fileId, oldFolderId);
}

void ctlTree::SelectorForm_OnMoveCat(qint32 newCategoryId)
{
    QTreeWidgetItem *n = selectedNode();
    if (!n || !NodeKeys::isFolder(TreeViewTarget::key(n)))
        return;
    const qint32 folderId = NodeKeys::number(TreeViewTarget::key(n));
    m_nodes->remove(TreeViewTarget::key(n));
    if (QTreeWidgetItem *now = tvw->currentItem())
        tvw_NodeClick(now);
    emit OnMoveCatFolder(newCategoryId, folderId, m_categoryId);
}

void ctlTree::ReloadCategory()
{
    const QString clicked = m_clickedKey;
    const int index = cbo->currentIndex();
    if (index < 0)
        return;
    chooseCategory(index);
    if (QTreeWidgetItem *n = node(clicked)) {
        ensureVisible(n);
        markSelected(n);
        tvw_NodeClick(n);
    }
}
