#include "app/Twips.h"
#include "details/ListViewAdapter.h"
#include "details/ctlDetails.h"
#include "store/Connection.h"
#include "store/DbError.h"
#include "store/modADO.h"
#include "store/modSettings.h"

#include "ScriptedPrompts.h"
#include "TestHome.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

#include <cmath>
#include <memory>

class tst_ctlDetails : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void columnWidths_data();
    void columnWidths();
    void columnWidthsWrittenOnDestruction();
    void loadBookmarks();
    void tabs();
    void rightClick();
    void bookmarkCommands_data();
    void bookmarkCommands();
    void keyboardSelectionIsAClick();
    void sortByHeader();
    void removeBookmark_data();
    void removeBookmark();
    void listMembersByKey();
    void searchLabel();
    void focusColours();
    void closeButtonAndLayout();

private:
    // A pane with three bookmarks, shown and laid out, so that clicks reach real rows.
    std::unique_ptr<ctlDetails> filledPane();
    static QStringList keys(const QTreeWidget &list);
    static QPoint rowCentre(const QTreeWidget &list, int row);

    std::unique_ptr<TestHome> m_home;
    ScriptedPrompts m_prompts;
};

void tst_ctlDetails::initTestCase()
{
    // The offscreen platform knows no system icon folders.
    QIcon::setThemeSearchPaths(QIcon::themeSearchPaths() << QStringLiteral("/usr/share/icons"));
    QIcon::setThemeName(QStringLiteral("Tango"));
}

void tst_ctlDetails::init()
{
    m_home = std::make_unique<TestHome>();
    m_prompts = ScriptedPrompts();
}

void tst_ctlDetails::cleanup()
{
    modADO::CloseConnection();
    m_home.reset();
}

std::unique_ptr<ctlDetails> tst_ctlDetails::filledPane()
{
    auto pane = std::make_unique<ctlDetails>(m_prompts);
    pane->AddBookmark(7, "1||2||3", "Rock", "Beatles", "Help", "b-help", "desc B");
    pane->AddBookmark(8, "1||2||4", "Rock", "Beatles", "Yesterday", "A-yesterday", "desc a");
    pane->AddBookmark(9, "4||5||6", "Blues", "King", "Thrill", "c-thrill", "desc C");
    pane->resize(800, 300);
    pane->show();
    if (!QTest::qWaitForWindowExposed(pane.get()))
        qWarning("pane not exposed");
    return pane;
}

QStringList tst_ctlDetails::keys(const QTreeWidget &list)
{
    QStringList result;
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        result << ListViewAdapter::key(*list.topLevelItem(i));
    return result;
}

QPoint tst_ctlDetails::rowCentre(const QTreeWidget &list, int row)
{
    return list.visualItemRect(list.topLevelItem(row)).center();
}

void tst_ctlDetails::columnWidths_data()
{
    QTest::addColumn<QStringList>("saved");  // B_COL1..B_COL5; a null entry is not written
    QTest::addColumn<QList<int>>("twips");

    QTest::newRow("no settings") << QStringList{{}, {}, {}, {}, {}} << QList<int>{2550, 2900, 1750, 1730, 2800};
    QTest::newRow("all saved") << QStringList{"1440", "720", "2880", "100", "0"}
                               << QList<int>{1440, 720, 2880, 100, 0};
    QTest::newRow("unusable values keep the default")
        << QStringList{"abc", "", "-300", " 1500 ", "1e300"} << QList<int>{2550, 2900, 1750, 1500, 2800};
}

void tst_ctlDetails::columnWidths()
{
    QFETCH(QStringList, saved);
    QFETCH(QList<int>, twips);
    for (int i = 0; i < saved.size(); ++i) {
        if (!saved.at(i).isNull())
            modSettings::SaveSetting("Detail", "B_COL" + QString::number(i + 1), saved.at(i));
    }
    ctlDetails pane(m_prompts);
    QCOMPARE(pane.lvwBookmarks->columnCount(), 5);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(pane.lvwBookmarks->columnWidth(i), Twips::ToPixels(twips.at(i)));
}

void tst_ctlDetails::columnWidthsWrittenOnDestruction()
{
    {
        ctlDetails pane(m_prompts);
        pane.lvwBookmarks->setColumnWidth(1, 123);
        pane.lvwBookmarks->setColumnWidth(4, 0);
    }
    const QList<long> expected{2550, std::lround(Twips::FromPixels(123)), 1750, 1730, 0};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(modSettings::GetSetting("Detail", "B_COL" + QString::number(i + 1)), QString::number(expected.at(i)));

    // The written widths are what the next pane starts with.
    ctlDetails again(m_prompts);
    QCOMPARE(again.lvwBookmarks->columnWidth(1), 123);
    QCOMPARE(again.lvwBookmarks->columnWidth(4), 0);
}

void tst_ctlDetails::loadBookmarks()
{
    ctlDetails pane(m_prompts);
    // Without a store the error reaches the caller.
    QVERIFY_THROWS_EXCEPTION(DbError, pane.LoadBookmarks());

    QVERIFY(modADO::OpenConnection(m_home->newStore("Marks"), "Marks"));
    Connection &conn = modADO::Conn();
    conn.Execute("INSERT INTO categories (category_id, category) VALUES (3, 'Rock'), (70000, 'Jazz')");
    conn.Execute("INSERT INTO directories (directory_id, category_id, directory) VALUES "
                 "(12, 3, 'Beatles'), (40000, 70000, 'Monk')");
    conn.Execute("INSERT INTO file (file_id, directory_id, filename) VALUES "
                 "(40, 12, 'Help!'), (41, 12, 'Yesterday'), (99999, 40000, 'Round Midnight')");
    conn.Execute("INSERT INTO bookmarks (bookmark_id, bookmark, description, category_id, directory_id, file_id) "
                 "VALUES (5, 'Intro riff', 'the opening', 3, 12, 40), "
                 "(6, 'Gone', 'file deleted', 3, 12, 42), "
                 "(33000, 'Ballad', '', 70000, 40000, 99999)");

    pane.lvwBookmarks->addTopLevelItem(new QTreeWidgetItem(QStringList{"stale"}));
    pane.LoadBookmarks();
    QCOMPARE(pane.lvwBookmarks->topLevelItemCount(), 2);  // refilled; the bookmark of file 42 is not listed

    const QTreeWidgetItem *riff = ListViewAdapter::findKey(*pane.lvwBookmarks, "3||12||40");
    QVERIFY(riff);
    const QStringList texts{riff->text(0), riff->text(1), riff->text(2), riff->text(3), riff->text(4)};
    QCOMPARE(texts, (QStringList{"Intro riff", "the opening", "Help!", "Beatles", "Rock"}));
    QCOMPARE(ListViewAdapter::tag(*riff).toInt(), 5);

    // Identifiers beyond 16 bits survive in keys and tags.
    const QTreeWidgetItem *ballad = ListViewAdapter::findKey(*pane.lvwBookmarks, "70000||40000||99999");
    QVERIFY(ballad);
    QCOMPARE(ListViewAdapter::tag(*ballad).toInt(), 33000);
}

void tst_ctlDetails::tabs()
{
    ctlDetails pane(m_prompts);
    QCOMPARE(pane.SelectedTab(), 1);
    QVERIFY(pane.picTabContainer[0]->isVisibleTo(&pane));
    QVERIFY(!pane.picTabContainer[1]->isVisibleTo(&pane));

    pane.SelectTab(2);
    QCOMPARE(pane.SelectedTab(), 2);
    QVERIFY(!pane.picTabContainer[0]->isVisibleTo(&pane));
    QVERIFY(pane.picTabContainer[1]->isVisibleTo(&pane));
    QVERIFY(pane.lvwSearchResults->isVisibleTo(&pane));

    pane.SelectTab(3);  // no such tab
    pane.SelectTab(0);
    QCOMPARE(pane.SelectedTab(), 2);

    pane.tbsTabs->setCurrentIndex(0);  // as a user's click on the tab does
    QCOMPARE(pane.SelectedTab(), 1);
    QVERIFY(pane.picTabContainer[0]->isVisibleTo(&pane));
    QVERIFY(!pane.picTabContainer[1]->isVisibleTo(&pane));
}

void tst_ctlDetails::rightClick()
{
    ctlDetails empty(m_prompts);
    empty.resize(600, 300);
    empty.show();
    QVERIFY(QTest::qWaitForWindowExposed(&empty));
    QSignalSpy emptyClicks(&empty, &ctlDetails::OnDetailsClicked);
    QTest::mousePress(empty.lvwBookmarks->viewport(), Qt::RightButton, {}, QPoint(20, 20));
    QTest::mouseRelease(empty.lvwBookmarks->viewport(), Qt::RightButton, {}, QPoint(20, 20));
    QCOMPARE(emptyClicks.count(), 0);
    QVERIFY(!empty.mnuHiddenBookmark->isVisible());

    auto pane = filledPane();
    QStringList log;
    connect(pane.get(), &ctlDetails::OnDetailsClicked, this, [&] { log << "details"; });
    connect(pane.get(), &ctlDetails::OnBookmarkClick, this, [&](const QString &key) { log << "bookmark " + key; });
    connect(pane->mnuHiddenBookmark, &QMenu::aboutToShow, this, [&] { log << "menu"; });

    // A right click on a row selects it, reports it, then opens the menu.
    QTest::mousePress(pane->lvwBookmarks->viewport(), Qt::RightButton, {}, rowCentre(*pane->lvwBookmarks, 1));
    QCOMPARE(log, (QStringList{"details", "bookmark 1||2||4", "menu"}));
    QVERIFY(pane->mnuHiddenBookmark->isVisible());
    pane->mnuHiddenBookmark->hide();
    QTest::mouseRelease(pane->lvwBookmarks->viewport(), Qt::RightButton, {}, rowCentre(*pane->lvwBookmarks, 1));

    // A left click reports the row once and opens nothing.
    log.clear();
    QTest::mouseClick(pane->lvwBookmarks->viewport(), Qt::LeftButton, {}, rowCentre(*pane->lvwBookmarks, 2));
    QCOMPARE(log, (QStringList{"details", "bookmark 4||5||6"}));
    QVERIFY(!pane->mnuHiddenBookmark->isVisible());
}

void tst_ctlDetails::bookmarkCommands_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<int>("answer");  // -1: none queued
    QTest::addColumn<int>("edits");
    QTest::addColumn<int>("deletes");
    QTest::addColumn<int>("questions");

    const int yes = int(Prompts::Answer::Yes), no = int(Prompts::Answer::No);
    QTest::newRow("enter, nothing selected") << "enter" << false << -1 << 0 << 0 << 0;
    QTest::newRow("delete key, nothing selected") << "delete" << false << -1 << 0 << 0 << 0;
    QTest::newRow("double click, nothing selected") << "double click empty" << false << -1 << 0 << 0 << 0;
    QTest::newRow("menu delete, nothing selected") << "menu delete" << false << -1 << 0 << 0 << 0;
    QTest::newRow("enter") << "enter" << true << -1 << 1 << 0 << 0;
    QTest::newRow("keypad enter") << "keypad enter" << true << -1 << 1 << 0 << 0;
    QTest::newRow("double click") << "double click" << true << -1 << 1 << 0 << 0;
    QTest::newRow("menu edit") << "menu edit" << true << -1 << 1 << 0 << 0;
    QTest::newRow("delete key, yes") << "delete" << true << yes << 0 << 1 << 1;
    QTest::newRow("delete key, no") << "delete" << true << no << 0 << 0 << 1;
    QTest::newRow("menu delete, default answer") << "menu delete" << true << -1 << 0 << 1 << 1;
}

void tst_ctlDetails::bookmarkCommands()
{
    QFETCH(QString, input);
    QFETCH(bool, selected);
    QFETCH(int, answer);
    QFETCH(int, edits);
    QFETCH(int, deletes);
    QFETCH(int, questions);

    auto pane = filledPane();
    QTreeWidget *list = pane->lvwBookmarks;
    if (selected)
        list->setCurrentItem(list->topLevelItem(2));
    else
        list->clearSelection();
    if (answer >= 0)
        m_prompts.answer(Prompts::Answer(answer));
    QSignalSpy editSpy(pane.get(), &ctlDetails::OnBookmarkEdit);
    QSignalSpy deleteSpy(pane.get(), &ctlDetails::OnDelete);

    if (input == "enter")
        QTest::keyClick(list, Qt::Key_Return);
    else if (input == "keypad enter")
        QTest::keyClick(list, Qt::Key_Enter, Qt::KeypadModifier);
    else if (input == "delete")
        QTest::keyClick(list, Qt::Key_Delete);
    else if (input == "double click")
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rowCentre(*list, 2));
    else if (input == "double click empty")
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(10, list->viewport()->height() - 5));
    else if (input == "menu edit")
        pane->mnuHiddenBookmarkEdit->trigger();
    else if (input == "menu delete")
        pane->mnuHiddenBookmarkDelete->trigger();

    QCOMPARE(editSpy.count(), edits);
    QCOMPARE(deleteSpy.count(), deletes);
    QCOMPARE(m_prompts.asked.size(), questions);
    if (edits)
        QCOMPARE(editSpy.at(0).at(0).value<qint32>(), 9);
    if (deletes)
        QCOMPARE(deleteSpy.at(0).at(0).value<qint32>(), 9);
    if (questions) {
        const ScriptedPrompts::Question &q = m_prompts.last();
        QCOMPARE(q.text, QString("Are you sure you wish to delete current bookmark?"));
        QCOMPARE(q.title, QString("Confirm Delete"));
        QCOMPARE(q.icon, Prompts::Icon::Exclamation);
        QCOMPARE(q.buttons, Prompts::Buttons::YesNo);
        QCOMPARE(q.defaultAnswer, Prompts::Answer::Yes);
    }
    QCOMPARE(list->topLevelItemCount(), 3);  // the list follows the store later, not here
}

void tst_ctlDetails::keyboardSelectionIsAClick()
{
    auto pane = filledPane();
    QTreeWidget *list = pane->lvwBookmarks;
    list->setFocus();
    list->setCurrentItem(list->topLevelItem(0));
    QSignalSpy clicks(pane.get(), &ctlDetails::OnBookmarkClick);

    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.at(0).at(0).toString(), QString("1||2||4"));

    QTest::keyClick(list, Qt::Key_End);
    QTest::keyClick(list, Qt::Key_Down);  // already at the end: no change, no click
    QTest::keyClick(list, Qt::Key_Z);  // no title begins with z
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(clicks.at(1).at(0).toString(), QString("4||5||6"));
}

void tst_ctlDetails::sortByHeader()
{
    auto pane = filledPane();
    QTreeWidget *list = pane->lvwBookmarks;
    list->setCurrentItem(list->topLevelItem(0));  // 1||2||3
    QSignalSpy clicks(pane.get(), &ctlDetails::OnBookmarkClick);
    QHeaderView *header = list->header();
    auto clickHeader = [&](int column) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
    };

    clickHeader(0);  // bookmark titles, letter case ignored: A-yesterday, b-help, c-thrill
    QCOMPARE(keys(*list), (QStringList{"1||2||4", "1||2||3", "4||5||6"}));
    clickHeader(0);  // always ascending
    QCOMPARE(keys(*list), (QStringList{"1||2||4", "1||2||3", "4||5||6"}));
    clickHeader(2);  // file: Help, Thrill, Yesterday
    QCOMPARE(keys(*list), (QStringList{"1||2||3", "4||5||6", "1||2||4"}));
    clickHeader(4);  // category: Blues, Rock, Rock (equal texts keep their order)
    QCOMPARE(keys(*list), (QStringList{"4||5||6", "1||2||3", "1||2||4"}));

    QCOMPARE(ListViewAdapter::key(*list->selectedItems().value(0)), QString("1||2||3"));
    QCOMPARE(clicks.count(), 0);
}

void tst_ctlDetails::removeBookmark_data()
{
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<int>("selectedRow");  // -1: none
    QTest::addColumn<QString>("removed");
    QTest::addColumn<bool>("keepSelection");
    QTest::addColumn<QString>("selectedAfter");  // empty: none
    QTest::addColumn<QStringList>("clicked");

    const QStringList three{"1||1||1", "1||1||2", "1||1||3"};
    QTest::newRow("selected middle item") << three << 1 << "1||1||2" << false << "1||1||3" << QStringList{"1||1||3"};
    QTest::newRow("selected last item") << three << 2 << "1||1||3" << false << "1||1||2" << QStringList{"1||1||2"};
    QTest::newRow("selected last item, keep selection") << three << 2 << "1||1||3" << true << "1||1||2" << QStringList{};
    QTest::newRow("only item") << QStringList{"1||1||1"} << 0 << "1||1||1" << false << "" << QStringList{};
    QTest::newRow("item before the selection") << three << 2 << "1||1||1" << false << "1||1||3" << QStringList{};
    QTest::newRow("nothing selected") << three << -1 << "1||1||2" << false << "" << QStringList{};
    QTest::newRow("unknown key") << three << 0 << "1||1||9" << false << "1||1||1" << QStringList{};
    QTest::newRow("key matched whole, not as a prefix") << three << 0 << "1||1||" << false << "1||1||1" << QStringList{};
}

void tst_ctlDetails::removeBookmark()
{
    QFETCH(QStringList, listed);
    QFETCH(int, selectedRow);
    QFETCH(QString, removed);
    QFETCH(bool, keepSelection);
    QFETCH(QString, selectedAfter);
    QFETCH(QStringList, clicked);

    ctlDetails pane(m_prompts);
    for (int i = 0; i < listed.size(); ++i)
        QVERIFY(pane.AddBookmark(i + 1, listed.at(i), "Cat", "Folder", "File", "Title", "Desc"));
    if (selectedRow >= 0)
        pane.lvwBookmarks->setCurrentItem(pane.lvwBookmarks->topLevelItem(selectedRow));
    QSignalSpy details(&pane, &ctlDetails::OnDetailsClicked);
    QSignalSpy clicks(&pane, &ctlDetails::OnBookmarkClick);

    pane.RemoveBookmark(removed, keepSelection);

    QStringList remaining = listed;
    remaining.removeAll(removed);
    QCOMPARE(keys(*pane.lvwBookmarks), remaining);
    const QTreeWidgetItem *selected = pane.lvwBookmarks->selectedItems().value(0);
    QCOMPARE(selected ? ListViewAdapter::key(*selected) : QString(), selectedAfter);
    QStringList clickedKeys;
    for (const QList<QVariant> &args : clicks)
        clickedKeys << args.at(0).toString();
    QCOMPARE(clickedKeys, clicked);
    QCOMPARE(details.count(), clicked.size());
}

void tst_ctlDetails::listMembersByKey()
{
    ctlDetails pane(m_prompts);
    pane.SelectTab(2);
    QVERIFY(pane.AddBookmark(70000, "3||12||40", "Rock", "Beatles", "Help!", "Riff", "intro"));
    QCOMPARE(pane.SelectedTab(), 1);
    QVERIFY(!pane.AddBookmark(1, "3||12||40", "x", "x", "x", "x", "x"));  // the key is taken
    QCOMPARE(pane.lvwBookmarks->topLevelItemCount(), 1);
    QTreeWidgetItem *item = pane.lvwBookmarks->topLevelItem(0);
    QCOMPARE(ListViewAdapter::tag(*item).toInt(), 70000);

    pane.UpdateBookmark("3||12||40", "Solo", "second verse");
    pane.RenameBookmarkFile("3||12||40", "Help");
    pane.UpdateBookmark("9||9||9", "no", "such");
    pane.RenameBookmarkFile("9||9||9", "none");
    const QStringList texts{item->text(0), item->text(1), item->text(2), item->text(3), item->text(4)};
    QCOMPARE(texts, (QStringList{"Solo", "second verse", "Help", "Beatles", "Rock"}));

    QSignalSpy clicks(&pane, &ctlDetails::OnBookmarkClick);
    pane.SelectTab(2);
    QVERIFY(!pane.SelectBookmark("9||9||9"));
    QCOMPARE(pane.SelectedTab(), 2);
    QVERIFY(pane.SelectBookmark("3||12||40"));
    QCOMPARE(pane.SelectedTab(), 1);
    QCOMPARE(pane.lvwBookmarks->selectedItems().value(0), item);
    QCOMPARE(clicks.count(), 0);
}

void tst_ctlDetails::searchLabel()
{
    ctlDetails pane(m_prompts);
    pane.AddBookmark(1, "1||1||1", "c", "f", "t", "b", "d");
    for (const QString clearing : {"Clear Search", "Reset", "ClearAll"}) {
        pane.SearchTitle(" 3");
        QCOMPARE(pane.lblSearchResults->text(), QString(" 3 Search Results: "));
        pane.lvwSearchResults->setColumnCount(1);
        pane.lvwSearchResults->addTopLevelItem(new QTreeWidgetItem(QStringList{"hit"}));
        if (clearing == "Clear Search")
            pane.mnuHiddenSearchClear->trigger();
        else if (clearing == "Reset")
            pane.Reset();
        else
            pane.ClearAll();
        QCOMPARE(pane.lvwSearchResults->topLevelItemCount(), 0);
        QCOMPARE(pane.lblSearchResults->text(), QString(" Search Results:"));
        QCOMPARE(pane.lvwBookmarks->topLevelItemCount(), clearing == "Clear Search" ? 1 : 0);
    }
}

void tst_ctlDetails::focusColours()
{
    QWidget window;
    auto *outside = new QLineEdit(&window);
    auto *pane = new ctlDetails(m_prompts, &window);
    pane->move(0, 40);
    pane->resize(600, 250);
    window.resize(600, 300);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    outside->setFocus();

    auto active = [&] {
        return pane->lblBookmarks->palette().color(QPalette::Window) == QColor(Qt::black) &&
               pane->lblBookmarks->palette().color(QPalette::WindowText) == QColor(Qt::white) &&
               pane->lblSearchResults->palette().color(QPalette::Window) == QColor(Qt::black);
    };
    QVERIFY(!active());
    pane->lvwBookmarks->setFocus();
    QTRY_VERIFY(active());
    pane->tbsTabs->setFocus(Qt::TabFocusReason);  // another widget inside the pane
    QVERIFY(active());
    outside->setFocus();
    QTRY_VERIFY(!active());
    QCOMPARE(pane->lblBookmarks->palette().color(QPalette::Window),
             outside->palette().color(QPalette::Dark));
}

void tst_ctlDetails::closeButtonAndLayout()
{
    auto pane = filledPane();
    QSignalSpy hide(pane.get(), &ctlDetails::OnHideDetails);
    QAction *close = pane->tbrTools->findChild<QAction *>("x");
    QVERIFY(close);
    QVERIFY(!close->icon().isNull());
    QWidget *button = pane->tbrTools->widgetForAction(close);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(hide.count(), 1);

    // At any size both lists lie wholly inside the pane, reaching its bottom edge, below their labels.
    for (const QSize size : {QSize(800, 300), QSize(300, 120)}) {
        pane->resize(size);
        QCOMPARE(pane->tbrTools->geometry().right(), pane->width() - 1);
        for (QTreeWidget *list : {pane->lvwBookmarks, pane->lvwSearchResults}) {
            const QRect inPane(list->mapTo(pane.get(), QPoint(0, 0)), list->size());
            QVERIFY(pane->rect().contains(inPane));
            QCOMPARE(inPane.bottom(), pane->height() - 1);
            QCOMPARE(inPane.width(), pane->width());
        }
        QCOMPARE(pane->lvwBookmarks->y(), pane->lblBookmarks->geometry().bottom() + 1);
    }
}

QTEST_MAIN(tst_ctlDetails)
#include "tst_ctlDetails.moc"
