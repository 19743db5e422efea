#include "tree/ctlTree.h"

#include "core/Prompts.h"
#include "ui/Twips.h"
#include "core/Version.h"
#include "ui/modMainUi.h"
#include "store/Connection.h"
#include "store/DbError.h"
#include "store/Ids.h"
#include "store/Recordset.h"
#include "store/modADO.h"
#include "store/modMain.h"
#include "ui/ComboBoxTarget.h"
#include "tree/NodeKeys.h"
#include "tree/TreeControl.h"
#include "tree/TreeViewTarget.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolBar>

#include <algorithm>

namespace {

const QString PathSeparator = QStringLiteral("||");
const QString RootKey = NodeKeys::root();

// Lengths of the top area, in twips.
constexpr double FrameHeight = 340;       // category frame; the tree starts below it
constexpr double SearchFrameHeight = 370; // search frame, below the category frame
constexpr double ToolbarWidth = 600;
constexpr double GoButtonWidth = 360;

// Text as stored: a null text would be stored as NULL, so it becomes the empty text.
QString storedText(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

int px(double twips)
{
    return std::max(0, Twips::ToPixels(twips));
}

}  // namespace

ctlTree::ctlTree(Prompts &prompts, QWidget *parent) : QWidget(parent), m_prompts(prompts)
{
    buildImages();
    buildControls();
    m_nodes = std::make_unique<TreeViewTarget>(*tvw, imlTree);
    buildMenus();
    connectDrops();
    layoutControls();
}

ctlTree::~ctlTree() = default;

void ctlTree::buildImages()
{
    imlTree.add(QIcon::fromTheme(QStringLiteral("folder")));            // 1 folder
    imlTree.add(QIcon::fromTheme(QStringLiteral("folder-open")));       // 2 folder, expanded
    imlTree.add(QIcon());                                               // 3 not used by the tree
    imlTree.add(QIcon::fromTheme(QStringLiteral("text-x-generic")));    // 4 file
    imlTree.add(QIcon::fromTheme(QStringLiteral("drive-harddisk")));    // 5 root: the store
}

void ctlTree::buildControls()
{
    fFrame = new QFrame(this);
    fFrame->setObjectName(QStringLiteral("fFrame"));
    fFrame->setAccessibleName(QStringLiteral("Categories"));

    cbo = new QComboBox(fFrame);
    cbo->setObjectName(QStringLiteral("cbo"));
    cbo->setPlaceholderText(QStringLiteral("Categories"));
    connect(cbo, &QComboBox::activated, this, &ctlTree::cbo_Click);

    tbrTools = new QToolBar(fFrame);
    tbrTools->setObjectName(QStringLiteral("tbrTools"));
    tbrTools->setMovable(false);
    tbrTools->setIconSize(QSize(16, 16));
    tbrTools->setLayoutDirection(Qt::RightToLeft);  // buttons sit at the right end
    QAction *hide = tbrTools->addAction(
        QIcon::fromTheme(QStringLiteral("window-close"), QIcon::fromTheme(QStringLiteral("process-stop"))),
        QStringLiteral("x"));
    hide->setObjectName(QStringLiteral("x"));
    hide->setToolTip(QStringLiteral("Close Tree"));
    connect(hide, &QAction::triggered, this, &ctlTree::OnHideTree);

    fSearch = new QFrame(this);
    fSearch->setObjectName(QStringLiteral("fSearch"));
    txtSearch = new QLineEdit(fSearch);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setText(QStringLiteral("Search..."));
    picGo = new QWidget(fSearch);
    picGo->setObjectName(QStringLiteral("picGo"));
    cmdGo = new QPushButton(QStringLiteral("Go"), picGo);
    cmdGo->setObjectName(QStringLiteral("cmdGo"));
    fSearch->setVisible(m_searchBox);
    buildSearchBox();

    tvw = new TreeControl(this);
    tvw->setObjectName(QStringLiteral("tvw"));
    connect(tvw, &TreeControl::nodeClick, this, &ctlTree::tvw_NodeClick);
    connect(tvw, &TreeControl::nodeMouseDown, this, &ctlTree::tvw_MouseDown);
    connect(tvw, &TreeControl::nodeMouseUp, this, &ctlTree::tvw_MouseUp);
    connect(tvw, &TreeControl::nodeDoubleClick, this, &ctlTree::tvw_DblClick);
    connect(tvw, &QTreeWidget::itemExpanded, this, &ctlTree::tvw_Expanded);
    connect(tvw, &QTreeWidget::itemCollapsed, this, &ctlTree::tvw_Expanded);

    mnuHiddenRoot = new QMenu(this);
    mnuHiddenRoot->setObjectName(QStringLiteral("mnuHiddenRoot"));
    mnuHiddenFolder = new QMenu(this);
    mnuHiddenFolder->setObjectName(QStringLiteral("mnuHiddenFolder"));
    mnuHiddenFile = new QMenu(this);
    mnuHiddenFile->setObjectName(QStringLiteral("mnuHiddenFile"));
}

// ---- properties ----

qint32 ctlTree::CategoryId() const
{
    return m_categoryId;
}

qint32 ctlTree::FolderId() const
{
    return m_folderId;
}

void ctlTree::Enabled(bool value)
{
    // The pane itself stays enabled, so that a click on it is still heard (OnControlClick).
    m_enabled = value;
    fFrame->setEnabled(value);
    fSearch->setEnabled(value);
    tvw->setEnabled(value);
}

bool ctlTree::FileOpened() const
{
    return m_fileOpened;
}

bool ctlTree::FolderSelected() const
{
    return m_folderSelected;
}

bool ctlTree::SearchBox() const
{
    return m_searchBox;
}

void ctlTree::setSearchBox(bool value)
{
    m_searchBox = value;
    fSearch->setVisible(value);
    layoutControls();
}

QString ctlTree::SearchText() const
{
    return txtSearch->text();
}

void ctlTree::setSearchText(const QString &text)
{
    txtSearch->setText(text);
    QCoreApplication::processEvents();
    modMain::SelectAllText(txtSearch);
}

bool ctlTree::CategorySelected() const
{
    return cbo->currentIndex() >= 0;
}

// ---- the tree's contents ----

void ctlTree::ClearAll()
{
    m_categoryId = 0;
    m_folderId = 0;
    m_fileId = 0;
    // No node is left, so no file or folder is selected any more.
    m_fileOpened = false;
    m_folderSelected = false;
    m_dragSourceKey.clear();
    m_clickedKey.clear();
    m_search.reset();
    m_nodes->clear();
}

void ctlTree::RemoveNode(const QString &key)
{
    if (!m_nodes->remove(key))
        return;
    m_search.reset();  // the positions after the removed node have moved
    if (!m_dragSourceKey.isEmpty() && !node(m_dragSourceKey))
        m_dragSourceKey.clear();
    tvw_NodeClick(tvw->currentItem());
}

bool ctlTree::LoadTree()
{
    ComboBoxTarget list(*cbo, [this](int index) { chooseCategory(index); });
    modMain::FillCategoryList(m_prompts, list);
    if (cbo->count() > 0) {
        chooseCategory(0);
        return true;
    }
    emit OnNoCategories();
    return false;
}

void ctlTree::ShowCategory(qint32 categoryId)
{
    const int index = cbo->findData(QVariant::fromValue(categoryId));
    if (index >= 0)
        chooseCategory(index);
}

void ctlTree::chooseCategory(int index)
{
    if (index < 0 || index >= cbo->count())
        return;
    cbo->setCurrentIndex(index);
    cbo_Click();
}

// The category change: runs whenever an item is chosen, by the user or by code, even when it
// is the item already shown.
void ctlTree::cbo_Click()
{
    const int index = cbo->currentIndex();
    if (index < 0)
        return;
    const qint32 id = cbo->itemData(index).value<qint32>();

    tvw->setUpdatesEnabled(false);
    m_nodes->beginFill();
    modMain::FillFolders(m_prompts, id, *m_nodes);
    m_nodes->endFill();
    tvw->setUpdatesEnabled(true);

    m_categoryId = id;
    m_search.reset();  // a continued pass would count positions of the old tree
    m_fileOpened = false;
    m_folderSelected = false;  // the folder clicked last is no longer in the tree
    m_dragSourceKey.clear();
    m_clickedKey.clear();
    emit OnCategoryClick(id);
    emit OnTreeClick();
}

// ---- node clicks ----

void ctlTree::tvw_NodeClick(QTreeWidgetItem *node)
{
    m_fileOpened = false;
    if (tvw->topLevelItemCount() == 0 || !node)
        return;
    m_folderSelected = false;
    const QString key = TreeViewTarget::key(node);
    const QString parentKey = TreeViewTarget::key(node->parent());
    m_clickedKey = key;
    emit OnTreeClick();

    if (NodeKeys::isFolder(key)) {
        m_folderId = NodeKeys::number(key);
        m_folderSelected = true;
        emit OnFolderClick(m_categoryId, m_folderId);
    } else if (NodeKeys::isFile(key)) {
        m_folderId = NodeKeys::number(parentKey);
        m_fileId = NodeKeys::number(key);
        m_fileOpened = true;
        emit OnFileClick(m_categoryId, m_folderId, m_fileId);
    } else {
        emit OnRootClick();
    }
    // Looked up again: the host may have changed the tree while it handled the events.
    tvw->setDropHighlight(nullptr);
    tvw->setDropHighlight(this->node(key));
}

void ctlTree::tvw_MouseDown(Qt::MouseButton button, QTreeWidgetItem *node, const QPoint &globalPos)
{
    tvw->setDropHighlight(node);
    markSelected(node);
    const QString key = TreeViewTarget::key(node);
    if (button == Qt::RightButton) {
        tvw_NodeClick(tvw->currentItem());
        popupNodeMenu(tvw->currentItem(), globalPos);
    } else if (button == Qt::LeftButton) {
        // Only a file can be dragged: onto another folder, or out of the tree.
        const bool file = NodeKeys::isFile(key);
        tvw->setDragEnabled(file);
        m_dragSourceKey = file ? key : QString();
    }
}

void ctlTree::tvw_MouseUp(bool clicked)
{
    m_dragSourceKey.clear();
    if (!clicked)
        restoreSelection();
}

void ctlTree::restoreSelection()
{
    QTreeWidgetItem *clicked = node(m_clickedKey);
    if (clicked)
        markSelected(clicked);
    tvw->setDropHighlight(clicked ? clicked : tvw->currentItem());
}

void ctlTree::tvw_DblClick(QTreeWidgetItem *node)
{
    if (!node || node != tvw->currentItem())
        return;
    const QString key = TreeViewTarget::key(node);
    if (NodeKeys::isFile(key))
        emit OnFileDoubleClick();
    else if (NodeKeys::isFolder(key))
        emit OnFolderDoubleClick();
}

void ctlTree::tvw_Expanded(QTreeWidgetItem *node)
{
    m_nodes->updateIcon(node);
}

// The place where a right click opens the menu of the node's kind.
void ctlTree::popupNodeMenu(QTreeWidgetItem *node, const QPoint &globalPos)
{
    if (!node)
        return;
    const QString key = TreeViewTarget::key(node);
    QMenu *menu = nullptr;
    if (key == RootKey)
        menu = mnuHiddenRoot;
    else if (NodeKeys::isFolder(key))
        menu = mnuHiddenFolder;
    else if (NodeKeys::isFile(key))
        menu = mnuHiddenFile;
    if (menu && !menu->isEmpty())
        menu->popup(globalPos);
}

void ctlTree::SelectRoot()
{
    tvw_NodeClick(node(RootKey));
}

bool ctlTree::SelectNode(const QString &path)
{
    if (!path.contains(PathSeparator)) {
        QTreeWidgetItem *item = node(path);
        if (!item) {
            notFound(NodeKeys::isFile(path));
            return false;
        }
        ensureVisible(item);
        markSelected(item);
        tvw_NodeClick(item);
        return true;
    }

    const QStringList parts = path.split(PathSeparator);
    const bool file = parts.size() >= 3;
    qint32 ids[3] = {0, 0, 0};
    bool valid = parts.size() <= 3;
    for (int i = 0; valid && i < parts.size(); ++i)
        ids[i] = parts.at(i).toInt(&valid);
    if (!valid) {
        notFound(file);
        return false;
    }
    const qint32 categoryId = ids[0];
    const qint32 folderId = ids[1];
    const qint32 fileId = ids[2];

    if (categoryId != m_categoryId) {
        // Asked before the category is switched, so that a stale path changes nothing.
        try {
            if (!inStore(categoryId, folderId, fileId, file)) {
                notFound(file);
                return false;
            }
        } catch (const DbError &e) {
            storeError(e.number(), e.description());
            return false;
        }
        for (int i = 0; i < cbo->count(); ++i) {
            QCoreApplication::processEvents();
            if (i < cbo->count() && cbo->itemData(i).value<qint32>() == categoryId) {
                chooseCategory(i);
                break;
            }
        }
    }

    QTreeWidgetItem *folder = node(modMain::FolderKey(folderId));
    QTreeWidgetItem *target = folder;
    if (file) {
        target = node(modMain::FileKey(fileId));
        if (target && target->parent() != folder)
            target = nullptr;
    }
    if (!folder || !target) {
        notFound(file);
        return false;
    }
    folder->setExpanded(true);
    ensureVisible(target);
    markSelected(target);
    tvw_NodeClick(target);
    return true;
}

// ---- additions to the store ----

qint32 ctlTree::AddCategory(const QString &name)
{
    qint32 newId = 0;
    try {
        Connection &conn = modADO::Conn();
        Transaction trans(conn);
        newId = modMain::AppendRow(QStringLiteral("SELECT * FROM categories"), {{"Category", storedText(name)}},
                                   QStringLiteral("SELECT MAX(category_id) FROM categories"));
        trans.commit();
    } catch (const DbError &e) {
        storeError(e.number(), e.description());
        return 0;
    }
    cbo->addItem(name.trimmed(), QVariant::fromValue(newId));
    chooseCategory(cbo->count() - 1);
    cbo->setFocus();
    return newId;
}

qint32 ctlTree::AddFolder(const QString &name)
{
    if (!node(RootKey))
        return 0;  // no category is shown
    qint32 newId = 0;
    try {
        Connection &conn = modADO::Conn();
        Transaction trans(conn);
        newId = modMain::AppendRow(QStringLiteral("SELECT * FROM directories"),
                                   {{"category_id", m_categoryId}, {"directory", storedText(name)}},
                                   QStringLiteral("SELECT MAX(directory_id) FROM directories"));
        trans.commit();
    } catch (const DbError &e) {
        storeError(e.number(), e.description());
        return 0;
    }
    // No expanded image: the folder gets one at the next fill.
    QTreeWidgetItem *item = m_nodes->add(RootKey, modMain::FolderKey(newId), name, modMain::ImageFolder);
    if (item) {
        ensureVisible(item);
        markSelected(item);
        tvw_NodeClick(item);
        tvw->setFocus();
    }
    return newId;
}

qint32 ctlTree::AddNode(qint32 categoryId, qint32 folderId, const QString &title, const QString &tab)
{
    const QString folderKey = modMain::FolderKey(folderId);
    if (categoryId != m_categoryId || folderId != m_folderId) {
        if (!SelectNode(Ids::Text(categoryId) + PathSeparator + Ids::Text(folderId)))
            return 0;
    } else if (!node(folderKey)) {
        notFound(false);
        return 0;
    }

    // The file row and its tab row are stored together or not at all.
    qint32 newId = 0;
    try {
        Connection &conn = modADO::Conn();
        Transaction trans(conn);
        newId = modMain::AppendRow(QStringLiteral("SELECT * FROM file"),
                                   {{"directory_id", folderId}, {"FileName", storedText(title)}},
                                   QStringLiteral("SELECT MAX(file_id) FROM file"));
        modMain::AppendRow(QStringLiteral("SELECT * FROM tablature"),
                           {{"file_id", newId}, {"Tab", storedText(tab)}, {"Notes", QStringLiteral("")}});
        trans.commit();
    } catch (const DbError &e) {
        storeError(e.number(), e.description());
        return 0;
    }

    QTreeWidgetItem *item = m_nodes->add(folderKey, modMain::FileKey(newId), title, modMain::ImageFile);
    if (item) {
        ensureVisible(item);
        markSelected(item);
        tvw_NodeClick(item);
    }
    if (tab.isEmpty())
        emit OnFileAdd();
    return newId;
}

// ---- helpers ----

QTreeWidgetItem *ctlTree::node(const QString &key) const
{
    return m_nodes->node(key);
}

void ctlTree::ensureVisible(QTreeWidgetItem *item)
{
    for (QTreeWidgetItem *p = item->parent(); p; p = p->parent())
        p->setExpanded(true);
    tvw->scrollToItem(item);
}

void ctlTree::markSelected(QTreeWidgetItem *item)
{
    if (item)
        tvw->setCurrentItem(item);
}

// Whether the folder belongs to the category and, with withFile, the file to the folder.
bool ctlTree::inStore(qint32 categoryId, qint32 folderId, qint32 fileId, bool withFile)
{
    Recordset rs;
    rs.Open(QStringLiteral("SELECT directory_id FROM directories WHERE directory_id=") + Ids::Text(folderId) +
                QStringLiteral(" AND category_id=") + Ids::Text(categoryId),
            modADO::Conn(), CursorType::ForwardOnly, LockType::ReadOnly);
    bool found = !rs.Eof();
    rs.Close();
    if (found && withFile) {
        rs.Open(QStringLiteral("SELECT file_id FROM file WHERE file_id=") + Ids::Text(fileId) +
                    QStringLiteral(" AND directory_id=") + Ids::Text(folderId),
                modADO::Conn(), CursorType::ForwardOnly, LockType::ReadOnly);
        found = !rs.Eof();
        rs.Close();
    }
    return found;
}

void ctlTree::notFound(bool file)
{
    m_prompts.message(file ? QStringLiteral("The file could not be found.")
                           : QStringLiteral("The folder could not be found."),
                      QString::fromLatin1(chordex::AppTitle), Prompts::Icon::Exclamation, Prompts::Buttons::Ok,
                      Prompts::Answer::Ok);
}

void ctlTree::storeError(long number, const QString &description)
{
    m_prompts.errorReport(number, description, QString::fromLatin1(chordex::AppTitle));
}

// ---- layout and the pane's own clicks ----

void ctlTree::layoutControls()
{
    const double w = Twips::FromPixels(width());
    const double h = Twips::FromPixels(height());

    fFrame->setGeometry(0, 0, px(w - 10), px(FrameHeight));
    // The toolbar is as wide as its buttons need (the search and close buttons), at the right.
    const int toolsWidth = std::max(px(ToolbarWidth), tbrTools->sizeHint().width());
    const int toolsLeft = px(w - 10) - toolsWidth;
    tbrTools->setGeometry(toolsLeft, 0, toolsWidth, px(FrameHeight));
    if (toolsLeft - px(60) > 0)
        cbo->setGeometry(0, 0, toolsLeft - px(60), px(FrameHeight));

    fSearch->setGeometry(0, px(FrameHeight), px(w - 10), px(SearchFrameHeight));
    if (w - 420 > 0)
        txtSearch->setGeometry(0, 0, px(w - 420), px(SearchFrameHeight - 30));
    picGo->setGeometry(txtSearch->geometry().right() + 1 + px(30), 0, px(GoButtonWidth), px(SearchFrameHeight - 30));
    cmdGo->setGeometry(0, 0, picGo->width(), picGo->height());

    const double top = m_searchBox ? FrameHeight + SearchFrameHeight : FrameHeight;
    tvw->setGeometry(px(10), px(top + 20), px(w - 30), px(h - (top + 30)));
}

void ctlTree::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutControls();
}

void ctlTree::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit OnControlClick(m_enabled);
    event->accept();
}
