#include "StoreRows.h"
#include "TestHome.h"
#include "store/modADO.h"
#include "ui/PrintedLines.h"
#include "ui/Songbook.h"

#include <QtTest>

class tst_Songbook : public QObject
{
    Q_OBJECT

private:
    TestHome *m_home = nullptr;
    QString m_store;

private slots:
    void init()
    {
        m_home = new TestHome;
        m_store = m_home->newStore("Book");
        StoreRows::exec(m_store, "INSERT INTO categories VALUES (1,'Guitar'),(2,'Empty');"
                                 "INSERT INTO directories VALUES (10,1,'Riffs');"
                                 "INSERT INTO file VALUES (1,10,'Short');"
                                 "INSERT INTO tablature VALUES (1,'e|--0--|\r\n','Capo 2')");
        QVERIFY(modADO::OpenConnection(m_store, "Book"));
    }
    void cleanup()
    {
        modADO::CloseConnection();
        delete m_home;
    }

    // Printed lines: every line end style, tab stops every 8 columns, pieces that fit the width.
    void printedLines()
    {
        const QFont font(QStringLiteral("Monospace"), 10);
        const QFontMetricsF metrics(font);
        const qreal tenChars = metrics.horizontalAdvance(QString(10, u'M'));
        QCOMPARE(PrintedLines::Wrap("a\r\nb\rc\nd\r\n", metrics, tenChars), (QStringList{"a", "b", "c", "d"}));
        QCOMPARE(PrintedLines::Wrap("e|\t-3-|", metrics, tenChars * 2), QStringList{"e|      -3-|"});
        QCOMPARE(PrintedLines::Wrap(QString(25, u'-'), metrics, tenChars),
                 (QStringList{QString(10, u'-'), QString(10, u'-'), QString(5, u'-')}));
        QCOMPARE(PrintedLines::Wrap("x", metrics, 0), QStringList{"x"});  // at least one character
    }

    void nothingToPrintOrNowhereToWrite()
    {
        QTemporaryDir out;
        QString error;
        Songbook empty({2, 0}, QFont());
        QVERIFY(!empty.write(out.path() + "/empty.pdf", error));
        QCOMPARE(error, QString("There are no files to print."));
        QVERIFY(!QFile::exists(out.path() + "/empty.pdf"));

        QFile blocker(out.path() + "/file");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        error.clear();
        QVERIFY(!Songbook({1, 0}, QFont()).write(out.path() + "/file/book.pdf", error));
        QVERIFY(error.contains("book.pdf"));
    }
};

QTEST_MAIN(tst_Songbook)
#include "tst_Songbook.moc"
