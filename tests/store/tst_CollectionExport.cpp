#include "StoreRows.h"
#include "TestHome.h"
#include "core/TabFileLayout.h"
#include "store/CollectionExport.h"
#include "store/SafeFileName.h"
#include "store/modADO.h"

#include <QtTest>

class tst_CollectionExport : public QObject
{
    Q_OBJECT

private:
    TestHome *m_home = nullptr;
    QString m_store;
    QTemporaryDir *m_out = nullptr;

    void exec(const QString &sql) { StoreRows::exec(m_store, sql); }
    QByteArray read(const QString &relative)
    {
        QFile f(m_out->path() + "/" + relative);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

private slots:
    void init()
    {
        m_home = new TestHome;
        m_store = m_home->newStore("Export");
        m_out = new QTemporaryDir;
        exec("INSERT INTO categories VALUES (1,'Guitar'),(2,'Bass: 5/6 string')");
        exec("INSERT INTO directories VALUES (10,1,'Riffs'),(11,1,'riffs'),(12,2,'Café über')");
        exec("INSERT INTO file VALUES (100,10,'Blues in A'),(101,10,'Blues in A'),(102,10,'CON'),"
             "(103,11,'What? <Why>'),(104,12,'Jaromír – Tři čuníci'),(105,12,'LF only')");
        exec("INSERT INTO tablature VALUES (100,'e|--0--|\r\n','Capo 2'),(101,'second',''),"
             "(102,'dev',NULL),(103,'q',''),(104,'Tři\r\n','Café'),(105,'a\nb\n','n\no')");
        QVERIFY(modADO::OpenConnection(m_store, "Export"));
    }
    void cleanup()
    {
        modADO::CloseConnection();
        delete m_out;
        delete m_home;
    }

    void safeNames_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("name");
        QTest::newRow("forbidden characters") << "a/b\\c:d*e?f\"g<h>i|j" << "a_b_c_d_e_f_g_h_i_j";
        QTest::newRow("control characters") << "tab\there\x01" << "tab_here_";
        QTest::newRow("trailing dots and blanks") << "  Intro... . " << "Intro";
        QTest::newRow("device name with extension") << "COM1.txt" << "COM1.txt_";
        QTest::newRow("nothing left") << " .. " << "_";
        QTest::newRow("non-ASCII kept") << "Jaromír – Tři čuníci" << "Jaromír – Tři čuníci";
    }
    void safeNames()
    {
        QFETCH(QString, title);
        QFETCH(QString, name);
        QCOMPARE(SafeFileName::Make(title), name);
    }

    void longNamesAndClashes()
    {
        const QString made = SafeFileName::Make(QString("ř").repeated(300));
        QVERIFY(made.toUtf8().size() <= 200);
        QSet<QString> taken;
        QCOMPARE(SafeFileName::Unique("Song", ".tab", taken), QString("Song"));
        QCOMPARE(SafeFileName::Unique("song", ".tab", taken), QString("song (2)"));
        QCOMPARE(SafeFileName::Unique("SONG", ".tab", taken), QString("SONG (3)"));
    }

    void exportsTheWholeStore()
    {
        CollectionExport exporter({}, m_out->path());
        QCOMPARE(exporter.plannedFiles(),
                 QStringList({"Guitar/Riffs/Blues in A.tab", "Guitar/Riffs/Blues in A (2).tab",
                              "Guitar/Riffs/CON_.tab", "Guitar/riffs (2)/What_ _Why_.tab",
                              "Bass_ 5_6 string/Café über/Jaromír – Tři čuníci.tab",
                              "Bass_ 5_6 string/Café über/LF only.tab"}));
        const CollectionExport::Result result = exporter.run(false);
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        QCOMPARE(result.written, 6);
        const QByteArray rule = TabFileLayout::NotesRule().toUtf8();
        QCOMPARE(read("Bass_ 5_6 string/Café über/LF only.tab"), "a\r\nb\r\n\r\n" + rule + "\r\nn\r\no\r\n");
        // One folder, or one category.
        QCOMPARE(CollectionExport({0, 12}, m_out->path() + "/f").run(false).written, 2);
        QCOMPARE(CollectionExport({1, 0}, m_out->path()).plannedFiles().filter("Bass").size(), 0);
    }

    void neverOverwritesUnasked()
    {
        QDir(m_out->path()).mkpath("Guitar/Riffs");
        QFile keep(m_out->path() + "/Guitar/Riffs/CON_.tab");
        QVERIFY(keep.open(QIODevice::WriteOnly));
        keep.write("mine");
        keep.close();
        CollectionExport exporter({}, m_out->path());
        const CollectionExport::Result refused = exporter.run(false);
        QCOMPARE(refused.written, 0);
        QVERIFY(!refused.error.isEmpty());
        QCOMPARE(read("Guitar/Riffs/CON_.tab"), QByteArray("mine"));
        QCOMPARE(read("Guitar/Riffs/Blues in A.tab"), QByteArray("<missing>"));
        QCOMPARE(exporter.run(true).written, 6);
        QCOMPARE(read("Guitar/Riffs/CON_.tab"), QByteArray("dev"));
    }

    void failedWriteAndCancel()
    {
        // A destination below a regular file cannot be made, even by root.
        QFile blocker(m_out->path() + "/file");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const CollectionExport::Result failed = CollectionExport({}, m_out->path() + "/file/sub").run(false);
        QCOMPARE(failed.written, 0);
        QVERIFY(failed.error.contains("file"));

        int calls = 0;
        const CollectionExport::Result cancelled = CollectionExport({}, m_out->path() + "/c").run(
            false, [&](int done, int total) {
                ++calls;
                return !(done == 2 && total == 6);
            });
        QVERIFY(cancelled.cancelled);
        QCOMPARE(cancelled.written, 2);
        QCOMPARE(calls, 2);
    }
};

QTEST_GUILESS_MAIN(tst_CollectionExport)
#include "tst_CollectionExport.moc"
