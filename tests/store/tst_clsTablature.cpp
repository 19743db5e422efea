#include "StoreRows.h"
#include "TestHome.h"
#include "store/DbError.h"
#include "store/clsTablature.h"
#include "store/modADO.h"

#include <QSignalSpy>
#include <QtTest>

// The document object: loading, saving, renaming, deleting and its bookmark, with its signals.
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
        QCOMPARE(doc.FileId(), QString("12"));
        QCOMPARE(doc.Title(), QString("Blues in A"));

        // identifiers are written as text and held as 32-bit integers
        doc.setFolderId("40000");
        QCOMPARE(doc.FolderId(), QString("40000"));
        QVERIFY_THROWS_EXCEPTION(DbError, doc.setCategoryId("abc"));
        QVERIFY_THROWS_EXCEPTION(DbError, doc.setCategoryId("9999999999"));
        QCOMPARE(doc.CategoryId(), QString("3"));
    }

    void updateAndRename()
    {
        clsTablature doc;
        doc.SelectTabFile(3, 7, 12);
        doc.UpdateFile("Jaromír – Tři čuníci\r\ne|--0--|", "Café über");
        QCOMPARE(StoreRows::scalar(m_path, "SELECT tab || '/' || notes FROM tablature WHERE file_id=12").toString(),
                 QString("Jaromír – Tři čuníci\r\ne|--0--|/Café über"));
        QCOMPARE(doc.Tablature(), QString("Jaromír – Tři čuníci\r\ne|--0--|"));
        QCOMPARE(doc.Title(), QString("Blues in A"));

        QSignalSpy spy(&doc, &clsTablature::OnBookmarkFileRename);
        doc.RenameFile("Blues für Élise");
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QString("3||7||12"));
        QCOMPARE(spy.at(0).at(1).toString(), QString("Blues für Élise"));
        QCOMPARE(StoreRows::scalar(m_path, "SELECT filename FROM file WHERE file_id=12").toString(), QString("Blues für Élise"));
        QCOMPARE(doc.Title(), QString("Blues für Élise"));
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

    void bookmarkLifecycle()
    {
        clsTablature doc;
        doc.SelectTabFile(3, 7, 12);
        QCOMPARE(doc.BookmarkExists(), QString());

        QSignalSpy inserted(&doc, &clsTablature::OnBookmarkInsert);
        doc.InsertBookmark("Übung", "Každý den");
        QCOMPARE(inserted.count(), 1);
        const QList<QVariant> args = inserted.at(0);
        QCOMPARE(args.at(0).toInt(), 1);
        QCOMPARE(args.mid(1), QList<QVariant>({"3||7||12", "Guitar", "Riffs", "Blues in A", "Übung", "Každý den"}));
        QCOMPARE(doc.BookmarkExists(), QString("3||7||12"));

        QVERIFY(doc.SelectBookmark(1));
        QCOMPARE(doc.BookmarkTitle(), QString("Übung"));
        QCOMPARE(doc.BookmarkDescription(), QString("Každý den"));
        QVERIFY(!doc.SelectBookmark(99));
        QCOMPARE(doc.BookmarkTitle(), QString("Übung"));

        QSignalSpy updated(&doc, &clsTablature::OnBookmarkUpdate);
        doc.UpdateBookmark(1, "Täglich", "Deset minut – každý den");
        QCOMPARE(updated.count(), 1);
        QCOMPARE(updated.at(0), (QList<QVariant>{"3||7||12", "Täglich", "Deset minut – každý den"}));
        QCOMPARE(StoreRows::scalar(m_path, "SELECT bookmark || '/' || description FROM bookmarks").toString(),
                 QString("Täglich/Deset minut – každý den"));

        QSignalSpy deleted(&doc, &clsTablature::OnBookmarkDelete);
        doc.DeleteBookmark(99);  // not there: nothing deleted, the signal still names the file
        QCOMPARE(deleted.count(), 1);
        QCOMPARE(deleted.at(0).at(0).toString(), QString("3||7||12"));
        QCOMPARE(count("SELECT count(*) FROM bookmarks"), 1);
        doc.DeleteBookmark(1);
        QCOMPARE(count("SELECT count(*) FROM bookmarks"), 0);
    }

    void bookmarkEventsNameTheBookmarksOwnFile()
    {
        // A bookmark on file 12 edited and deleted while the object holds file 13.
        StoreRows::exec(m_path, "INSERT INTO bookmarks(bookmark, description, category_id, directory_id, file_id) "
                                "VALUES ('Blues','',3,7,12);"
                                "INSERT INTO tablature VALUES (13,'x','')");
        clsTablature doc;
        doc.SelectTabFile(3, 7, 13);
        QString key;
        QString title;
        QVERIFY(doc.BookmarkFile(1, key, title));
        QCOMPARE(key + "/" + title, QString("3||7||12/Blues in A"));
        QSignalSpy updated(&doc, &clsTablature::OnBookmarkUpdate);
        doc.UpdateBookmark(1, "Slow", "");
        QCOMPARE(updated.at(0).at(0).toString(), QString("3||7||12"));
        QSignalSpy deleted(&doc, &clsTablature::OnBookmarkDelete);
        doc.DeleteBookmark(1);
        QCOMPARE(deleted.at(0).at(0).toString(), QString("3||7||12"));
        QVERIFY_THROWS_EXCEPTION(DbError, doc.UpdateBookmark(1, "Gone", ""));  // nothing to save into
        QCOMPARE(updated.count(), 1);

        // a bookmark whose file is gone has no file to show
        StoreRows::exec(m_path, "INSERT INTO bookmarks(bookmark, description, category_id, directory_id, file_id) "
                                "VALUES ('Gone','',3,7,99)");
        QVERIFY(!doc.BookmarkFile(2, key, title));
        QVERIFY(doc.SelectBookmark(2));
    }

    void deleteFileRemovesItsRowsTogether()
    {
        clsTablature doc;
        doc.SelectTabFile(3, 7, 12);
        doc.InsertBookmark("b", "d");
        QSignalSpy spy(&doc, &clsTablature::OnFileDelete);
        doc.DeleteFile(12);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QString("3||7||12"));
        QCOMPARE(count("SELECT count(*) FROM file WHERE file_id=12"), 0);
        QCOMPARE(count("SELECT count(*) FROM tablature WHERE file_id=12"), 0);
        QCOMPARE(count("SELECT count(*) FROM bookmarks"), 0);
        QCOMPARE(count("SELECT count(*) FROM file"), 1);

        // a failure part-way leaves every row in place and raises no signal
        StoreRows::exec(m_path, "INSERT INTO tablature VALUES (13,'x','');"
                                "CREATE TRIGGER keep BEFORE DELETE ON tablature BEGIN SELECT RAISE(ABORT, 'locked'); END;");
        doc.SelectTabFile(3, 7, 13);
        QVERIFY_THROWS_EXCEPTION(DbError, doc.DeleteFile(13));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(count("SELECT count(*) FROM file WHERE file_id=13"), 1);
    }
};

QTEST_GUILESS_MAIN(tst_clsTablature)
#include "tst_clsTablature.moc"
