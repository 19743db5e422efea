#include "details/ctlDetails.h"

#include "core/Prompts.h"
#include "ui/Twips.h"
#include "ui/modMainUi.h"
#include "ui/ListViewAdapter.h"
#include "store/DbError.h"
#include "store/Ids.h"
#include "store/modMain.h"
#include "store/modSettings.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QTabBar>
#include <QToolBar>
#include <QTreeWidget>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr int BookmarkColumns = 5;
constexpr std::array<int, BookmarkColumns> DefaultColumnTwips{2550, 2900, 1750, 1730, 2800};
const QString DetailSection = QStringLiteral("Detail");

QString columnKey(int column)
{
    return QStringLiteral("B_COL") + QString::number(column + 1);
}

QTreeWidget *makeReportList(QWidget *parent)
{
    auto *list = new QTreeWidget(parent);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->header()->setSectionsMovable(false);
    list->header()->setStretchLastSection(false);
    return list;
}

}  // namespace

ctlDetails::ctlDetails(Prompts &prompts, QWidget *parent) : QWidget(parent), m_prompts(prompts)
{
    tbsTabs = new QTabBar(this);
    tbsTabs->setExpanding(false);
    tbsTabs->addTab(QStringLiteral("Bookmarks"));
    tbsTabs->addTab(QStringLiteral("Chordex Search Results"));

    for (QWidget *&pic : picTabContainer)
        pic = new QWidget(this);

    lblBookmarks = new QLabel(QStringLiteral(" Bookmarks:"), picTabContainer[0]);
    lvwBookmarks = makeReportList(picTabContainer[0]);
    buildBookmarkList();

    lblSearchResults = new QLabel(QStringLiteral(" Search Results:"), picTabContainer[1]);
    lvwSearchResults = makeReportList(picTabContainer[1]);
    buildSearchList();

    tbrTools = new QToolBar(this);
    tbrTools->setIconSize(QSize(16, 16));
    tbrTools->setMovable(false);
    tbrTools->setFloatable(false);
    // Tango has no "window-close"; its "process-stop" is the same cross on red.
    const QIcon closeIcon = QIcon::fromTheme(QStringLiteral("window-close"),
                                             QIcon::fromTheme(QStringLiteral("process-stop")));
    m_closeAction = tbrTools->addAction(closeIcon, QString());
    m_closeAction->setObjectName(QStringLiteral("x"));
    m_closeAction->setData(QStringLiteral("x"));
    connect(m_closeAction, &QAction::triggered, this, &ctlDetails::OnHideDetails);

    mnuHiddenBookmark = new QMenu(this);
    mnuHiddenBookmarkDelete = mnuHiddenBookmark->addAction(QStringLiteral("Delete"));
    mnuHiddenBookmarkEdit = mnuHiddenBookmark->addAction(QStringLiteral("Edit..."));
    connect(mnuHiddenBookmarkDelete, &QAction::triggered, this, &ctlDetails::DeleteBookmark);
    connect(mnuHiddenBookmarkEdit, &QAction::triggered, this, &ctlDetails::EditBookmark);

    mnuSearch = new QMenu(this);
    mnuHiddenSearchClear = mnuSearch->addAction(QStringLiteral("Clear Search"));
    connect(mnuHiddenSearchClear, &QAction::triggered, this, &ctlDetails::ClearSearch);

    modMain::SetCaptionColours(lblBookmarks, false);
    modMain::SetCaptionColours(lblSearchResults, false);
    m_focusConnection = connect(qApp, &QApplication::focusChanged, this, &ctlDetails::focusChanged);

    connect(tbsTabs, &QTabBar::currentChanged, this, &ctlDetails::showPanel);
    tbsTabs->setCurrentIndex(0);
    showPanel(tbsTabs->currentIndex());
    layoutPanels();
}

ctlDetails::~ctlDetails()
{
    // Deleting the children moves the focus; this object must not hear of it any more.
    disconnect(m_focusConnection);
    ++m_searchRun;
    lvwSearchResults->removeEventFilter(this);
    lvwSearchResults->viewport()->removeEventFilter(this);
    lvwBookmarks->removeEventFilter(this);
    lvwBookmarks->viewport()->removeEventFilter(this);
    writeColumnWidths();
}

void ctlDetails::buildBookmarkList()
{
    lvwBookmarks->setHeaderLabels({QStringLiteral("Bookmark"), QStringLiteral("Description"),
                                   QStringLiteral("File"), QStringLiteral("Folder"),
                                   QStringLiteral("Category")});
    lvwBookmarks->setToolTip(QStringLiteral("Double click to edit bookmark"));
    lvwBookmarks->header()->setMinimumSectionSize(0);  // saved widths may be narrow, even 0
    readColumnWidths();

    lvwBookmarks->header()->setSectionsClickable(true);
    connect(lvwBookmarks->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { sortList(lvwBookmarks, column); });

    // Presses, double clicks and keys are handled around the list's own handling, so that the
    // selection a click makes is the one the events report.
    lvwBookmarks->installEventFilter(this);
    lvwBookmarks->viewport()->installEventFilter(this);
}

// --- members used by the main window ---------------------------------------------------------

void ctlDetails::ClearAll()
{
    ClearBookmarks();
    ClearSearch();
}

void ctlDetails::Enabled(bool enabled)
{
    setEnabled(enabled);
}

bool ctlDetails::Enabled() const
{
    return isEnabled();
}

void ctlDetails::LoadBookmarks()
{
    ClearBookmarks();
    ListViewAdapter target(*lvwBookmarks);
    modMain::LoadBookmarkList(target);
}

void ctlDetails::SelectTab(int index)
{
    if (index >= 1 && index <= tbsTabs->count())
        tbsTabs->setCurrentIndex(index - 1);
}

int ctlDetails::SelectedTab() const
{
    return tbsTabs->currentIndex() + 1;
}

void ctlDetails::Reset()
{
    ClearAll();
}

void ctlDetails::ClearBookmarks()
{
    lvwBookmarks->clear();
}

void ctlDetails::ClearSearch()
{
    ++m_searchRun;  // a search still reading rows stops at its next yield
    m_searching = false;
    m_lastSearch = {};
    lvwSearchResults->clear();
    lblSearchResults->setText(QStringLiteral(" Search Results:"));
}

void ctlDetails::SearchTitle(const QString &text)
{
    lblSearchResults->setText(text + QStringLiteral(" Search Results: "));
}

// --- bookmark list members -------------------------------------------------------------------

bool ctlDetails::AddBookmark(qint32 bookmarkId, const QString &key, const QString &categoryName,
                             const QString &folderName, const QString &fileTitle, const QString &title,
                             const QString &description)
{
    if (ListViewAdapter::findKey(*lvwBookmarks, key))
        return false;
    SelectTab(1);
    ListViewAdapter(*lvwBookmarks).addListItem(key, title, {description, fileTitle, folderName, categoryName},
                                               bookmarkId);
    return true;
}

void ctlDetails::UpdateBookmark(const QString &key, const QString &title, const QString &description)
{
    SelectTab(1);
    if (QTreeWidgetItem *item = ListViewAdapter::findKey(*lvwBookmarks, key)) {
        item->setText(0, title);
        item->setText(1, description);
    }
}

void ctlDetails::RenameBookmarkFile(const QString &key, const QString &newTitle)
{
    if (QTreeWidgetItem *item = ListViewAdapter::findKey(*lvwBookmarks, key))
        item->setText(2, newTitle);
}

void ctlDetails::RemoveBookmark(const QString &key, bool keepSelection)
{
    QTreeWidgetItem *item = ListViewAdapter::findKey(*lvwBookmarks, key);
    if (!item)
        return;
    const bool wasSelected = item == selectedBookmark();
    const int index = lvwBookmarks->indexOfTopLevelItem(item);
    delete item;
    // Removing another item leaves the selection where it is; only when the selected item goes
    // does the selection move on, to its successor or the new last item.
    if (!wasSelected || lvwBookmarks->topLevelItemCount() == 0)
        return;
    const int next = std::min(index, lvwBookmarks->topLevelItemCount() - 1);
    lvwBookmarks->setCurrentItem(lvwBookmarks->topLevelItem(next));
    if (!keepSelection)
        bookmarkItemClick();
}

bool ctlDetails::SelectBookmark(const QString &key)
{
    QTreeWidgetItem *item = ListViewAdapter::findKey(*lvwBookmarks, key);
    if (!item)
        return false;
    SelectTab(1);
    lvwBookmarks->setFocus();
    lvwBookmarks->setCurrentItem(item);
    lvwBookmarks->scrollToItem(item);
    return true;
}

void ctlDetails::EditBookmark()
{
    qint32 bookmarkId = 0;
    if (selectedBookmarkId(bookmarkId))
        emit OnBookmarkEdit(bookmarkId);
}

void ctlDetails::DeleteBookmark()
{
    qint32 bookmarkId = 0;
    if (!selectedBookmarkId(bookmarkId))
        return;
    const auto answer = m_prompts.message(QStringLiteral("Are you sure you wish to delete current bookmark?"),
                                          QStringLiteral("Confirm Delete"), Prompts::Icon::Exclamation,
                                          Prompts::Buttons::YesNo, Prompts::Answer::Yes);
    if (answer == Prompts::Answer::Yes)
        emit OnDelete(bookmarkId);
}

// --- input -----------------------------------------------------------------------------------

bool ctlDetails::forwardEvent(QObject *watched, QEvent *event)
{
    const QScopedValueRollback<bool> guard(m_forwarding, true);
    const bool handled = QCoreApplication::sendEvent(watched, event);
    // The list has had the event, including any passing on to its parents: stop it here.
    event->accept();
    return handled;
}

bool ctlDetails::eventFilter(QObject *watched, QEvent *event)
{
    if (m_forwarding)
        return false;
    if (watched == lvwSearchResults || watched == lvwSearchResults->viewport())
        return searchListEvent(watched, event);

    if (watched == lvwBookmarks->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            if (lvwBookmarks->topLevelItemCount() == 0)
                return false;
            const auto *mouse = static_cast<QMouseEvent *>(event);
            const Qt::MouseButton button = mouse->button();
            const QPoint globalPos = mouse->globalPosition().toPoint();
            forwardEvent(watched, event);
            bookmarkItemClick();
            if (button == Qt::RightButton)
                mnuHiddenBookmark->popup(globalPos);
            return true;
        }
        if (event->type() == QEvent::MouseButtonDblClick) {
            const bool left = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
            forwardEvent(watched, event);
            if (left)
                EditBookmark();
            return true;
        }
        return false;
    }

    if (watched == lvwBookmarks && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            EditBookmark();
            return true;
        }
        if (key == Qt::Key_Delete) {
            DeleteBookmark();
            return true;
        }
        // Moving the selection with the keyboard is an item click too.
        const QTreeWidgetItem *before = selectedBookmark();
        forwardEvent(watched, event);
        const QTreeWidgetItem *after = selectedBookmark();
        if (after && after != before)
            bookmarkItemClick();
        return true;
    }
    return false;
}

void ctlDetails::mousePressEvent(QMouseEvent *event)
{
    // Only the pane's own background: presses that labels and panels pass on do not count.
    if (!childAt(event->position().toPoint()))
        emit OnControlClick(isEnabled());
    QWidget::mousePressEvent(event);
}

void ctlDetails::bookmarkItemClick()
{
    if (const QTreeWidgetItem *item = selectedBookmark()) {
        const QString key = ListViewAdapter::key(*item);
        emit OnDetailsClicked();
        emit OnBookmarkClick(key);
    }
}

QTreeWidgetItem *ctlDetails::selectedBookmark() const
{
    const QList<QTreeWidgetItem *> selected = lvwBookmarks->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

bool ctlDetails::selectedBookmarkId(qint32 &bookmarkId) const
{
    const QTreeWidgetItem *item = selectedBookmark();
    if (!item)
        return false;
    try {
        bookmarkId = Ids::ToId(ListViewAdapter::tag(*item));
    } catch (const DbError &) {
        return false;  // an item without a usable tag names no bookmark
    }
    return true;
}

void ctlDetails::sortList(QTreeWidget *list, int column)
{
    const QList<QTreeWidgetItem *> selected = list->selectedItems();
    QList<QTreeWidgetItem *> items;
    items.reserve(list->topLevelItemCount());
    while (list->topLevelItemCount() > 0)
        items.append(list->takeTopLevelItem(list->topLevelItemCount() - 1));
    std::reverse(items.begin(), items.end());
    std::stable_sort(items.begin(), items.end(), [column](const QTreeWidgetItem *a, const QTreeWidgetItem *b) {
        return QString::compare(a->text(column), b->text(column), Qt::CaseInsensitive) < 0;
    });
    list->addTopLevelItems(items);
    if (!selected.isEmpty())
        list->setCurrentItem(selected.first());
}

// --- tabs, focus, layout ---------------------------------------------------------------------

void ctlDetails::showPanel(int tabIndex)
{
    for (QWidget *pic : picTabContainer)
        pic->hide();
    if (tabIndex >= 0 && tabIndex < int(picTabContainer.size()))
        picTabContainer[std::size_t(tabIndex)]->show();
}

void ctlDetails::focusChanged(QWidget *, QWidget *now)
{
    // Focus leaving the application (now is null) leaves the captions as they are.
    if (!now)
        return;
    const bool inside = now == this || isAncestorOf(now);
    if (inside == m_hasFocus)
        return;
    m_hasFocus = inside;
    modMain::SetCaptionColours(lblBookmarks, inside);
    modMain::SetCaptionColours(lblSearchResults, inside);
}

void ctlDetails::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutPanels();
}

void ctlDetails::layoutPanels()
{
    const QSize toolSize = tbrTools->sizeHint();
    tbrTools->setGeometry(width() - toolSize.width(), 0, toolSize.width(), toolSize.height());
    const int stripHeight = tbsTabs->sizeHint().height();
    tbsTabs->setGeometry(0, 0, width(), stripHeight);

    // The tab strip's client area is everything below the tabs. Panels reach a little beyond
    // it; the tab bar draws no frame there, so what lies outside the pane is cut off.
    const QRect client(0, stripHeight, width(), std::max(0, height() - stripHeight));
    const QRect panel = QRect(client.left() - Twips::ToPixels(40), client.top() - Twips::ToPixels(10),
                              client.width() + Twips::ToPixels(90), client.height() + Twips::ToPixels(60))
                            .intersected(rect());

    const std::array<std::pair<QLabel *, QTreeWidget *>, 2> contents{
        std::pair{lblBookmarks, lvwBookmarks}, std::pair{lblSearchResults, lvwSearchResults}};
    for (std::size_t i = 0; i < picTabContainer.size(); ++i) {
        QWidget *pic = picTabContainer[i];
        pic->setGeometry(panel);
        auto [label, list] = contents[i];
        const int margin = Twips::ToPixels(10);
        const int labelHeight = label->sizeHint().height();
        label->setGeometry(margin, margin, std::max(0, panel.width() - Twips::ToPixels(120)), labelHeight);
        const int listTop = margin + labelHeight;
        list->setGeometry(0, listTop, panel.width(), std::max(0, panel.height() - listTop));
        pic->raise();
    }
    tbrTools->raise();
}

// --- column widths ---------------------------------------------------------------------------

void ctlDetails::readColumnWidths()
{
    for (int column = 0; column < BookmarkColumns; ++column) {
        const auto c = std::size_t(column);
        m_columnTwips[c] = DefaultColumnTwips[c];
        bool ok = false;
        const double twips = modSettings::GetSetting(DetailSection, columnKey(column), QString::number(m_columnTwips[c]))
                                 .trimmed()
                                 .toDouble(&ok);
        // A value that is no width keeps the default.
        if (ok && std::isfinite(twips) && twips >= 0 && twips <= 1e6)
            m_columnTwips[c] = std::lround(twips);
        lvwBookmarks->setColumnWidth(column, Twips::ToPixels(double(m_columnTwips[c])));
    }
}

void ctlDetails::writeColumnWidths() const
{
    for (int column = 0; column < BookmarkColumns; ++column) {
        const auto c = std::size_t(column);
        const int pixels = lvwBookmarks->columnWidth(column);
        // An unchanged column keeps its figure: converting back from pixels would drift it.
        const long twips = pixels == Twips::ToPixels(double(m_columnTwips[c])) ? m_columnTwips[c]
                                                                             : std::lround(Twips::FromPixels(pixels));
        modSettings::SaveSetting(DetailSection, columnKey(column), QString::number(twips));
    }
}
