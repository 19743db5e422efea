#include "StoreRows.h"
#include "TestHome.h"
#include "store/CollectionExport.h"
#include "store/CollectionImport.h"
#include "store/modADO.h"

#include <QtTest>

namespace {

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

}  // namespace

class tst_CollectionImport : public QObject
{
    Q_OBJECT

private:
    TestHome *m_home = nullptr;
    QString m_store;
    QTemporaryDir *m_src = nullptr;
    QString m_root;  // the chosen folder, "My Tabs"

    QStringList rows(const QString &sql) { return StoreRows::column(m_store, sql); }
    int count(const QString &table) { return StoreRows::scalar(m_store, "SELECT count(*) FROM " + table).toInt(); }
    QString tabOf(const QString &title)
    {
        return StoreRows::scalar(m_store, "SELECT tab FROM tablature JOIN file USING(file_id) WHERE filename='" + title + "'")
            .toString();
    }

private slots:
    void init()
    {
        m_home = new TestHome;
        m_store = m_home->newStore("Import");
        StoreRows::exec(m_store, "INSERT INTO categories VALUES (1,'Guitar')");
        StoreRows::exec(m_store, "INSERT INTO directories VALUES (7,1,'my tabs')");
        m_src = new QTemporaryDir;
        m_root = m_src->path() + "/My Tabs";
        write(m_root + "/utf8.tab", "e|--0--|\r\nB|--1--|\r\n");
        write(m_root + "/win.txt", "\x93Quoted\x94 \x96 dash\r\n");
        write(m_root + "/mac.crd", "Am\xCA\xCA\xCA" "C\xCA\xCAG\rla la\r");
        write(m_root + "/lf.tab", "line one\nline two");
        write(m_root + "/empty.tab", "");
        write(m_root + "/nul.tab", QByteArray("ab\0c\0d\n", 7));
        write(m_root + "/image.tab", QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(600, '\0') + QByteArray(300, '\x03'));
        write(m_root + "/readme.md", "not a tab");
        write(m_root + "/NOEXT", "no extension");
        write(m_root + "/songs/czech/Tři čuníci.tab", QString("Jaromír – Tři čuníci\r\n").toUtf8());
        write(m_root + "/.hidden/x.tab", "hidden");
        QVERIFY(modADO::OpenConnection(m_store, "Import"));
    }
    void cleanup()
    {
        modADO::CloseConnection();
        delete m_src;
        delete m_home;
    }

    void importsAFolderTree()
    {
        const CollectionImport::Result r = CollectionImport(1).run({m_root});
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QVERIFY(r.committed);
        QCOMPARE(CollectionImport::SummaryLine(r), QString("7 imported, 0 skipped, 1 refused"));
        // The chosen folder's own files go to the folder of its name, reused without case.
        QCOMPARE(rows("SELECT directory FROM directories ORDER BY directory_id"),
                 QStringList({"my tabs", "songs / czech"}));
        QCOMPARE(rows("SELECT filename FROM file WHERE directory_id=7 ORDER BY filename"),
                 QStringList({"empty", "lf", "mac", "nul", "utf8", "win"}));
        QCOMPARE(tabOf("win"), QString("“Quoted” – dash\r\n"));
        QCOMPARE(tabOf("mac"), QString("Am\u00a0\u00a0\u00a0C\u00a0\u00a0G\r\nla la\r\n"));
        QCOMPARE(tabOf("nul"), QString("abcd\r\n"));
        QCOMPARE(tabOf("Tři čuníci"), QString("Jaromír – Tři čuníci\r\n"));
        QVERIFY(CollectionImport::ReportText(r).contains("refused  |  " + QDir::toNativeSeparators(m_root + "/image.tab")));
    }

    void everyFileAndForcedEncoding()
    {
        CollectionImport::Options options;
        options.allFiles = true;
        options.encoding = TextCodec::Encoding::Latin1;
        const CollectionImport::Result r = CollectionImport(1, options).run({m_root + "/win.txt", m_root + "/NOEXT", m_root + "/readme.md"}, 7);
        QCOMPARE(r.imported, 3);
        QCOMPARE(tabOf("win"), QString("\u0093Quoted\u0094 \u0096 dash\r\n"));
    }

    void duplicatesSkippedOrNumbered()
    {
        CollectionImport(1).run({m_root});
        const CollectionImport::Result again = CollectionImport(1).run({m_root});
        QCOMPARE(CollectionImport::SummaryLine(again), QString("0 imported, 7 skipped, 1 refused"));

        write(m_root + "/utf8.tab", "changed\r\n");
        const CollectionImport::Result changed = CollectionImport(1).run({m_root});
        QCOMPARE(changed.imported, 1);
        QCOMPARE(tabOf("utf8 (2)"), QString("changed\r\n"));
        // The numbered copy counts as there too: a fourth run adds nothing.
        QCOMPARE(CollectionImport(1).run({m_root}).imported, 0);
    }

    void failureOrCancelImportsNothing()
    {
        StoreRows::exec(m_store, "CREATE TRIGGER refuse BEFORE INSERT ON file WHEN NEW.filename='win' "
                                 "BEGIN SELECT RAISE(ABORT, 'refused by trigger'); END");
        const CollectionImport::Result failed = CollectionImport(1).run({m_root});
        QVERIFY(!failed.committed);
        QVERIFY(failed.error.contains("refused by trigger"));
        QCOMPARE(count("file"), 0);
        QCOMPARE(count("directories"), 1);
        // A category the import would have made is not left behind either.
        QVERIFY(!CollectionImport("Made for it", {}).run({m_root}).committed);
        QCOMPARE(count("categories"), 1);
        StoreRows::exec(m_store, "DROP TRIGGER refuse");

        const CollectionImport::Result cancelled = CollectionImport(1).run(
            {m_root}, 0, [](int done, int, const QString &) { return done < 3; });
        QVERIFY(cancelled.cancelled);
        QVERIFY(!cancelled.committed);
        QCOMPARE(count("file"), 0);
        QCOMPARE(count("directories"), 1);
    }

    void exportThenImportGivesTheSameTexts()
    {
        StoreRows::exec(m_store, "INSERT INTO directories VALUES (8,1,'Café: über')");
        StoreRows::exec(m_store, "INSERT INTO file VALUES (50,8,'A/B'),(51,8,'Plain'),(52,8,'Empty notes'),(53,8,'Only notes')");
        StoreRows::exec(m_store, "INSERT INTO tablature VALUES (50,'e|--0--|\r\nB|--1--|\r\n','Capo 2\r\nslow'),"
                                 "(51,'no final line end',''),(52,'x\r\n',''),(53,'','Tři')");
        QTemporaryDir out;
        QCOMPARE(CollectionExport({1, 8}, out.path()).run(false).written, 4);
        StoreRows::exec(m_store, "INSERT INTO categories VALUES (2,'Back')");
        const CollectionImport::Result r = CollectionImport(2).run({out.path() + "/Guitar/Café_ über"});
        QCOMPARE(r.imported, 4);
        const QString texts = "SELECT tab || '|' || notes FROM file f JOIN tablature t USING(file_id) "
                              "JOIN directories d USING(directory_id) WHERE d.category_id=%1 ORDER BY 1";
        QCOMPARE(rows(texts.arg(2)), rows(texts.arg(1)));
    }

    void manyFiles()
    {
        for (int i = 0; i < 1500; ++i)
            write(m_src->path() + QString("/big/f%1.tab").arg(i, 4, 10, QChar('0')), QByteArray::number(i) + "\r\n");
        const CollectionImport::Result r = CollectionImport(1).run({m_src->path() + "/big"});
        QCOMPARE(r.imported, 1500);
        QCOMPARE(CollectionImport(1).run({m_src->path() + "/big"}).skipped, 1500);
        QCOMPARE(count("file"), 1500);
    }
};

QTEST_GUILESS_MAIN(tst_CollectionImport)
#include "tst_CollectionImport.moc"
