#include "StoreRows.h"
#include "TestHome.h"
#include "store/Connection.h"
#include "store/DbError.h"
#include "store/Recordset.h"

#include <QtTest>

// The engine layer against a real store file.
class tst_Recordset : public QObject
{
    Q_OBJECT

    TestHome *m_home = nullptr;
    QString m_path;
    Connection m_conn;

    QStringList ids(const QString &sql) { return StoreRows::column(m_path, sql); }

private slots:
    void init()
    {
        m_home = new TestHome;
        m_path = m_home->newStore("T");
        StoreRows::exec(m_path, "INSERT INTO categories(category) VALUES ('Guitar'),('Bass');"
                                "INSERT INTO directories(category_id, directory) VALUES (1,'Riffs'),(1,'Exercises');"
                                "INSERT INTO file(directory_id, filename) VALUES (1,'One'),(1,'Two'),(2,'Three');"
                                "INSERT INTO tablature VALUES (1,'t1','n1'),(2,'t2','n2'),(3,'t3','');");
        m_conn.Open(m_path);
    }
    void cleanup()
    {
        m_conn.Close();
        delete m_home;
    }

    void readOnlySetsStepCountAndName()
    {
        Recordset rs;
        rs.Open("SELECT * FROM file WHERE filename LIKE '%T%'", m_conn, CursorType::ForwardOnly, LockType::ReadOnly);
        QCOMPARE(rs.RecordCount(), 2L);  // Two, Three: LIKE ignores case
        QCOMPARE(rs.Fields("FileName").toString(), QString("Two"));  // names ignore case
        QCOMPARE(rs.Fields(0).toInt(), 2);                           // positions follow the table
        rs.MoveNext();
        QCOMPARE(rs.Fields(2).toString(), QString("Three"));
        rs.MoveNext();
        QVERIFY(rs.Eof());
        QVERIFY_THROWS_EXCEPTION(DbError, rs.Fields(0));
        QVERIFY_THROWS_EXCEPTION(DbError, rs.Fields("nosuch"));
        QVERIFY_THROWS_EXCEPTION(DbError, rs.AddNew());
        QVERIFY_THROWS_EXCEPTION(DbError, rs.Open("SELECT * FROM nosuch", m_conn));
    }

    void addChangeAndDeleteRows()
    {
        Recordset rs;
        rs.Open("SELECT * FROM file", m_conn, CursorType::Static, LockType::Pessimistic);
        rs.AddNew();
        rs.SetField("directory_id", 2);
        rs.SetField("FileName", "It's \"quoted\"; DROP TABLE file;--");
        rs.Update();
        QCOMPARE(rs.Fields("file_id").toInt(), 4);  // the new row is current
        rs.Close();
        QCOMPARE(StoreRows::scalar(m_path, "SELECT filename FROM file WHERE file_id=4").toString(),
                 QString("It's \"quoted\"; DROP TABLE file;--"));

        rs.Open("SELECT * FROM file WHERE directory_id=1", m_conn, CursorType::Static, LockType::Pessimistic);
        while (!rs.Eof()) {
            rs.Delete();
            rs.MoveNext();
        }
        rs.UpdateBatch();
        rs.Close();
        QCOMPARE(ids("SELECT file_id FROM file ORDER BY file_id"), QStringList({"3", "4"}));

        rs.Open("SELECT * FROM file WHERE file_id=99", m_conn, CursorType::Static, LockType::Pessimistic);
        QVERIFY_THROWS_EXCEPTION(DbError, rs.SetField("filename", "x"));  // no row to change
    }
};

QTEST_GUILESS_MAIN(tst_Recordset)
#include "tst_Recordset.moc"
