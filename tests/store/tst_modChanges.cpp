#include "StoreRows.h"
#include "TestHome.h"
#include "store/DbError.h"
#include "store/modADO.h"
#include "store/modChanges.h"

#include <QtTest>

#include <functional>
#include <memory>

namespace {

// Every row of the catalogue, as "table:values", so a test sees any change anywhere.
QStringList rows(const QString &store)
{
    return StoreRows::column(store, "SELECT 'c:'||category_id||','||category FROM categories") +
           StoreRows::column(store, "SELECT 'd:'||directory_id||','||category_id||','||directory FROM directories") +
           StoreRows::column(store, "SELECT 'f:'||file_id||','||directory_id||','||filename FROM file") +
           StoreRows::column(store, "SELECT 't:'||file_id FROM tablature") +
           StoreRows::column(store, "SELECT 'b:'||bookmark_id||','||category_id||','||directory_id||','||file_id FROM bookmarks");
}

}  // namespace

class tst_modChanges : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void changes_data();
    void changes();
    void refusedChangeLeavesEverything_data();
    void refusedChangeLeavesEverything();

private:
    std::unique_ptr<TestHome> m_home;
    QString m_store;
};

// Categories 1 Guitar (folders 1 Riffs with files 1, 2; 2 Empty), 2 Bass (folder 3 Lines with
// file 3). Bookmarks 1 on file 2 and 2 on file 3.
void tst_modChanges::init()
{
    m_home = std::make_unique<TestHome>();
    m_store = m_home->newStore("Changes");
    StoreRows::exec(m_store,
        "INSERT INTO categories(category) VALUES ('Guitar'),('Bass');"
        "INSERT INTO directories(category_id, directory) VALUES (1,'Riffs'),(1,'Empty'),(2,'Lines');"
        "INSERT INTO file(directory_id, filename) VALUES (1,'One'),(1,'Two'),(3,'Three');"
        "INSERT INTO tablature(file_id, tab, notes) VALUES (1,'a',''),(2,'b',''),(3,'c','');"
        "INSERT INTO bookmarks(bookmark, description, category_id, directory_id, file_id) VALUES "
        "('B2','',1,1,2),('B3','',2,3,3);");
    QVERIFY(modADO::OpenConnection(m_store, "Changes"));
}

void tst_modChanges::cleanup()
{
    modADO::CloseConnection();
    m_home.reset();
}

void tst_modChanges::changes_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("gone");
    QTest::addColumn<QStringList>("added");
    QTest::newRow("delete an empty folder") << "deleteFolder 2" << QStringList{"d:2,1,Empty"} << QStringList{};
    QTest::newRow("delete a folder with files") << "deleteFolder 1"
        << QStringList{"d:1,1,Riffs", "f:1,1,One", "f:2,1,Two", "t:1", "t:2", "b:1,1,1,2"} << QStringList{};
    QTest::newRow("rename a folder") << "renameFolder 3" << QStringList{"d:3,2,Lines"} << QStringList{"d:3,2,Renamed"};
    QTest::newRow("move a file within its category") << "moveFile 2 2 0"
        << QStringList{"f:2,1,Two", "b:1,1,1,2"} << QStringList{"f:2,2,Two", "b:1,1,2,2"};
    QTest::newRow("move a file to another category") << "moveFile 2 3 2"
        << QStringList{"f:2,1,Two", "b:1,1,1,2"} << QStringList{"f:2,3,Two", "b:1,2,3,2"};
    QTest::newRow("move a file without bookmark") << "moveFile 1 3 2" << QStringList{"f:1,1,One"} << QStringList{"f:1,3,One"};
    QTest::newRow("move a folder") << "moveFolder 1 2"
        << QStringList{"d:1,1,Riffs", "b:1,1,1,2"} << QStringList{"d:1,2,Riffs", "b:1,2,1,2"};
}

void tst_modChanges::changes()
{
    QFETCH(QString, change);
    QFETCH(QStringList, gone);
    QFETCH(QStringList, added);
    QStringList expected = rows(m_store);
    for (const QString &row : gone)
        QVERIFY2(expected.removeOne(row), qPrintable(row));
    expected += added;

    const QStringList a = change.split(' ');
    if (a[0] == "deleteFolder")
        modChanges::DeleteFolder(a[1].toInt());
    else if (a[0] == "renameFolder")
        modChanges::RenameFolder(a[1].toInt(), "Renamed");
    else if (a[0] == "moveFile")
        modChanges::MoveFile(a[1].toInt(), a[2].toInt(), a[3].toInt());
    else
        modChanges::MoveFolder(a[1].toInt(), a[2].toInt());

    QStringList actual = rows(m_store);
    actual.sort();
    expected.sort();
    QCOMPARE(actual, expected);
}

// A store that refuses the last step of a change keeps every row as it was.
void tst_modChanges::refusedChangeLeavesEverything_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("change");
    QTest::newRow("folder delete") << "BEFORE DELETE ON directories" << "deleteFolder";
    QTest::newRow("file move") << "BEFORE UPDATE ON bookmarks" << "moveFile";
    QTest::newRow("folder move") << "BEFORE UPDATE ON bookmarks" << "moveFolder";
}

void tst_modChanges::refusedChangeLeavesEverything()
{
    QFETCH(QString, trigger);
    QFETCH(QString, change);
    StoreRows::exec(m_store, "CREATE TRIGGER nope " + trigger + " BEGIN SELECT RAISE(ABORT, 'disk full'); END;");
    const QStringList before = rows(m_store);
    const std::function<void()> run = change == "deleteFolder" ? std::function<void()>([] { modChanges::DeleteFolder(1); })
                                    : change == "moveFile"     ? std::function<void()>([] { modChanges::MoveFile(2, 3, 2); })
                                                               : std::function<void()>([] { modChanges::MoveFolder(1, 2); });
    QVERIFY_THROWS_EXCEPTION(DbError, run());
    QCOMPARE(rows(m_store), before);
    // The connection is usable again afterwards: no transaction was left open.
    StoreRows::exec(m_store, "DROP TRIGGER nope;");
    modChanges::MoveFolder(2, 2);
}

QTEST_MAIN(tst_modChanges)
#include "tst_modChanges.moc"
