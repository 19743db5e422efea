#pragma once

#include <QMetaObject>
#include <QWidget>

#include <array>
#include <functional>

class Prompts;
class QAction;
class QLabel;
class QMenu;
class QTabBar;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

// The pane below the tree and the view: the bookmark list and the search result list on a
// tab strip. It turns clicks and keys on the lists into events for the main window, colours
// its captions while it has the focus, and keeps the bookmark columns' widths in the settings.
// List items carry their key and tag in column 0's data (ListViewAdapter::KeyRole, TagRole).
class ctlDetails final : public QWidget
{
    Q_OBJECT

public:
    explicit ctlDetails(Prompts &prompts, QWidget *parent = nullptr);
    ~ctlDetails() override;

    void ClearAll();
    void Enabled(bool enabled);
    bool Enabled() const;
    // Refills the bookmark list from the open store; store errors (DbError) reach the caller.
    void LoadBookmarks();
    void SelectTab(int index);  // 1 bookmarks, 2 search results; other values are ignored
    int SelectedTab() const;    // 1 or 2
    void Reset();
    void ClearBookmarks();
    void ClearSearch();
    void SearchTitle(const QString &text);

    // Keeping the bookmark list in step with the store. Keys are tree paths
    // category_id "||" directory_id "||" file_id.
    // Returns false and adds nothing when the key is already listed.
    bool AddBookmark(qint32 bookmarkId, const QString &key, const QString &categoryName,
                     const QString &folderName, const QString &fileTitle, const QString &title,
                     const QString &description);
    void UpdateBookmark(const QString &key, const QString &title, const QString &description);
    void RenameBookmarkFile(const QString &key, const QString &newTitle);
    void RemoveBookmark(const QString &key, bool keepSelection = false);
    // Returns false when the key is not listed.
    bool SelectBookmark(const QString &key);

    // The bookmark commands run by double click, Enter, Delete and the context menu.
    void EditBookmark();
    void DeleteBookmark();

    // Relabelling after folders and files moved or were renamed. Key parts are compared as
    // whole numbers. When a name cannot be read from the store the list is reloaded, so it
    // never shows a half-done change; a failing reload reaches the caller.
    void RenameBookmarkFolders(const QString &categoryFolder, const QString &newName);
    void UpdateBookmarkFolder(const QString &newPart, const QString &oldPart);
    void UpdateBookmarkFolderCat(const QString &newPath, const QString &oldPath);
    void UpdateBookmarkCategories(const QString &newCategoryId, const QString &oldCategoryId,
                                  const QString &folderId);

    // The full-text search of the open store into the result list (tab 2). It yields to the
    // event loop while rows arrive; a newer search, ClearSearch (or ClearAll, Reset) and a
    // store switch end it early, and it then returns false and reports nothing. Store errors
    // (DbError) reach the caller after the list and its label are reset.
    bool Search(const QString &searchText, bool inTitles, bool inTab, bool inNotes);
    bool Searching() const { return m_searching; }
    // How long a search reads rows between yields (50 ms; 0 yields after every row).
    void SetSearchYieldMs(int ms) { m_searchYieldMs = ms; }
    struct SearchRequest
    {
        QString text;
        bool inTitles = false;
        bool inTab = false;
        bool inNotes = false;
    };
    // The search whose results the list holds (empty text when it holds none).
    const SearchRequest &LastSearch() const { return m_lastSearch; }

    QTabBar *tbsTabs = nullptr;
    std::array<QWidget *, 2> picTabContainer{};  // [0] is tab 1, [1] is tab 2
    QLabel *lblBookmarks = nullptr;
    QLabel *lblSearchResults = nullptr;
    QTreeWidget *lvwBookmarks = nullptr;
    QTreeWidget *lvwSearchResults = nullptr;
    QToolBar *tbrTools = nullptr;
    QMenu *mnuHiddenBookmark = nullptr;
    QAction *mnuHiddenBookmarkDelete = nullptr;
    QAction *mnuHiddenBookmarkEdit = nullptr;
    QMenu *mnuSearch = nullptr;
    QAction *mnuHiddenSearchClear = nullptr;

signals:
    void OnBookmarkClick(const QString &treePath);
    void OnBookmarkEdit(qint32 bookmarkId);
    void OnSearchClick(const QString &treePath);
    void OnHideDetails();
    void OnDetailsClicked();
    void OnControlClick(bool enabled);
    void OnDelete(qint32 bookmarkId);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildBookmarkList();
    void showPanel(int tabIndex);
    void layoutPanels();
    void focusChanged(QWidget *old, QWidget *now);
    void bookmarkItemClick();
    QTreeWidgetItem *selectedBookmark() const;
    bool selectedBookmarkId(qint32 &bookmarkId) const;
    static void sortList(QTreeWidget *list, int column);
    void buildSearchList();
    bool searchListEvent(QObject *watched, QEvent *event);
    void searchItemClick();
    QTreeWidgetItem *selectedResult() const;
    // Runs `prepare` (the name look-ups), then `change` on every bookmark item; a DbError
    // from `prepare` reloads the list instead.
    void relabel(const std::function<void()> &prepare, const std::function<void(QTreeWidgetItem &)> &change);
    void readColumnWidths();
    void writeColumnWidths() const;
    bool forwardEvent(QObject *watched, QEvent *event);

    Prompts &m_prompts;
    QAction *m_closeAction = nullptr;
    std::array<long, 5> m_columnTwips{};  // the bookmark column widths as read from the settings
    QMetaObject::Connection m_focusConnection;
    bool m_hasFocus = false;
    bool m_forwarding = false;
    quint64 m_searchRun = 0;  // raised by every search and every clearing of the results
    bool m_searching = false;
    // Short enough that the count and the first rows show at once, long enough that a quick
    // search never stops for a repaint; yielding once per row costs more than reading the rows.
    int m_searchYieldMs = 50;
    SearchRequest m_lastSearch;
};
