// The search result list of the details pane and the full-text search that fills it.
#include "details/ctlDetails.h"

#include "core/Prompts.h"
#include "store/Connection.h"
#include "store/DbError.h"
#include "store/Recordset.h"
#include "store/modADO.h"
#include "store/modSearch.h"
#include "ui/ListViewAdapter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QTreeWidget>

namespace {

const QString ClearedLabel = QStringLiteral(" Search Results:");

}  // namespace

void ctlDetails::buildSearchList()
{
    lvwSearchResults->setHeaderLabels({QString(), QStringLiteral("File"), QStringLiteral("Folder"),
                                       QStringLiteral("Category")});
    lvwSearchResults->setToolTip(QStringLiteral("Double click to select. Right Click to clear."));
    lvwSearchResults->header()->setMinimumSectionSize(0);
    lvwSearchResults->setColumnWidth(0, 0);
    lvwSearchResults->setColumnWidth(1, 260);
    lvwSearchResults->setColumnWidth(2, 180);
    lvwSearchResults->setColumnWidth(3, 180);
    lvwSearchResults->header()->setSectionsClickable(true);
    connect(lvwSearchResults->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { sortList(lvwSearchResults, column); });
    lvwSearchResults->installEventFilter(this);
    lvwSearchResults->viewport()->installEventFilter(this);
}

bool ctlDetails::Search(const QString &searchText, bool inTitles, bool inTab, bool inNotes)
{
    const quint64 run = ++m_searchRun;
    m_searching = true;
    m_lastSearch = {};
    SelectTab(2);
    lblSearchResults->setText(QStringLiteral(" Searching..."));
    lvwSearchResults->clear();

    const QPointer<ctlDetails> self(this);
    long count = 0;
    try {
        Connection &conn = modADO::Conn();
        const void *const store = conn.handle();
        Recordset rs;
        rs.Open(modSearch::SearchStatement(searchText, inTitles, inTab, inNotes), conn, CursorType::ForwardOnly,
                LockType::ReadOnly);
        ListViewAdapter target(*lvwSearchResults);
        QElapsedTimer sinceYield;
        sinceYield.start();
        while (!rs.Eof()) {
            const QString key = rs.Fields(5).toString() + QStringLiteral("||") + rs.Fields(3).toString() +
                                QStringLiteral("||") + rs.Fields(1).toString();
            target.addListItem(key, QString(),
                               {rs.Fields(0).toString(), rs.Fields(2).toString(), rs.Fields(4).toString()}, key);
            ++count;
            if (sinceYield.elapsed() >= m_searchYieldMs) {
                // Nothing may stay pending past the events: the list can be cleared or gone.
                target.flush();
                lblSearchResults->setText(QStringLiteral(" Searching... ") + QString::number(count));
                QCoreApplication::processEvents();
                // The pane may be gone, a newer search or a clearing may have taken the list,
                // or the store may have been switched under the open statement.
                if (!self || m_searchRun != run)
                    return false;
                if (modADO::NoStoreOpen() || modADO::Conn().handle() != store) {
                    ClearSearch();
                    return false;
                }
                sinceYield.restart();
            }
            rs.MoveNext();
        }
        rs.Close();
    } catch (const DbError &) {
        if (!self || m_searchRun != run)
            return false;
        ClearSearch();
        throw;
    }

    m_searching = false;
    m_lastSearch = {searchText, inTitles, inTab, inNotes};
    lblSearchResults->setText(QStringLiteral(" ") + QString::number(count) + QStringLiteral(" Search Results For: ") +
                              searchText);
    m_prompts.message(QStringLiteral("Finished Searching!"), QStringLiteral("Search Chordex"),
                      Prompts::Icon::Information, Prompts::Buttons::Ok, Prompts::Answer::Ok);
    return true;
}

QTreeWidgetItem *ctlDetails::selectedResult() const
{
    const QList<QTreeWidgetItem *> selected = lvwSearchResults->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void ctlDetails::searchItemClick()
{
    if (const QTreeWidgetItem *item = selectedResult()) {
        const QString key = ListViewAdapter::key(*item);
        emit OnDetailsClicked();
        emit OnSearchClick(key);
    }
}

bool ctlDetails::searchListEvent(QObject *watched, QEvent *event)
{
    if (watched == lvwSearchResults->viewport() && event->type() == QEvent::MouseButtonPress) {
        if (lvwSearchResults->topLevelItemCount() == 0)
            return false;
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const Qt::MouseButton button = mouse->button();
        const QPoint globalPos = mouse->globalPosition().toPoint();
        forwardEvent(watched, event);
        if (button == Qt::LeftButton)
            searchItemClick();
        else if (button == Qt::RightButton && selectedResult())
            mnuSearch->popup(globalPos);
        return true;
    }
    if (watched == lvwSearchResults && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            searchItemClick();
            return true;
        }
    }
    return false;
}
