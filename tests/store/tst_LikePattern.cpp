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
        QTest::newRow("accented case") << "CAFÉ blues" << "%café%" << true;
        QTest::newRow("accent is not case") << "cafe" << "%café%" << false;
        QTest::newRow("underscore one char") << "Gé7" << "G_7" << true;
        QTest::newRow("underscore not zero") << "G7" << "G_7" << false;
        QTest::newRow("order of runs") << "in A blues" << "%blues%in%" << false;
        QTest::newRow("second candidate") << "aab" << "%ab%" << true;
        QTest::newRow("kelvin sign folds to k") << "\u212Aey" << "%key%" << true;
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
        std::size_t begin = 0, end = 0;
        QVERIFY(pattern.find(std::string_view(text.constData(), std::size_t(text.size())), begin, end));
        QCOMPARE(int(begin), 2);
        QCOMPARE(int(end), 6);
        const QByteArray bad("\xff\xfe caf\xc3\x89", 8);  // invalid bytes before "café"
        const LikePattern accented("CAFé");
        QVERIFY(accented.find(std::string_view(bad.constData(), std::size_t(bad.size())), begin, end));
        QCOMPARE(int(begin), 3);
        QCOMPARE(int(end), 8);
    }

    // A quote in the searched text is doubled in the statement, and each file comes once.
    void storeUsesThePatternAndTheStatementText()
    {
        QCOMPARE(modSearch::SearchCondition("o'c", true, true, true),
                 QString("WHERE file.filename LIKE '%o''c%'  OR tablature.tab LIKE '%o''c%'  OR "
                         "tablature.notes LIKE '%o''c%' "));
        TestHome home;
        const QString path = home.newStore("Find");
        StoreRows::exec(path, "INSERT INTO categories VALUES (1,'Irish');"
                              "INSERT INTO directories VALUES (1,1,'Tunes');"
                              "INSERT INTO file VALUES (1,1,'O''Carolan'),(2,1,'Jig'),(3,1,'Reel');"
                              "INSERT INTO tablature VALUES (1,'e|---|','by O''Carolan'),(2,'e|-O''C-|',NULL),"
                              "(3,'e|---|','');");
        QVERIFY(modADO::OpenConnection(path, "Find"));
        Recordset rs;
        rs.Open(modSearch::SearchStatement("o'c", true, true, true), modADO::Conn());
        QStringList found;
        for (; !rs.Eof(); rs.MoveNext())
            found << rs.Fields(0).toString();
        rs.Close();
        modADO::CloseConnection();
        QCOMPARE(found, (QStringList{"O'Carolan", "Jig"}));  // once, though title and notes match
    }
};

QTEST_GUILESS_MAIN(tst_LikePattern)
#include "tst_LikePattern.moc"
