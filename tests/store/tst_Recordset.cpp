#include "StoreRows.h"
#include "TestHome.h"
#include "store/Connection.h"
#include "store/DbError.h"
#include "store/Recordset.h"

#include <QtTest>

// The engine layer against real store files.
class tst_Recordset : public QObject
{
    Q_OBJECT

private:
    TestHome *m_home = nullptr;
    QString m_path;
    Connection m_conn;

private slots:
    void init()
    {
        m_home = new TestHome;
        m_path = m_home->newStore("T");
        StoreRows::exec(m_path, "INSERT INTO categories(category) VALUES ('Guitar'),('Bass');"
                                "INSERT INTO directories(category_id, directory) VALUES (1,'Riffs'),(1,'Exercises'),(2,'Lines');"
                                "INSERT INTO file(directory_id, filename) VALUES (1,'One'),(1,'Two'),(2,'Three');"
                                "INSERT INTO tablature VALUES (1,'e|--0--|','n1'),(2,'e|--2--|','n2'),(3,'e|--3--|','');");
        m_conn.Open(m_path);
    }
    void cleanup()
    {
        m_conn.Close();
        delete m_home;
    }

    void readOnlySetsStepAndCount()
    {
        Recordset rs;
        rs.Open("SELECT * FROM file WHERE directory_id=1", m_conn, CursorType::ForwardOnly, LockType::ReadOnly);
        QCOMPARE(rs.RecordCount(), 2L);
        QCOMPARE(rs.FieldCount(), 3);
        QCOMPARE(rs.FieldName(2), QString("filename"));
        // by name without regard to case, and by position in the table's column order
        QCOMPARE(rs.Fields("FileName").toString(), QString("One"));
        QCOMPARE(rs.Fields("FILE_ID").toInt(), 1);
        QCOMPARE(rs.Fields(1).toInt(), 1);
        rs.MoveNext();
        QCOMPARE(rs.Fields(2).toString(), QString("Two"));
        rs.MoveNext();
        QVERIFY(rs.Eof());
        QVERIFY_THROWS_EXCEPTION(DbError, rs.Fields(0));
        QVERIFY_THROWS_EXCEPTION(DbError, rs.MoveNext());
        rs.MoveFirst();
        QCOMPARE(rs.Fields(2).toString(), QString("One"));
        rs.MoveLast();
        QCOMPARE(rs.Fields(2).toString(), QString("Two"));
        rs.MoveNext();
        QVERIFY(rs.Eof());
        QVERIFY_THROWS_EXCEPTION(DbError, rs.Fields("nosuch"));
        QVERIFY_THROWS_EXCEPTION(DbError, rs.AddNew());

        Recordset empty;
        empty.Open("SELECT * FROM file WHERE directory_id=99", m_conn, CursorType::ForwardOnly, LockType::ReadOnly);
        QVERIFY(empty.Eof());
        QCOMPARE(empty.RecordCount(), 0L);
    }

    void joinsAndMaxReads()
    {
        Recordset rs;
        rs.Open("SELECT tablature.tab,tablature.notes,file.filename,directories.directory,categories.category "
                "FROM tablature INNER JOIN (file INNER JOIN (directories INNER JOIN categories "
                "ON categories.category_id=directories.category_id) "
                "ON file.directory_id=directories.directory_id) "
                "ON file.file_id = tablature.file_id WHERE tablature.file_id =2",
                m_conn, CursorType::ForwardOnly, LockType::ReadOnly);
        QVERIFY(!rs.Eof());
        QCOMPARE(rs.Fields("Tab").toString(), QString("e|--2--|"));
        QCOMPARE(rs.Fields("FileName").toString(), QString("Two"));
        QCOMPARE(rs.Fields("Category").toString(), QString("Guitar"));
        rs.Close();
        rs.Open("SELECT MAX(file_id) FROM file", m_conn, CursorType::ForwardOnly, LockType::ReadOnly);
        QCOMPARE(rs.Fields(0).toInt(), 3);
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

        rs.Open("SELECT * FROM tablature WHERE file_id=2", m_conn, CursorType::Static, LockType::Pessimistic);
        QVERIFY(!rs.Eof());
        rs.SetField("Tab", "new tab");
        rs.SetField("notes", "new notes");
        rs.Update();
        rs.Close();
        QCOMPARE(StoreRows::scalar(m_path, "SELECT tab || '/' || notes FROM tablature WHERE file_id=2").toString(),
                 QString("new tab/new notes"));

        // delete every row: delete current, move next, until the end
        rs.Open("SELECT * FROM file WHERE directory_id=1", m_conn, CursorType::Static, LockType::Pessimistic);
        QCOMPARE(rs.RecordCount(), 2L);
        while (!rs.Eof()) {
            rs.Delete();
            QVERIFY_THROWS_EXCEPTION(DbError, rs.Fields(0));
            rs.MoveNext();
        }
        rs.UpdateBatch();
        QCOMPARE(rs.RecordCount(), 0L);
        rs.Close();
        QCOMPARE(StoreRows::column(m_path, "SELECT file_id FROM file ORDER BY file_id"), QStringList({"3", "4"}));

        // an empty set: nothing to change, UpdateBatch is harmless
        rs.Open("SELECT * FROM file WHERE file_id=99", m_conn, CursorType::Static, LockType::Pessimistic);
        QVERIFY(rs.Eof());
        QVERIFY_THROWS_EXCEPTION(DbError, rs.SetField("filename", "x"));
        rs.UpdateBatch();
    }

    void countersAscendAfterDeletesAndPast16Bits()
    {
        StoreRows::exec(m_path, "DELETE FROM categories WHERE category_id=2");
        Recordset rs;
        rs.Open("SELECT category FROM categories", m_conn, CursorType::Static, LockType::Optimistic);
        QCOMPARE(rs.RecordCount(), 1L);
        rs.MoveLast();
        rs.AddNew();
        rs.SetField("Category", "Keys");
        rs.Update();
        rs.Close();
        rs.Open("SELECT MAX(category_id) FROM categories", m_conn, CursorType::ForwardOnly, LockType::ReadOnly);
        QCOMPARE(rs.Fields(0).toInt(), 3);  // never reuses the deleted 2
        rs.Close();

        StoreRows::exec(m_path, "INSERT INTO file(file_id, directory_id, filename) VALUES (32767, 1, 'Last small')");
        rs.Open("SELECT * FROM file", m_conn, CursorType::Static, LockType::Pessimistic);
        rs.AddNew();
        rs.SetField("directory_id", 1);
        rs.SetField("filename", "Big");
        rs.Update();
        rs.Close();
        rs.Open("SELECT MAX(file_id) FROM file", m_conn, CursorType::ForwardOnly, LockType::ReadOnly);
        QCOMPARE(rs.Fields(0).toLongLong(), 32768LL);
    }

    void likePatternsAndUnspecifiedModes()
    {
        Recordset rs;
        rs.Open("SELECT * FROM file WHERE filename LIKE '%T%'", m_conn, CursorType::Unspecified, LockType::Unspecified);
        QCOMPARE(rs.RecordCount(), 2L);  // Two, Three: the comparison ignores case
        QStringList names;
        for (; !rs.Eof(); rs.MoveNext())
            names << rs.Fields("filename").toString();
        QCOMPARE(names, QStringList({"Two", "Three"}));
    }

    void badStatementsAndClosedSets()
    {
        Recordset rs;
        QVERIFY_THROWS_EXCEPTION(DbError, rs.Open("SELECT * FROM nosuch", m_conn, CursorType::ForwardOnly, LockType::ReadOnly));
        QVERIFY(!rs.isOpen());
        QVERIFY_THROWS_EXCEPTION(DbError, rs.Eof());
        Connection closed;
        QVERIFY_THROWS_EXCEPTION(DbError, rs.Open("SELECT 1", closed, CursorType::ForwardOnly, LockType::ReadOnly));
    }

    void transactionsRollBackUnlessCommitted()
    {
        {
            Transaction t(m_conn);
            Recordset rs;
            rs.Open("SELECT * FROM file WHERE file_id=1", m_conn, CursorType::Static, LockType::Pessimistic);
            rs.Delete();
        }
        QCOMPARE(StoreRows::scalar(m_path, "SELECT count(*) FROM file").toInt(), 3);
        {
            Transaction t(m_conn);
            Recordset rs;
            rs.Open("SELECT * FROM file WHERE file_id=1", m_conn, CursorType::Static, LockType::Pessimistic);
            rs.Delete();
            rs.Close();
            t.commit();
        }
        QCOMPARE(StoreRows::scalar(m_path, "SELECT count(*) FROM file").toInt(), 2);
    }
};

QTEST_GUILESS_MAIN(tst_Recordset)
#include "tst_Recordset.moc"
