#include "store/LikePattern.h"
#include "store/Recordset.h"
#include "store/modADO.h"
#include "store/modSearch.h"

#include "StoreRows.h"
#include "TestHome.h"

#include <QtTest>

#include <memory>

class tst_LikePattern : public QObject
{
    Q_OBJECT

    static bool like(const QString &text, const QString &pattern)
    {
        const QByteArray t = text.toUtf8();
        const QByteArray p = pattern.toUtf8();
        return LikePattern(std::string_view(p.constData(), std::size_t(p.size())))
            .matches(std::string_view(t.constData(), std::size_t(t.size())));
    }

private slots:
    void matching_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("expected");
        QTest::newRow("ascii case") << "Stairway" << "%AIR%" << true;
        QTest::newRow("accented case") << "CAFÉ blues" << "%café%" << true;
        QTest::newRow("greek case") << "ΣΟΦΙΑ" << "%σοφ%" << true;
        QTest::newRow("accent is not case") << "cafe" << "%café%" << false;
        QTest::newRow("underscore one char") << "Gé7" << "G_7" << true;
        QTest::newRow("underscore not zero") << "G7" << "G_7" << false;
        QTest::newRow("percent inside") << "Blues in A" << "%bl%a%" << true;
        QTest::newRow("order of runs") << "in A blues" << "%blues%in%" << false;
        QTest::newRow("anchored start") << "xBlues" << "blues%" << false;
        QTest::newRow("anchored end miss") << "blues in E minor" << "%in e" << false;
        QTest::newRow("empty pattern, empty text") << "" << "" << true;
        QTest::newRow("empty pattern") << "a" << "" << false;
        QTest::newRow("percent only") << "" << "%" << true;
        QTest::newRow("second candidate") << "aab" << "%ab%" << true;
        QTest::newRow("kelvin sign folds to k") << "\u212Aey" << "%key%" << true;
        QTest::newRow("quote") << "Don't stop" << "%don't%" << true;
    }
    void matching()
    {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QFETCH(bool, expected);
        QCOMPARE(like(text, pattern), expected);
    }

    void findReportsTheFirstMatch()
    {
        const QByteArray text = QString("x CAPO é Capo").toUtf8();
        const LikePattern pattern("capo");
        std::size_t begin = 0;
        std::size_t end = 0;
        QVERIFY(pattern.find(std::string_view(text.constData(), std::size_t(text.size())), begin, end));
        QCOMPARE(int(begin), 2);
        QCOMPARE(int(end), 6);
        const QByteArray bad("\xff\xfe caf\xc3\x89", 8);  // invalid bytes before "café"
        const LikePattern accented("CAFé");
        QVERIFY(accented.find(std::string_view(bad.constData(), std::size_t(bad.size())), begin, end));
        QCOMPARE(int(begin), 3);
        QCOMPARE(int(end), 8);
    }

    void storeUsesThePatternAndTheStatementText_data()
    {
        QTest::addColumn<bool>("titles");
        QTest::addColumn<bool>("tab");
        QTest::addColumn<bool>("notes");
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("title") << true << false << false << "WHERE file.filename LIKE '%o''c%' "
                               << QStringList{"O'Carolan"};
        QTest::newRow("tab") << false << true << false << "WHERE tablature.tab LIKE '%o''c%' "
                             << QStringList{"Jig"};
        QTest::newRow("notes") << false << false << true << "WHERE tablature.notes LIKE '%o''c%' "
                               << QStringList{"O'Carolan"};
        QTest::newRow("title and notes")
            << true << false << true
            << "WHERE file.filename LIKE '%o''c%'  OR tablature.notes LIKE '%o''c%' " << QStringList{"O'Carolan"};
        QTest::newRow("all") << true << true << true
                             << "WHERE file.filename LIKE '%o''c%'  OR tablature.tab LIKE '%o''c%'  OR "
                                "tablature.notes LIKE '%o''c%' "
                             << QStringList{"O'Carolan", "Jig"};
        QTest::newRow("none") << false << false << false << "" << QStringList{"O'Carolan", "Jig", "Reel"};
    }
    void storeUsesThePatternAndTheStatementText()
    {
        QFETCH(bool, titles);
        QFETCH(bool, tab);
        QFETCH(bool, notes);
        QFETCH(QString, condition);
        QFETCH(QStringList, files);
        QCOMPARE(modSearch::SearchCondition("o'c", titles, tab, notes), condition);

        TestHome home;
        const QString path = home.newStore("Find");
        StoreRows::exec(path, "INSERT INTO categories VALUES (1,'Irish');"
                              "INSERT INTO directories VALUES (1,1,'Tunes');"
                              "INSERT INTO file VALUES (1,1,'O''Carolan'),(2,1,'Jig'),(3,1,'Reel');"
                              "INSERT INTO tablature VALUES (1,'e|---|','by O''Carolan'),(2,'e|-O''C-|',NULL),"
                              "(3,'e|---|','');");
        QVERIFY(modADO::OpenConnection(path, "Find"));
        Recordset rs;
        rs.Open(modSearch::SearchStatement("o'c", titles, tab, notes), modADO::Conn());
        QStringList found;
        for (; !rs.Eof(); rs.MoveNext())
            found << rs.Fields(0).toString();
        rs.Close();
        modADO::CloseConnection();
        QCOMPARE(found, files);  // one row per file, even when both title and notes match
    }
};

QTEST_GUILESS_MAIN(tst_LikePattern)
#include "tst_LikePattern.moc"
