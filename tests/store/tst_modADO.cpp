#include "StoreRows.h"
#include "TestHome.h"
#include "store/Connection.h"
#include "store/Recordset.h"
#include "store/modADO.h"

#include <QFile>
#include <QtTest>

// Opening stores: paths, the one connection, and the refusal of files that are not stores.
class tst_modADO : public QObject
{
    Q_OBJECT

private slots:
    // Each row breaks one thing only: the byte rows are not SQLite at all, the other rows start
    // from a good store (or an empty SQLite file) and change just what their name says.
    void refusesWhatIsNotAStore_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("sql");     // run on a copy of the template, or on an empty SQLite file
        QTest::addColumn<QString>("reason");  // a part of the error that names the row's fault
        QTest::newRow("random bytes") << QByteArray(4096, '\x5a') << QString() << "is not a Chordex store.";
        QTest::newRow("other SQLite file") << QByteArray() << QString("<empty>CREATE TABLE notes(x);")
                                           << "no table \"categories\"";
        QTest::newRow("bookmark columns reordered")
            << QByteArray()
            << QString("DROP TABLE bookmarks;"
                       "CREATE TABLE bookmarks(bookmark_id, file_id, directory_id, category_id, bookmark, description);")
            << "\"bookmarks\" does not have the expected columns";
        QTest::newRow("made by a newer version") << QByteArray() << QString("PRAGMA user_version=99;") << "newer version";
    }

    void refusesWhatIsNotAStore()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, sql);
        QFETCH(QString, reason);
        TestHome home;
        const QString good = home.newStore("Good");
        QVERIFY(modADO::OpenConnection(good, "Good"));

        QString bad = home.dbPath("Bad");
        if (sql.startsWith("<empty>")) {
            QFile f(bad);
            QVERIFY(f.open(QIODevice::WriteOnly));  // an empty file is a new SQLite database
            f.close();
            StoreRows::exec(bad, sql.mid(7));
        } else if (!sql.isEmpty()) {
            bad = home.newStore("Bad");
            StoreRows::exec(bad, sql);
        } else {
            QFile f(bad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        const QByteArray before = [&] { QFile f(bad); f.open(QIODevice::ReadOnly); return f.readAll(); }();

        QVERIFY(!modADO::OpenConnection(bad, "Bad"));
        QVERIFY(modADO::NoStoreOpen());  // not the good store either
        QVERIFY2(modADO::LastOpenError().contains(reason), qPrintable(modADO::LastOpenError()));
        QFile f(bad);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);  // the refused file is left exactly as it was
    }

    void missingFileIsRefusedAndNotCreated()
    {
        TestHome home;
        const QString missing = home.dbPath("Gone");
        QVERIFY(!modADO::OpenConnection(missing, "Gone"));
        QVERIFY(modADO::NoStoreOpen());
        QVERIFY(!QFile::exists(missing));
        QVERIFY(modADO::LastOpenError().contains("does not exist"));
    }

    void theSampleStoreIsAValidStore()
    {
        TestHome home;
        const QString sample = home.sampleStore();
        QVERIFY2(modADO::OpenConnection(sample, "Sample"), qPrintable(modADO::LastOpenError()));
        QCOMPARE(StoreRows::scalar(sample, "PRAGMA integrity_check").toString(), QString("ok"));
        // every file has exactly one content row, and every bookmark points at a real file
        QCOMPARE(StoreRows::scalar(sample, "SELECT count(*) FROM file f WHERE (SELECT count(*) FROM tablature t WHERE t.file_id=f.file_id) <> 1").toInt(), 0);
        QCOMPARE(StoreRows::scalar(sample, "SELECT count(*) FROM bookmarks b LEFT JOIN file f ON f.file_id=b.file_id "
                                           "LEFT JOIN directories d ON d.directory_id=f.directory_id "
                                           "WHERE f.file_id IS NULL OR d.directory_id<>b.directory_id OR d.category_id<>b.category_id").toInt(), 0);
        modADO::CloseConnection();
    }
};

QTEST_GUILESS_MAIN(tst_modADO)
#include "tst_modADO.moc"
