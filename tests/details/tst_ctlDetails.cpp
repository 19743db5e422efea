#include "ui/ListViewAdapter.h"
#include "details/ctlDetails.h"
#include "store/modADO.h"

#include "ScriptedPrompts.h"
#include "StoreRows.h"
#include "TestHome.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <memory>

class tst_ctlDetails : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestHome> m_home;
    ScriptedPrompts m_prompts;

    // Bookmarks 1..count under the keys 1||1||1, 1||1||2, ...
    static void fill(ctlDetails &pane, int count)
    {
        for (int i = 1; i <= count; ++i)
            pane.AddBookmark(i, "1||1||" + QString::number(i), "Cat", "Folder", "File", "Title", "");
    }

private slots:
    void init() { m_home = std::make_unique<TestHome>(); m_prompts = ScriptedPrompts(); }
    void cleanup() { modADO::CloseConnection(); m_home.reset(); }

    void loadBookmarks()
    {
        const QString store = m_home->newStore("Marks");
        StoreRows::exec(store, "INSERT INTO categories VALUES (3, 'Rock'); INSERT INTO directories VALUES (12, 3, 'Beatles');"
                               "INSERT INTO file VALUES (40, 12, 'Help!');"
                               "INSERT INTO bookmarks (bookmark_id, bookmark, description, category_id, directory_id, file_id) "
                               "VALUES (5, 'Intro riff', 'the opening', 3, 12, 40), (6, 'Gone', 'file deleted', 3, 12, 42)");
        QVERIFY(modADO::OpenConnection(store, "Marks"));
        ctlDetails pane(m_prompts);
        pane.LoadBookmarks();
        QCOMPARE(pane.lvwBookmarks->topLevelItemCount(), 1);  // the bookmark of file 42 is not listed
        const QTreeWidgetItem *riff = pane.lvwBookmarks->topLevelItem(0);
        QCOMPARE(ListViewAdapter::key(*riff), QString("3||12||40"));
        const QStringList texts{riff->text(0), riff->text(1), riff->text(2), riff->text(3), riff->text(4)};
        QCOMPARE(texts, (QStringList{"Intro riff", "the opening", "Help!", "Beatles", "Rock"}));
        QCOMPARE(ListViewAdapter::tag(*riff).toInt(), 5);
    }

    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("selectedRow");  // -1: none
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("outcome");  // events, then the questions asked
        const int enter = Qt::Key_Return, del = Qt::Key_Delete, yes = int(Prompts::Answer::Yes);
        const QString ask = "Are you sure you wish to delete current bookmark?";
        QTest::newRow("enter, nothing selected") << enter << -1 << yes << QStringList{};
        QTest::newRow("enter") << enter << 2 << yes << QStringList{"edit 3"};
        QTest::newRow("delete, yes") << del << 2 << yes << QStringList{"delete 3", ask};
        QTest::newRow("delete, no") << del << 2 << int(Prompts::Answer::No) << QStringList{ask};
    }
    void keys()
    {
        QFETCH(int, key);
        QFETCH(int, selectedRow);
        QFETCH(int, answer);
        ctlDetails pane(m_prompts);
        fill(pane, 3);
        pane.lvwBookmarks->setCurrentItem(pane.lvwBookmarks->topLevelItem(selectedRow));
        m_prompts.answer(Prompts::Answer(answer));
        QStringList outcome;
        connect(&pane, &ctlDetails::OnBookmarkEdit, this, [&](qint32 id) { outcome << "edit " + QString::number(id); });
        connect(&pane, &ctlDetails::OnDelete, this, [&](qint32 id) { outcome << "delete " + QString::number(id); });
        QTest::keyClick(pane.lvwBookmarks, Qt::Key(key));
        for (const ScriptedPrompts::Question &q : m_prompts.asked) {
            outcome << q.text;
            QCOMPARE(q.buttons, Prompts::Buttons::YesNo);
        }
        QTEST(outcome, "outcome");
    }

    void removeBookmark_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("selectedRow");  // -1: none
        QTest::addColumn<QString>("removed");
        QTest::addColumn<bool>("keepSelection");
        QTest::addColumn<QString>("selectedAfter");  // empty: none
        QTest::addColumn<QStringList>("clicked");
        QTest::newRow("selected middle") << 3 << 1 << "1||1||2" << false << "1||1||3" << QStringList{"1||1||3"};
        QTest::newRow("selected last, keep selection") << 3 << 2 << "1||1||3" << true << "1||1||2" << QStringList{};
        QTest::newRow("only item") << 1 << 0 << "1||1||1" << false << "" << QStringList{};
        QTest::newRow("before the selection") << 3 << 2 << "1||1||1" << false << "1||1||3" << QStringList{};
    }
    void removeBookmark()
    {
        QFETCH(int, count);
        QFETCH(int, selectedRow);
        QFETCH(QString, removed);
        QFETCH(bool, keepSelection);
        ctlDetails pane(m_prompts);
        fill(pane, count);
        pane.lvwBookmarks->setCurrentItem(pane.lvwBookmarks->topLevelItem(selectedRow));
        QSignalSpy clicks(&pane, &ctlDetails::OnBookmarkClick);
        pane.RemoveBookmark(removed, keepSelection);
        QCOMPARE(pane.lvwBookmarks->topLevelItemCount(), count - 1);
        const QTreeWidgetItem *selected = pane.lvwBookmarks->selectedItems().value(0);
        QTEST(selected ? ListViewAdapter::key(*selected) : QString(), "selectedAfter");
        QStringList clicked;
        for (const QList<QVariant> &args : clicks)
            clicked << args.at(0).toString();
        QTEST(clicked, "clicked");
    }

    // A click on a column header sorts the bookmark list by that column, without regard to
    // case, keeping the order of equal texts and the selected bookmark.
    void sortByColumnHeader_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("keys");  // the list from top to bottom after the click
        QTest::newRow("Bookmark") << 0 << QStringList{"1||1||3", "1||1||2", "1||1||1", "1||1||4"};
        QTest::newRow("Folder, equal texts keep their order") << 3 << QStringList{"1||1||1", "1||1||3", "1||1||2", "1||1||4"};
    }
    void sortByColumnHeader()
    {
        QFETCH(int, column);
        ctlDetails pane(m_prompts);
        pane.resize(900, 300);
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        // key, category, folder, file, bookmark, description
        pane.AddBookmark(1, "1||1||1", "rock", "Riffs", "Zebra", "Tři čuníci", "b-side");
        pane.AddBookmark(2, "1||1||2", "Ska", "scales", "apple", "Café über", "C major");
        pane.AddBookmark(3, "1||1||3", "Pop", "riffs", "Ölberg", "ballad", "D minor");
        pane.AddBookmark(4, "1||1||4", "Blues", "Solos", "Mango", "Zither", "A blues");
        pane.lvwBookmarks->setCurrentItem(pane.lvwBookmarks->topLevelItem(1));

        QHeaderView *header = pane.lvwBookmarks->header();
        const QPoint inSection(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                               header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, inSection);
        QStringList order;
        for (int i = 0; i < pane.lvwBookmarks->topLevelItemCount(); ++i)
            order << ListViewAdapter::key(*pane.lvwBookmarks->topLevelItem(i));
        QTEST(order, "keys");
        QCOMPARE(ListViewAdapter::key(*pane.lvwBookmarks->currentItem()), QString("1||1||2"));
    }
};

QTEST_MAIN(tst_ctlDetails)
#include "tst_ctlDetails.moc"
