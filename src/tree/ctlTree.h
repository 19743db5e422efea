#pragma once

#include "tree/ImageList.h"
#include "tree/TreeSearch.h"

#include <QWidget>

#include <memory>

class Prompts;
class QAction;
class QMimeData;
class frmSelector;
class QComboBox;
class QFrame;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolBar;
class QTreeWidgetItem;
class TreeControl;
class TreeViewTarget;

// The tree pane: the category list of the open store and, below it, the tree of the shown
// category (root "ROOT", folders "D_" + id, files "F_" + id). It adds categories, folders and
// files to the store, selects nodes named by tree paths (category||folder[||file]) and tells
// the host what the user clicked.
class ctlTree final : public QWidget
{
    Q_OBJECT

public:
    explicit ctlTree(Prompts &prompts, QWidget *parent = nullptr);
    ~ctlTree() override;

    qint32 CategoryId() const;
    qint32 FolderId() const;
    // Enables or disables everything in the pane; a click on the disabled pane still
    // reaches it and raises OnControlClick(false).
    void Enabled(bool value);
    bool FileOpened() const;
    bool FolderSelected() const;
    // Forgets the shown category, folder and file and removes every node; keeps the list.
    void ClearAll();
    // Removes the node (with its children), then clicks the node the tree selects instead.
    void RemoveNode(const QString &key);
    // The delete commands on the selected node, confirmation included (ctlTreeEdit.cpp).
    void DeleteFile();
    void DeleteFolder();
    // The chooser's answers to Move File and Move Folder.
    void SelectorForm_OnMove(qint32 newCategoryId, qint32 newFolderId);
    void SelectorForm_OnMoveCat(qint32 newCategoryId);
    // Shows the shown category again as the store holds it, with the same node selected when
    // it is still there: the host's way back after a change the store refused.
    void ReloadCategory();
    bool SearchBox() const;
    void setSearchBox(bool value);
    // Refills the category list and shows the first category; false (after OnNoCategories)
    // when the store has none.
    bool LoadTree();
    QString SearchText() const;
    void setSearchText(const QString &text);
    bool CategorySelected() const;
    // The Add routines store the new row, show and click its node, and return its id; on a
    // store error they report it, change nothing and return 0. AddNode also returns 0 (and
    // says so) when the folder is not in the tree.
    qint32 AddNode(qint32 categoryId, qint32 folderId, const QString &title, const QString &tab);
    qint32 AddCategory(const QString &name);
    qint32 AddFolder(const QString &name);
    void SelectRoot();
    // Shows that category (refilling its tree from the store) when it is in the list.
    void ShowCategory(qint32 categoryId);
    // Shows and clicks the node named by a tree path or a node key. When the node is not in
    // the store's tree, the user is told, nothing changes and the result is false.
    bool SelectNode(const QString &path);

    // Controls
    QFrame *fFrame = nullptr;
    QComboBox *cbo = nullptr;
    QToolBar *tbrTools = nullptr;
    QFrame *fSearch = nullptr;
    QLineEdit *txtSearch = nullptr;
    QWidget *picGo = nullptr;
    QPushButton *cmdGo = nullptr;
    TreeControl *tvw = nullptr;
    ImageList imlTree;
    // Context menus of the root, a folder and a file, popped up by a right click.
    QMenu *mnuHiddenRoot = nullptr;
    QMenu *mnuHiddenFolder = nullptr;
    QMenu *mnuHiddenFile = nullptr;
    QAction *mnuRootAddFolder = nullptr;
    QAction *mnuRootExportCategory = nullptr;
    QAction *mnuRootSongbook = nullptr;
    QAction *mnuRootExportChordex = nullptr;
    QAction *mnuHiddenFolderDelete = nullptr;
    QAction *mnuHiddenFolderRename = nullptr;
    QAction *mnuHiddenFolderMove = nullptr;
    QAction *mnuHiddenFolderExport = nullptr;
    QAction *mnuHiddenFolderSongbook = nullptr;
    QAction *mnuHiddenFileDelete = nullptr;
    QAction *mnuHiddenFileRename = nullptr;
    QAction *mnuHiddenFileMove = nullptr;
    QAction *mnuHiddenFileBookmark = nullptr;

signals:
    void OnRootClick();
    void OnTreeClick();
    void OnHideTree();
    void OnBookmarkFile();
    void OnNodeClick();
    void OnCategoryClick(qint32 CategoryId);
    void OnFileAdd();
    void OnFileDelete(qint32 FileId);
    void OnFileRename(const QString &NewTitle);
    void OnFileClick(qint32 CategoryId, qint32 FolderId, qint32 FileId);
    void OnFileMove();
    void OnFolderDelete(qint32 FolderId, const QString &FileFilter);
    void OnFolderClick(qint32 CategoryId, qint32 FolderId);
    void OnFolderRename(qint32 CategoryId, qint32 FolderId, const QString &NewName);
    void OnRemoveBookmark(const QString &TreePath);
    void OnControlClick(bool Enabled);
    void OnNoCategories();
    void OnFileDragDrop(qint32 NewFolderId, qint32 FileId, qint32 OldFolderId);
    void OnFileDragDropCat(qint32 NewCategoryId, qint32 NewFolderId, qint32 FileId, qint32 OldFolderId,
                           qint32 OldCategoryId);
    void OnMoveCatFolder(qint32 NewCategoryId, qint32 FolderId, qint32 OldCategoryId);
    void OnFolderDoubleClick();
    void OnFileDoubleClick();
    // Export to a folder tree: a folder (FolderId set), a category, or the whole store
    // (CategoryId 0). A songbook PDF: a folder, or the category when FolderId is 0.
    void OnExport(qint32 CategoryId, qint32 FolderId);
    void OnSongbook(qint32 CategoryId, qint32 FolderId);
    // Files or folders of the file system dropped on a folder (FolderId) or on the root (0).
    void OnImportPaths(qint32 CategoryId, qint32 FolderId, const QStringList &Paths);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void buildImages();
    void buildControls();
    // ctlTreeSearch.cpp: the search box
    void buildSearchBox();
    void tbrSearch_Click();
    void cmdGo_Click();
    void layoutControls();

    // The node click routine: every click on a node, by the user or by code, runs here.
    void tvw_NodeClick(QTreeWidgetItem *node);
    void tvw_MouseDown(Qt::MouseButton button, QTreeWidgetItem *node, const QPoint &globalPos);
    void tvw_MouseUp(bool clicked);
    void tvw_DblClick(QTreeWidgetItem *node);
    void tvw_Expanded(QTreeWidgetItem *node);
    void popupNodeMenu(QTreeWidgetItem *node, const QPoint &globalPos);
    // Puts the tree's selection back on the node clicked last, so that what the user sees
    // selected is what the commands act on.
    void restoreSelection();

    // ctlTreeEdit.cpp: the context menus and their commands
    void buildMenus();
    QTreeWidgetItem *selectedNode() const;
    qint32 selectedFolderId() const;  // 0 unless a folder node is selected
    void mnuRootAddFolder_Click();
    void renameSelected(bool file);
    void mnuHiddenFileMove_Click();
    void mnuHiddenFolderMove_Click();
    void tvw_KeyDown(int key);

    // ctlTreeDrop.cpp: drag and drop
    void connectDrops();
    void tvw_DragOver(QTreeWidgetItem *node);
    void tvw_DragDrop(const QMimeData *data, bool fromThisTree);
    void moveDrop();
    void textDrop(const QMimeData *data);
    void pathsDrop(const QStringList &paths);
    void forgetDragSource();

    // Makes the item current (which the user sees as chosen) and runs the category change.
    void chooseCategory(int index);
    void cbo_Click();

    QTreeWidgetItem *node(const QString &key) const;
    void ensureVisible(QTreeWidgetItem *item);
    void markSelected(QTreeWidgetItem *item);
    bool inStore(qint32 categoryId, qint32 folderId, qint32 fileId, bool withFile);
    void notFound(bool file);
    void storeError(long number, const QString &description);

    Prompts &m_prompts;
    std::unique_ptr<TreeViewTarget> m_nodes;

    qint32 m_categoryId = 0;
    qint32 m_folderId = 0;
    qint32 m_fileId = 0;
    bool m_fileOpened = false;
    bool m_folderSelected = false;
    bool m_searchBox = false;
    bool m_enabled = true;
    TreeSearch m_search;
    QString m_dragSourceKey;  // the file node the left button went down on
    QString m_clickedKey;     // the node the node click routine ran on last
    frmSelector *m_selector = nullptr;  // the move chooser, while it is shown
};
