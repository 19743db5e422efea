#include "mainwindow/frmMain.h"

#include "core/EditMode.h"
#include "core/Prompts.h"
#include "details/ctlDetails.h"
#include "splitter/Splitter.h"
#include "store/modADO.h"
#include "tree/ctlTree.h"
#include "view/ctlView.h"

#include <QMenuBar>
#include <QToolBar>

namespace {

struct ButtonEntry
{
    const char *key;  // null for a separator
    const char *tooltip;
    int image;
};

// The toolbar, position 1 first.
const ButtonEntry Buttons[27] = {
    {"db", "Chordexs", 5},
    {"savetochordex", "Save To Chordex", 16},
    {nullptr, nullptr, 0},
    {"category", "Add Category", 19},
    {"folder", "Add Folder", 1},
    {nullptr, nullptr, 0},
    {"open", "Open File", 18},
    {"new", "New Chordex File", 12},
    {"edit", "Edit", 6},
    {"delete", "Delete", 14},
    {nullptr, nullptr, 0},
    {"cancel", "Cancel Edit", 20},
    {"save", "Save", 7},
    {nullptr, nullptr, 0},
    {"cut", "Cut", 8},
    {"copy", "Copy", 9},
    {"paste", "Paste", 10},
    {nullptr, nullptr, 0},
    {"find", "Find In Document", 11},
    {"search", "Search Chordex", 13},
    {nullptr, nullptr, 0},
    {"bookmark", "Bookmark", 15},
    {"maint", "Category/Folder Maintenance", 17},
    {nullptr, nullptr, 0},
    {"print", "Print Tab File", 21},
    {nullptr, nullptr, 0},
    {"help", "Help", 22},
};

// imlTools: image number -> icon of the installed theme.
QIcon toolImage(int image)
{
    static const char *const names[] = {
        nullptr,                  // 0
        "folder-new",             // 1 add folder
        nullptr, nullptr, nullptr,
        "x-office-address-book",  // 5 stores
        "accessories-text-editor",  // 6 edit
        "document-save",          // 7 save
        "edit-cut",               // 8
        "edit-copy",              // 9
        "edit-paste",             // 10
        "edit-find",              // 11 find in document
        "document-new",           // 12 new file
        "system-search",          // 13 search the store
        "edit-delete",            // 14 delete
        "bookmark-new",           // 15 bookmark
        "document-save-as",       // 16 save to store
        "preferences-system",     // 17 maintenance
        "document-open",          // 18 open file
        "list-add",               // 19 add category
        "process-stop",           // 20 cancel edit
        "document-print",         // 21 print
        "help-browser",           // 22 help
    };
    if (image <= 0 || image > 22 || !names[image])
        return {};
    return QIcon::fromTheme(QString::fromLatin1(names[image]));
}

}  // namespace

QAction *frmMain::addCommand(QMenu *menu, const QString &caption, const QKeySequence &shortcut,
                             void (frmMain::*handler)())
{
    QAction *a = menu->addAction(caption);
    a->setShortcut(shortcut);
    if (handler)
        connect(a, &QAction::triggered, this, handler);
    return a;
}

void frmMain::buildMenus()
{
    QMenuBar *bar = menuBar();
    mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuFileChordex = addCommand(mnuFile, QStringLiteral("Open Chordex..."), QKeySequence(QStringLiteral("Ctrl+O")), nullptr);
    mnuFileAddCategory = addCommand(mnuFile, QStringLiteral("Add Category..."), {}, &frmMain::mnuFileAddCategory_Click);
    mnuFileAddFolder = addCommand(mnuFile, QStringLiteral("Add Folder"), {}, &frmMain::mnuFileAddFolder_Click);
    mnuFile->addSeparator();
    mnuFileDeleteFolder = addCommand(mnuFile, QStringLiteral("Delete Folder"), {}, &frmMain::mnuFileDeleteFolder_Click);
    mnuFileDeleteFile = addCommand(mnuFile, QStringLiteral("Delete File"), {}, &frmMain::mnuFileDeleteFile_Click);
    mnuFile->addSeparator();
    mnuFileOpen = addCommand(mnuFile, QStringLiteral("Open File..."), {}, nullptr);
    mnuFileNew = addCommand(mnuFile, QStringLiteral("New Tab File..."), {}, &frmMain::mnuFileNew_Click);
    mnuFile->addSeparator();
    mnuFileSaveToChordex = addCommand(mnuFile, QStringLiteral("Save File To Chordex..."), {}, nullptr);
    mnuFileSaveAs = addCommand(mnuFile, QStringLiteral("Save As..."), {}, nullptr);
    mnuFileSave = addCommand(mnuFile, QStringLiteral("Save"), QKeySequence(QStringLiteral("Ctrl+S")), &frmMain::mnuFileSave_Click);
    mnuFileEdit = addCommand(mnuFile, QStringLiteral("Edit"), QKeySequence(QStringLiteral("Ctrl+E")), &frmMain::mnuFileEdit_Click);
    mnuFileCancel = addCommand(mnuFile, QStringLiteral("Cancel Edit"), {}, &frmMain::mnuFileCancel_Click);
    mnuFile->addSeparator();
    mnuFilePrint = addCommand(mnuFile, QStringLiteral("&Print..."), QKeySequence(QStringLiteral("Ctrl+P")), nullptr);
    mnuFile->addSeparator();
    mnuFileExit = addCommand(mnuFile, QStringLiteral("E&xit"), {}, &frmMain::mnuFileExit_Click);

    mnuEdit = bar->addMenu(QStringLiteral("Edit"));
    mnuEditUndo = addCommand(mnuEdit, QStringLiteral("&Undo"), QKeySequence(QStringLiteral("Ctrl+Z")), nullptr);
    mnuEditRedo = addCommand(mnuEdit, QStringLiteral("&Redo"), QKeySequence(QStringLiteral("Ctrl+Y")), nullptr);
    mnuEdit->addSeparator();
    mnuEditCut = addCommand(mnuEdit, QStringLiteral("Cut"), QKeySequence(QStringLiteral("Ctrl+X")), &frmMain::mnuEditCut_Click);
    mnuEditCopy = addCommand(mnuEdit, QStringLiteral("&Copy"), QKeySequence(QStringLiteral("Ctrl+C")), &frmMain::mnuEditCopy_Click);
    mnuEditPaste = addCommand(mnuEdit, QStringLiteral("&Paste"), QKeySequence(QStringLiteral("Ctrl+V")), nullptr);
    mnuEdit->addSeparator();
    mnuEditFind = addCommand(mnuEdit, QStringLiteral("&Find..."), QKeySequence(QStringLiteral("Ctrl+F")), nullptr);
    mnuEditFindNext = addCommand(mnuEdit, QStringLiteral("Find &Next..."), QKeySequence(QStringLiteral("F3")), nullptr);
    mnuFindPrevious = addCommand(mnuEdit, QStringLiteral("Find &Previous..."), QKeySequence(QStringLiteral("Ctrl+F3")), nullptr);
    mnuEditReplace = addCommand(mnuEdit, QStringLiteral("&Replace..."), QKeySequence(QStringLiteral("Ctrl+H")), nullptr);
    mnuEdit->addSeparator();
    mnuEditSelectAll = addCommand(mnuEdit, QStringLiteral("Select &All"), QKeySequence(QStringLiteral("Ctrl+A")), nullptr);
    mnuEdit->addSeparator();
    mnuEditSearch = addCommand(mnuEdit, QStringLiteral("&Search..."), {}, nullptr);

    mnuView = bar->addMenu(QStringLiteral("View"));
    mnuViewTree = addCommand(mnuView, QStringLiteral("Tree"), {}, nullptr);
    mnuViewDetails = addCommand(mnuView, QStringLiteral("Details"), {}, nullptr);
    for (QAction *entry : {mnuViewTree, mnuViewDetails})
        entry->setCheckable(true);
    // The toggles read the check mark as it was before the click, so undo Qt's own toggling.
    connect(mnuViewTree, &QAction::triggered, this, [this](bool checked) {
        mnuViewTree->setChecked(!checked);
        mnuViewTree_Click();
    });
    connect(mnuViewDetails, &QAction::triggered, this, [this](bool checked) {
        mnuViewDetails->setChecked(!checked);
        mnuViewDetails_Click();
    });

    mnuBookmarks = bar->addMenu(QStringLiteral("Bookmarks"));
    mnuBookmarkFile = addCommand(mnuBookmarks, QStringLiteral("Bookmark..."), QKeySequence(QStringLiteral("Ctrl+B")), nullptr);
    mnuBookmarks->addSeparator();
    mnuEditBookmark = addCommand(mnuBookmarks, QStringLiteral("Edit Bookmark..."), {}, nullptr);
    mnuBookmarkDelete = addCommand(mnuBookmarks, QStringLiteral("Delete Bookmark"), {}, nullptr);

    mnuTools = bar->addMenu(QStringLiteral("Tools"));
    mnuMaintenance = addCommand(mnuTools, QStringLiteral("Maintenance..."), QKeySequence(QStringLiteral("Ctrl+M")), nullptr);
    mnuToolsOptions = addCommand(mnuTools, QStringLiteral("Options..."), {}, nullptr);

    mnuHelp = bar->addMenu(QStringLiteral("Help"));
    mnuHelpContents = addCommand(mnuHelp, QStringLiteral("Contents..."), {}, nullptr);
    mnuHelpSearch = addCommand(mnuHelp, QStringLiteral("Search..."), {}, nullptr);
    mnuHelp->addSeparator();
    mnuHelpTOD = addCommand(mnuHelp, QStringLiteral("Tip Of The Day..."), {}, nullptr);
    mnuHelp->addSeparator();
    mnuHelpAbout = addCommand(mnuHelp, QStringLiteral("&About"), {}, nullptr);
}

void frmMain::buildToolbar()
{
    for (int pos = 1; pos <= 27; ++pos) {
        const ButtonEntry &entry = Buttons[pos - 1];
        if (!entry.key) {
            tbr->addSeparator();
            continue;
        }
        QAction *button = tbr->addAction(QString::fromLatin1(entry.tooltip));
        button->setData(QString::fromLatin1(entry.key));
        button->setToolTip(QString::fromLatin1(entry.tooltip));
        m_buttons[std::size_t(pos)] = button;
    }
    connect(tbr, &QToolBar::actionTriggered, this, &frmMain::tbr_ButtonClick);
}

void frmMain::SetupToolbar()
{
    Splitter1->setSplitPercent(70);
    Splitter2->setSplitPercent(27);
    for (int pos = 1; pos <= 27; ++pos) {
        if (QAction *button = m_buttons[std::size_t(pos)])
            button->setIcon(toolImage(Buttons[pos - 1].image));
    }
}

QAction *frmMain::tbrButton(int position) const
{
    return position >= 1 && position <= 27 ? m_buttons[std::size_t(position)] : nullptr;
}

QAction *frmMain::tbrButton(const QString &key) const
{
    for (QAction *button : m_buttons) {
        if (button && button->data().toString() == key)
            return button;
    }
    return nullptr;
}

void frmMain::setButtons(std::initializer_list<int> positions, bool enabled)
{
    for (int pos : positions)
        tbrButton(pos)->setEnabled(enabled);
}

void frmMain::tbr_ButtonClick(QAction *button)
{
    if (!button || !button->isEnabled())
        return;
    const QString key = button->data().toString();
    const std::pair<const char *, QAction *> routes[] = {
        {"db", mnuFileChordex},       {"savetochordex", mnuFileSaveToChordex},
        {"category", mnuFileAddCategory}, {"folder", mnuFileAddFolder},
        {"open", mnuFileOpen},        {"new", mnuFileNew},
        {"edit", mnuFileEdit},        {"delete", nullptr},
        {"cancel", mnuFileCancel},    {"save", mnuFileSave},
        {"cut", mnuEditCut},          {"copy", mnuEditCopy},
        {"paste", mnuEditPaste},      {"find", mnuEditFind},
        {"search", mnuEditSearch},    {"bookmark", mnuBookmarkFile},
        {"maint", mnuMaintenance},    {"print", mnuFilePrint},
        {"help", mnuHelpContents},
    };
    for (const auto &route : routes) {
        if (key != QLatin1String(route.first))
            continue;
        if (!route.second) {
            if (button->toolTip() == QLatin1String("Delete Folder"))
                mnuFileDeleteFolder_Click();
            else
                mnuFileDeleteFile_Click();
        } else {
            // The button runs the command's handler, whatever the menu entry's enabled state.
            emit route.second->triggered(route.second->isChecked());
        }
        return;
    }
}

void frmMain::RefreshCommands()
{
    mnuFileChordex->setEnabled(true);
    tbrButton(1)->setEnabled(true);
    for (QAction *a : {mnuFileAddCategory, mnuFileAddFolder, mnuFileDeleteFile, mnuFileDeleteFolder, mnuFileOpen,
                       mnuFileNew, mnuFileSaveToChordex, mnuFileSaveAs, mnuFileEdit, mnuFileSave, mnuFileCancel,
                       mnuFilePrint, mnuEditCut, mnuEditCopy, mnuEditPaste, mnuEditFind, mnuEditSearch,
                       mnuBookmarkFile, mnuBookmarkDelete, mnuEditBookmark, mnuMaintenance, mnuEditReplace,
                       mnuEditUndo, mnuEditRedo})
        a->setEnabled(false);
    setButtons({2, 4, 5, 7, 8, 9, 12, 13, 10, 15, 16, 17, 19, 20, 22, 23, 25}, false);
    tbrButton(10)->setToolTip(QStringLiteral("Delete"));

    if (modADO::NoStoreOpen())
        return;
    for (QAction *a : {mnuFileAddCategory, mnuFileOpen, mnuFileNew, mnuEditSearch, mnuMaintenance})
        a->setEnabled(true);
    setButtons({4, 20, 7, 8, 23}, true);

    // The file commands need the file's document: a file whose text could not be read has none.
    if (ctlTree1->FileOpened() && objTablature) {
        for (QAction *a : {mnuBookmarkFile, mnuFileSaveAs, mnuEditFind, mnuFileDeleteFile, mnuFileEdit})
            a->setEnabled(true);
        tbrButton(10)->setEnabled(true);
        tbrButton(10)->setToolTip(QStringLiteral("Delete File"));
        setButtons({22, 19, 9, 25}, true);
        mnuFilePrint->setEnabled(true);
        ctlView1->SetUndoRedo();
    }
    if (ctlTree1->CategorySelected()) {
        mnuFileAddFolder->setEnabled(true);
        tbrButton(5)->setEnabled(true);
    }
    if (ctlTree1->FolderSelected()) {
        mnuFileDeleteFolder->setEnabled(true);
        tbrButton(10)->setEnabled(true);
        tbrButton(10)->setToolTip(QStringLiteral("Delete Folder"));
    }
}

void frmMain::mnuFileEdit_Click()
{
    setButtons({1, 7, 8, 9, 20, 22}, false);
    for (QAction *a : {mnuBookmarkFile, mnuFileChordex, mnuFileOpen, mnuFileNew, mnuFileEdit, mnuEditSearch,
                       mnuFileSaveAs})
        a->setEnabled(false);
    tbrButton(12)->setEnabled(true);
    mnuFileCancel->setEnabled(true);
    mnuEditReplace->setEnabled(true);
    ctlView1->EditCurrent(true);
    ctlView1->SetUndoRedo();
}

void frmMain::mnuFileCancel_Click()
{
    ctlView1->EditCurrent(false);
}

void frmMain::mnuFileSave_Click()
{
    ctlView1->SaveCurrent();
}

void frmMain::mnuFileAddCategory_Click()
{
    if (!EndEditFirst())
        return;
    const QString name = m_prompts.input(QStringLiteral("Add Category..."), QStringLiteral("Category"),
                                         QStringLiteral("Category")).trimmed();
    if (!name.isEmpty())
        guard([&] { ctlTree1->AddCategory(name); });
}

void frmMain::mnuFileAddFolder_Click()
{
    if (!EndEditFirst())
        return;
    const QString name = m_prompts.input(QStringLiteral("Add Folder..."), QStringLiteral("Folder"),
                                         QStringLiteral("Folder")).trimmed();
    if (!name.isEmpty())
        guard([&] { ctlTree1->AddFolder(name); });
}

void frmMain::mnuEditCut_Click()
{
    ctlView1->Cut();
    mnuEditPaste->setEnabled(true);
    tbrButton(17)->setEnabled(true);
}

void frmMain::mnuEditCopy_Click()
{
    ctlView1->Copy();
    mnuEditPaste->setEnabled(true);
    tbrButton(17)->setEnabled(true);
}

void frmMain::mnuFileDeleteFolder_Click()
{
    if (!EndEditFirst())
        return;
    // The folder delete flow arrives with the tree's editing commands.
}

void frmMain::mnuFileDeleteFile_Click()
{
    if (!EndEditFirst())
        return;
}
