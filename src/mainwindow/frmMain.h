#pragma once

#include "store/CollectionExport.h"
#include "store/CollectionImport.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

class Prompts;
class QAction;
class QMenu;
class QTimer;
class QToolBar;
class Splitter;
class clsTablature;
class ctlBrowser;
class frmHelp;
class ctlDetails;
class frmBookmark;
class frmSearch;
class frmSelector;
class ctlTree;
class ctlView;
class frmDatabase;
class frmMaintenance;

// The main window: owns the panes, the document object of the selected file and the dialogs,
// answers every pane event and keeps the command set current. Its code is split by concern:
// frmMain.cpp (start-up, window state, shutdown), frmMainCommands.cpp (menus, toolbar and their
// enabling), frmMainSelection.cpp (selection and editing), frmMainStores.cpp (store manager and
// maintenance), frmMainFiles.cpp (disk files in and out, printing), frmMainChanges.cpp (deletes,
// renames and moves), frmMainNewFile.cpp (new files through the chooser), frmMainHelp.cpp (help,
// tips, options and about), frmMainCollection.cpp (whole collections in and out).
class frmMain final : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMain(Prompts &prompts, QWidget *parent = nullptr);
    ~frmMain() override;

    // Start-up, stores and window state
    void OpenStore(const QString &filePath, const QString &displayName);
    void OpenDefaultStore();
    void ClearPanes();
    void Form_Activate();  // the first activation arms tmrDB
    void mnuViewTree_Click();
    void mnuViewDetails_Click();
    void mnuFileExit_Click();

    // The store manager and the maintenance dialog (frmMainStores.cpp)
    void mnuFileChordex_Click();
    void mnuMaintenance_Click();
    void DatabaseForm_OnOpen(const QString &filePath, const QString &displayName);
    void DatabaseForm_OnUnload();
    void MaintForm_OnUnload(bool changed);
    void ctlTree_OnNoCategories();
    QPointer<frmDatabase> DatabaseForm;  // set while the store manager is loaded
    QPointer<frmMaintenance> MaintForm;  // set while the maintenance dialog is loaded

    // Commands
    void RefreshCommands();
    void SetupToolbar();
    void tbr_ButtonClick(QAction *button);
    QAction *tbrButton(int position) const;  // 1-based; null for separators
    QAction *tbrButton(const QString &key) const;
    void mnuFileEdit_Click();
    void mnuFileAddCategory_Click();
    void mnuFileAddFolder_Click();
    void mnuFileSave_Click();
    void mnuFileCancel_Click();
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuFileDeleteFolder_Click();
    void mnuFileDeleteFile_Click();

    // Every command or click that changes the selection, reloads a pane or replaces the
    // document calls this first. While a file is being edited it leaves edit mode, asking the
    // save question when the text changed (Yes saves, No discards). False when the user
    // cancelled or the save failed: the command must then do nothing.
    bool EndEditFirst();

    // Search and bookmarks (frmMainSearch.cpp, frmMainBookmarks.cpp). mnuBookmarkFile_Click is
    // also the answer to the tree's OnBookmarkFile.
    void mnuEditSearch_Click();
    void mnuBookmarkFile_Click();
    void mnuEditBookmark_Click();
    void mnuBookmarkDelete_Click();
    void ctlDetails_OnBookmarkEdit(qint32 bookmarkId);
    void ctlDetails_OnDelete(qint32 bookmarkId);
    void ctlDetails_OnSearchClick(const QString &treePath);
    void SearchForm_OnSearch(const QString &searchText, qint16 inTitles, qint16 inTab, qint16 inNotes);
    QPointer<frmSearch> SearchForm;      // while the search dialog exists
    QPointer<frmBookmark> BookmarkForm;  // while the bookmark dialog is shown

    // Files in and out: open a disk file for editing, export, print (frmMainFiles.cpp)
    void mnuFileOpen_Click();
    bool ImportFile(const QString &path);
    void mnuFileSaveAs_Click();
    bool ExportFile(const QString &path);
    void mnuFileSaveToChordex_Click();
    void mnuFilePrint_Click();

    // Help, tips, options and about (frmMainHelp.cpp)
    void mnuHelpContents_Click();
    void mnuHelpSearch_Click();
    void mnuHelpAbout_Click();
    void mnuToolsOptions_Click();
    void ShowTips();
    // Shows the tip of the day when the setting "TOD" says so; run once the window shows.
    void ShowStartupTips();
    frmHelp *HelpForm = nullptr;  // the help window, made when first asked for

    // New files through the destination chooser (frmMainNewFile.cpp).
    struct NewFile
    {
        bool made = false;  // false when the user cancelled or the store refused the file
        qint32 categoryId = 0;
        qint32 folderId = 0;
        qint32 fileId = 0;
    };
    // Ends edit mode first (the save question), then asks for category, folder and title with
    // the chooser in add mode, proposing proposedTitle, and creates the file through the tree,
    // which selects it. With empty tabText the new file is empty and goes into edit mode (the
    // edit timer); otherwise it is stored holding tabText in one step and shown. Callers that
    // go on to write into the new file must check made: after a Cancel nothing was created.
    NewFile NewTabFile(const QString &proposedTitle = QString(), const QString &tabText = QString());
    void mnuFileNew_Click();
    frmSelector *SelectorForm = nullptr;  // set only while the chooser is shown
    bool PendingImport = false;           // true only while the chooser is shown for given text
    QString PendingImportText;

    // The panes, the splitters and the timers
    ctlTree *ctlTree1 = nullptr;
    ctlDetails *ctlDetails1 = nullptr;
    ctlView *ctlView1 = nullptr;
    ctlBrowser *ctlBrowser1 = nullptr;  // on the view's third page
    Splitter *Splitter1 = nullptr;
    Splitter *Splitter2 = nullptr;
    QWidget *picToolBar = nullptr;
    QToolBar *tbr = nullptr;
    QTimer *tmrDB = nullptr;
    QTimer *tmr = nullptr;
    std::unique_ptr<clsTablature> objTablature;

    // Menus and their commands
    QMenu *mnuFile = nullptr;
    QAction *mnuFileChordex = nullptr;
    QAction *mnuFileAddCategory = nullptr;
    QAction *mnuFileAddFolder = nullptr;
    QAction *mnuFileDeleteFolder = nullptr;
    QAction *mnuFileDeleteFile = nullptr;
    QAction *mnuFileOpen = nullptr;
    QAction *mnuFileNew = nullptr;
    QAction *mnuFileSaveToChordex = nullptr;
    QAction *mnuFileSaveAs = nullptr;
    QAction *mnuFileSave = nullptr;
    QAction *mnuFileEdit = nullptr;
    QAction *mnuFileCancel = nullptr;
    QAction *mnuFilePrint = nullptr;
    QAction *mnuFileExit = nullptr;
    QMenu *mnuEdit = nullptr;
    QAction *mnuEditUndo = nullptr;
    QAction *mnuEditRedo = nullptr;
    QAction *mnuEditCut = nullptr;
    QAction *mnuEditCopy = nullptr;
    QAction *mnuEditPaste = nullptr;
    QAction *mnuEditFind = nullptr;
    QAction *mnuEditFindNext = nullptr;
    QAction *mnuFindPrevious = nullptr;
    QAction *mnuEditReplace = nullptr;
    QAction *mnuEditSelectAll = nullptr;
    QAction *mnuEditSearch = nullptr;
    QMenu *mnuView = nullptr;
    QAction *mnuViewTree = nullptr;
    QAction *mnuViewDetails = nullptr;
    QMenu *mnuBookmarks = nullptr;
    QAction *mnuBookmarkFile = nullptr;
    QAction *mnuEditBookmark = nullptr;
    QAction *mnuBookmarkDelete = nullptr;
    QMenu *mnuTools = nullptr;
    QAction *mnuMaintenance = nullptr;
    QAction *mnuToolsOptions = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuHelpContents = nullptr;
    QAction *mnuHelpSearch = nullptr;
    QAction *mnuHelpTOD = nullptr;
    QAction *mnuHelpAbout = nullptr;

    // Whole collections in and out (frmMainCollection.cpp)
    QAction *mnuFileImportFolder = nullptr;
    QAction *mnuFileExportFolder = nullptr;
    QAction *mnuFileExportCategory = nullptr;
    QAction *mnuFileExportChordex = nullptr;
    QAction *mnuFileSongbook = nullptr;
    void mnuFileImportFolder_Click();
    void mnuFileExportFolder_Click();
    void mnuFileExportCategory_Click();
    void mnuFileExportChordex_Click();
    void mnuFileSongbook_Click();
    // Imports folders and files into a category with a progress dialog, then shows the
    // category and the report. Files given directly go to folderId when it is not 0.
    void ImportPaths(qint32 categoryId, const QStringList &paths, qint32 folderId,
                     const CollectionImport::Options &options);

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // frmMain.cpp
    void buildPanes();
    void layoutClientArea();
    void togglePane(QAction *entry, QWidget *pane, Splitter *splitter, const QString &key,
                    int hiddenSplit, int defaultSplit);
    void Form_Unload();
    bool guard(const std::function<void()> &work);  // reports store errors; false on one

    // frmMainCommands.cpp
    void buildMenus();
    void buildToolbar();
    QAction *addCommand(QMenu *menu, const QString &caption, const QKeySequence &shortcut,
                        void (frmMain::*handler)());
    void setButtons(std::initializer_list<int> positions, bool enabled);

    // frmMainBrowser.cpp
    void buildBrowser();
    void ctlView_DirectImport(const QString &address, const QString &title, const QString &text);

    // frmMainFiles.cpp
    void connectFiles();

    // frmMainStores.cpp
    void connectStores();
    // frmMainHelp.cpp
    void connectHelpCommands();
    void showHelp(bool index);

    // frmMainSelection.cpp
    void connectPanes();
    void ctlTree_OnRootClick();
    void ctlTree_OnTreeClick();
    void ctlTree_OnCategoryClick(qint32 categoryId);
    void ctlTree_OnFolderClick(qint32 categoryId, qint32 folderId);
    void ctlTree_OnFileClick(qint32 categoryId, qint32 folderId, qint32 fileId);
    void ctlTree_OnFileAdd();
    void ctlDetails_OnDetailsClicked();
    void ctlDetails_OnBookmarkClick(const QString &treePath);
    void ctlView_OnChange();
    void ctlView_OnEnableCutCopy(bool present);
    void ctlView_UpdateUndoRedo(bool canUndo, bool canRedo);
    void ctlView_OnSaveChanges(const QString &tab, const QString &notes);
    void ctlView_OnSaveFileChanges();
    void ctlView_OnEditComplete();
    void objTablature_OnTabSelect();
    void releaseDocument();

    // frmMainSearch.cpp, frmMainBookmarks.cpp
    void connectSearchAndBookmarks();
    void connectDocument(clsTablature &doc);  // its bookmark events update the details pane
    void stopSearch();                         // closes the dialog and ends a running search
    void selectFirstMatch(const QString &treePath);
    void enablePanes(bool enabled);

    // frmMainCollection.cpp
    void buildCollectionCommands();
    void connectCollection();
    void refreshCollectionCommands();
    void exportScope(const CollectionExport::Scope &scope);
    void songbookScope(const CollectionExport::Scope &scope);
    bool m_importing = false;

    // frmMainChanges.cpp
    void connectChanges();
    void showTreeAsStored();
    void ctlTree_OnFileDelete(qint32 fileId);
    void ctlTree_OnFileRename(const QString &newTitle);
    void ctlTree_OnRemoveBookmark(const QString &treePath);
    void ctlTree_OnFolderDelete(qint32 folderId, const QString &fileFilter);
    void ctlTree_OnFolderRename(qint32 categoryId, qint32 folderId, const QString &newName);
    void ctlTree_OnFileDragDrop(qint32 newFolderId, qint32 fileId, qint32 oldFolderId);
    void ctlTree_OnFileDragDropCat(qint32 newCategoryId, qint32 newFolderId, qint32 fileId, qint32 oldFolderId,
                                   qint32 oldCategoryId);
    void ctlTree_OnMoveCatFolder(qint32 newCategoryId, qint32 folderId, qint32 oldCategoryId);

    // frmMainNewFile.cpp
    void SelectorForm_OnAddNew(qint32 categoryId, qint32 folderId, const QString &title);

    Prompts &m_prompts;
    std::array<QAction *, 28> m_buttons{};  // toolbar positions 1..27; null for separators
    bool m_activated = false;
    bool m_unloaded = false;
    NewFile m_newFile;  // what the chooser shown by NewTabFile made
    QStringList m_bookmarksOfDeletedFolder;  // gathered from the tree before a folder delete
};
