#include "StoreRows.h"
#include "TestHome.h"
#include "store/DbError.h"
#include "store/clsTablature.h"
#include "store/modADO.h"

#include <QSignalSpy>
#include <QtTest>

// The document object: loading, saving and renaming, with its signals.
class tst_clsTablature : public QObject
{
    Q_OBJECT

private:
    TestHome *m_home = nullptr;
    QString m_path;

    int count(const QString &sql) { return StoreRows::scalar(m_path, sql).toInt(); }

private slots:
    void init()
    {
        m_home = new TestHome;
        m_path = m_home->newStore("Doc");
        // ids chosen so category, folder and file ids differ: category 3, folder 7, file 12
        StoreRows::exec(m_path,
            "INSERT INTO categories(category_id, category) VALUES (3,'Guitar');"
            "INSERT INTO directories(directory_id, category_id, directory) VALUES (7,3,'Riffs');"
            "INSERT INTO file(file_id, directory_id, filename) VALUES (12,7,'Blues in A'),(13,7,'No content');"
            "INSERT INTO tablature(file_id, tab, notes) VALUES (12,'e|--5--|\r\nB|--5--|','Swing it');");
        QVERIFY(modADO::OpenConnection(m_path, "Doc"));
    }
    void cleanup()
    {
        modADO::CloseConnection();
        delete m_home;
    }

    void selectLoadsFieldsAndAlwaysSignals()
    {
        clsTablature doc;
        QSignalSpy spy(&doc, &clsTablature::OnTabSelect);
        doc.SelectTabFile(3, 7, 12);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(doc.Title(), QString("Blues in A"));
        QCOMPARE(doc.Tablature(), QString("e|--5--|\r\nB|--5--|"));
        QCOMPARE(doc.Notes(), QString("Swing it"));
        QCOMPARE(doc.Key(), QString("3||7||12"));

        // a file without a content row is reported, not shown as an empty page
        QVERIFY_THROWS_EXCEPTION(DbError, doc.SelectTabFile(3, 7, 13));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(doc.Title(), QString("Blues in A"));

        // identifiers are written as text and held as 32-bit integers
        QVERIFY_THROWS_EXCEPTION(DbError, doc.setCategoryId("abc"));
        QVERIFY_THROWS_EXCEPTION(DbError, doc.setCategoryId("9999999999"));
        QCOMPARE(doc.CategoryId(), QString("3"));
    }

    void updateKeepsNonAsciiText()
    {
        clsTablature doc;
        doc.SelectTabFile(3, 7, 12);
        doc.UpdateFile("Jaromír – Tři čuníci\r\ne|--0--|", "Café über");
        QCOMPARE(StoreRows::scalar(m_path, "SELECT tab || '/' || notes FROM tablature WHERE file_id=12").toString(),
                 QString("Jaromír – Tři čuníci\r\ne|--0--|/Café über"));
        QCOMPARE(doc.Tablature(), QString("Jaromír – Tři čuníci\r\ne|--0--|"));
    }

    // A delete refused part-way leaves every row in place and raises no signal.
    void refusedDeleteKeepsTheFile()
    {
        StoreRows::exec(m_path, "INSERT INTO bookmarks(bookmark, description, category_id, directory_id, file_id) "
                                "VALUES ('b','',3,7,12);"
                                "CREATE TRIGGER keep BEFORE DELETE ON tablature BEGIN SELECT RAISE(ABORT, 'locked'); END;");
        clsTablature doc;
        doc.SelectTabFile(3, 7, 12);
        QSignalSpy spy(&doc, &clsTablature::OnFileDelete);
        QVERIFY_THROWS_EXCEPTION(DbError, doc.DeleteFile(12));
        QCOMPARE(spy.count(), 0);
        QCOMPARE(count("SELECT count(*) FROM file WHERE file_id=12") + count("SELECT count(*) FROM bookmarks"), 2);
    }

    // A change whose row has gone writes nothing and says so; the document keeps what it had.
    void changesToAMissingRowFail_data()
    {
        QTest::addColumn<QString>("removed");
        QTest::addColumn<bool>("rename");
        QTest::newRow("save, tab row gone") << "DELETE FROM tablature WHERE file_id=12" << false;
        QTest::newRow("rename, file row gone") << "DELETE FROM file WHERE file_id=12" << true;
    }

    void changesToAMissingRowFail()
    {
        QFETCH(QString, removed);
        QFETCH(bool, rename);
        clsTablature doc;
        doc.SelectTabFile(3, 7, 12);
        StoreRows::exec(m_path, removed);
        QSignalSpy spy(&doc, &clsTablature::OnBookmarkFileRename);
        try {
            if (rename)
                doc.RenameFile("Gone");
            else
                doc.UpdateFile("lost tab", "lost notes");
            QFAIL("the change reported success");
        } catch (const DbError &e) {
            QCOMPARE(e.number(), DbError::RowMissing);
            QVERIFY(!e.description().isEmpty());
        }
        QCOMPARE(spy.count(), 0);
        QCOMPARE(doc.Title(), QString("Blues in A"));
        QCOMPARE(doc.Tablature(), QString("e|--5--|\r\nB|--5--|"));
        QCOMPARE(count("SELECT count(*) FROM file WHERE filename='Gone'"), 0);
        QCOMPARE(count("SELECT count(*) FROM tablature WHERE tab='lost tab'"), 0);
    }
};

QTEST_GUILESS_MAIN(tst_clsTablature)
#include "tst_clsTablature.moc"
