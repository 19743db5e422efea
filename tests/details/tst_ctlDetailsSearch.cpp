#include "details/ctlDetails.h"
#include "store/DbError.h"
#include "store/modADO.h"
#include "ui/ListViewAdapter.h"

#include "ScriptedPrompts.h"
#include "StoreRows.h"
#include "TestHome.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <memory>

// The full-text search of the details pane and the relabelling of bookmark items.
class tst_ctlDetailsSearch : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestHome> m_home;
    ScriptedPrompts m_prompts;
    QString m_store;

    int finishedMessages() const
    {
        int n = 0;
        for (const ScriptedPrompts::Question &q : m_prompts.asked)
            n += q.text == "Finished Searching!" ? 1 : 0;
        return n;
    }

    static QStringList keys(const QTreeWidget *list)
    {
        QStringList out;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            out << ListViewAdapter::key(*list->topLevelItem(i));
        return out;
    }

private slots:
    void init()
    {
        m_home = std::make_unique<TestHome>();
        m_prompts = ScriptedPrompts();
        m_store = m_home->newStore("Find");
        // Files 1..1200 in folder 1, each tab holding "riff"; file 7 also holds "Café" in its
        // title and notes.
        StoreRows::exec(m_store, "INSERT INTO categories VALUES (1,'Rock'),(5,'Jazz');"
                                 "INSERT INTO directories VALUES (1,1,'Riffs'),(15,1,'Solos'),(20,5,'Standards');"
                                 "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<1200) "
                                 "INSERT INTO file SELECT i, 1, 'Tab ' || i FROM n;"
                                 "INSERT INTO tablature SELECT file_id, 'e|-riff-|', '' FROM file;"
                                 "UPDATE file SET filename='CAFÉ au lait' WHERE file_id=7;"
                                 "UPDATE tablature SET notes='at the café' WHERE file_id=7;");
        QVERIFY(modADO::OpenConnection(m_store, "Find"));
    }
    void cleanup()
    {
        modADO::CloseConnection();
        m_home.reset();
    }

    void resultsAndLabels_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("titles");
        QTest::addColumn<bool>("notes");
        QTest::addColumn<QStringList>("found");
        QTest::addColumn<QString>("label");
        QTest::newRow("title and notes, listed once")
            << "café" << true << true << QStringList{"1||1||7"} << " 1 Search Results For: café";
        QTest::newRow("quote shown as typed")
            << "don't" << true << false << QStringList{} << " 0 Search Results For: don't";
    }
    void resultsAndLabels()
    {
        QFETCH(QString, text);
        QFETCH(bool, titles);
        QFETCH(bool, notes);
        ctlDetails pane(m_prompts);
        QVERIFY(pane.Search(text, titles, false, notes));
        QCOMPARE(pane.SelectedTab(), 2);
        QTEST(keys(pane.lvwSearchResults), "found");
        QTEST(pane.lblSearchResults->text(), "label");
        QCOMPARE(m_prompts.asked.size(), 1);
        QCOMPARE(m_prompts.last().text, QString("Finished Searching!"));
        if (pane.lvwSearchResults->topLevelItemCount() == 1) {
            const QTreeWidgetItem *item = pane.lvwSearchResults->topLevelItem(0);
            QCOMPARE((QStringList{item->text(0), item->text(1), item->text(2), item->text(3)}),
                     (QStringList{"", "CAFÉ au lait", "Riffs", "Rock"}));
            QCOMPARE(ListViewAdapter::tag(*item).toString(), QString("1||1||7"));
        }
    }

    void largeResult()
    {
        ctlDetails pane(m_prompts);
        QVERIFY(pane.Search("RIFF", false, true, false));
        QCOMPARE(pane.lvwSearchResults->topLevelItemCount(), 1200);
        QCOMPARE(pane.lblSearchResults->text(), QString(" 1200 Search Results For: RIFF"));
    }

    void interruptions_data()
    {
        QTest::addColumn<QString>("interruption");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("finished");
        QTest::newRow("clear") << "clear" << " Search Results:" << 0 << 0;
        QTest::newRow("newer search") << "search" << " 1 Search Results For: café" << 1 << 1;
        QTest::newRow("store switch") << "store" << " Search Results:" << 0 << 0;
        QTest::newRow("pane destroyed") << "destroy" << "" << 0 << 0;
    }
    void interruptions()
    {
        QFETCH(QString, interruption);
        auto pane = std::make_unique<ctlDetails>(m_prompts);
        ctlDetails *raw = pane.get();
        raw->SetSearchYieldMs(0);
        const QString other = m_home->newStore("Other");
        // Runs at the search's first yield, right after the first row.
        QTimer::singleShot(0, this, [&] {
            if (interruption == "clear")
                raw->ClearSearch();
            else if (interruption == "search")
                raw->Search("café", true, false, false);
            else if (interruption == "store")
                QVERIFY(modADO::OpenConnection(other, "Other"));
            else
                pane.reset();
        });
        QVERIFY(!raw->Search("riff", false, true, false));
        QCOMPARE(finishedMessages(), 0 + (interruption == "search" ? 1 : 0));
        if (!pane)
            return;
        QTEST(pane->lblSearchResults->text(), "label");
        QTEST(pane->lvwSearchResults->topLevelItemCount(), "items");
        QVERIFY(!pane->Searching());
    }

    void storeErrorIsReportedNotFinished()
    {
        StoreRows::exec(m_store, "DROP TABLE tablature");
        ctlDetails pane(m_prompts);
        QVERIFY_THROWS_EXCEPTION(DbError, pane.Search("riff", true, true, false));
        QCOMPARE(pane.lblSearchResults->text(), QString(" Search Results:"));
        QCOMPARE(finishedMessages(), 0);
    }

    // Each relabelling touches only the bookmarks whose key parts match whole, not by prefix.
    void relabels()
    {
        ctlDetails pane(m_prompts);
        int id = 0;
        for (const QString key : {"3||12||40", "13||12||41", "3||120||42", "03||12||400"})
            QVERIFY(pane.AddBookmark(++id, key, "C", "F", "File", "T", ""));
        auto labels = [&] {
            QStringList out;
            for (int i = 0; i < pane.lvwBookmarks->topLevelItemCount(); ++i) {
                const QTreeWidgetItem *item = pane.lvwBookmarks->topLevelItem(i);
                out << ListViewAdapter::key(*item).replace("03||", "3||") + " " + item->text(3) + " " + item->text(4);
            }
            return out;
        };
        pane.RenameBookmarkFolders("3||12", "New Rock");
        QCOMPARE(labels(), (QStringList{"3||12||40 New Rock C", "13||12||41 F C", "3||120||42 F C", "3||12||400 New Rock C"}));
        pane.UpdateBookmarkFolder("||15||40", "||12||40");
        QCOMPARE(labels(), (QStringList{"3||15||40 Solos C", "13||12||41 F C", "3||120||42 F C", "3||12||400 New Rock C"}));
        pane.UpdateBookmarkFolderCat("5||20||40", "3||15||40");
        QCOMPARE(labels().first(), QString("5||20||40 Standards Jazz"));
        pane.UpdateBookmarkCategories("5", "3", "12");
        QCOMPARE(labels(), (QStringList{"5||20||40 Standards Jazz", "13||12||41 F C", "3||120||42 F C", "5||12||400 New Rock Jazz"}));
    }
};

QTEST_MAIN(tst_ctlDetailsSearch)
#include "tst_ctlDetailsSearch.moc"
