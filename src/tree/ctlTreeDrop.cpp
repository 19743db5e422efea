#include "tree/ctlTree.h"

#include "core/Prompts.h"
#include "core/TextCodec.h"
#include "store/modMain.h"
#include "tree/NodeKeys.h"
#include "tree/TreeControl.h"
#include "tree/TreeViewTarget.h"

#include <QMimeData>
#include <QUrl>

namespace {

constexpr int TitleLength = 16;  // a dropped text's title: its first characters

}  // namespace

// Wired from the constructor's controls: the view reports, the pane decides.
void ctlTree::connectDrops()
{
    connect(tvw, &TreeControl::nodeDragOver, this, &ctlTree::tvw_DragOver);
    connect(tvw, &TreeControl::nodeDragLeave, this, &ctlTree::restoreSelection);
    connect(tvw, &TreeControl::nodeDrop, this, &ctlTree::tvw_DragDrop);
    connect(tvw, &TreeControl::dragFinished, this, &ctlTree::forgetDragSource);
}

void ctlTree::tvw_DragOver(QTreeWidgetItem *node)
{
    tvw->setDropHighlight(node);
}

// A drop is a move only when it comes from a drag that started on a file node of this tree;
// anything else comes from outside, even while an earlier press is still remembered: files
// and folders of the file system to import, or text.
void ctlTree::tvw_DragDrop(const QMimeData *data, bool fromThisTree)
{
    if (fromThisTree) {
        if (!m_dragSourceKey.isEmpty())
            moveDrop();
    } else if (data) {
        QStringList paths;
        for (const QUrl &url : data->urls()) {
            if (url.isLocalFile())
                paths << url.toLocalFile();
        }
        if (!paths.isEmpty())
            pathsDrop(paths);
        else
            textDrop(data);
    }
    forgetDragSource();
}

// Files dropped on a folder (or on one of its files) go into that folder; folders become
// folders of the category named by their paths. On the root, files go to folders named after
// the folders they are in.
void ctlTree::pathsDrop(const QStringList &paths)
{
    QTreeWidgetItem *target = tvw->dropHighlight();
    if (!target || m_categoryId == 0)
        return;
    if (NodeKeys::isFile(TreeViewTarget::key(target)))
        target = target->parent();
    const QString key = TreeViewTarget::key(target);
    emit OnImportPaths(m_categoryId, NodeKeys::isFolder(key) ? NodeKeys::number(key) : 0, paths);
}

void ctlTree::forgetDragSource()
{
    m_dragSourceKey.clear();
    restoreSelection();
}

void ctlTree::moveDrop()
{
    QTreeWidgetItem *target = tvw->dropHighlight();
    QTreeWidgetItem *source = node(m_dragSourceKey);
    if (!target || !source || TreeViewTarget::key(target) == NodeKeys::root())
        return;
    const QString sourceKey = m_dragSourceKey;
    if (NodeKeys::isFile(TreeViewTarget::key(target))) {
        target = target->parent();
        tvw->setDropHighlight(target);
        tvw_NodeClick(target);
    }
    const QString targetKey = TreeViewTarget::key(target);
    source = node(sourceKey);  // the click's handlers may have changed the tree
    if (!source || !node(targetKey))
        return;
    const qint32 newFolderId = NodeKeys::number(targetKey);
    const qint32 oldFolderId = NodeKeys::number(TreeViewTarget::key(source->parent()));
    const qint32 fileId = NodeKeys::number(sourceKey);
    if (newFolderId == oldFolderId)
        return;

    const QString text = source->text(0);
    markSelected(node(targetKey));
    SelectNode(targetKey);
    if (QTreeWidgetItem *folder = node(targetKey))
        folder->setExpanded(true);
    m_nodes->remove(sourceKey);
    m_nodes->add(targetKey, sourceKey, text, modMain::ImageFile);
    m_dragSourceKey.clear();
    emit OnFileDragDrop(newFolderId, fileId, oldFolderId);
}

// Text dropped on a folder, or on a file of it, becomes a new file of that folder. Blank text
// makes nothing.
void ctlTree::textDrop(const QMimeData *data)
{
    if (!data || !(data->hasText() || data->hasFormat(QStringLiteral("text/rtf")) ||
                   data->hasFormat(QStringLiteral("application/rtf"))))
        return;
    QTreeWidgetItem *target = tvw->dropHighlight();
    if (!target)
        return;
    if (TreeViewTarget::key(target) == NodeKeys::root()) {
        m_prompts.message(QStringLiteral("You can not drag to the root node!"), QStringLiteral("Error"),
                          Prompts::Icon::Critical, Prompts::Buttons::Ok, Prompts::Answer::Ok);
        return;
    }
    if (NodeKeys::isFile(TreeViewTarget::key(target)))
        target = target->parent();
    const QString text = TextCodec::toCrLf(data->text());  // the program holds CR LF
    if (text.trimmed().isEmpty())
        return;
    const QString title = text.size() > TitleLength ? text.left(TitleLength) + QStringLiteral("...") : text;
    AddNode(m_categoryId, NodeKeys::number(TreeViewTarget::key(target)), title, text);
}
