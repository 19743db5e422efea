#include "core/TabFileLayout.h"
#include "core/TextCodec.h"

#include <QtTest>

class tst_TabFileLayout : public QObject
{
    Q_OBJECT

private slots:
    void joinAndSplit_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("notes");
        QTest::newRow("tab and notes") << "e|--0--|\r\nB|--1--|\r\n" << "Capo 2\r\nSlow";
        QTest::newRow("empty tab") << "" << "only notes";
        QTest::newRow("tab without final line end") << "e|--3--|" << "n";
        QTest::newRow("notes ending in a line end") << "t\r\n" << "n\r\n";
        QTest::newRow("non-ASCII") << "Jaromír – Tři čuníci\r\n" << "Café über";
    }
    void joinAndSplit()
    {
        QFETCH(QString, tab);
        QFETCH(QString, notes);
        const QString text = TextCodec::exportText(tab, notes);
        QCOMPARE(text, tab + "\r\n" + TabFileLayout::NotesRule() + "\r\n" + notes + "\r\n");
        const TabFileLayout::Parts parts = TabFileLayout::Split(text);
        QCOMPARE(parts.tab, tab);
        QCOMPARE(parts.notes, notes);
    }

    void ruleAndPlainText()
    {
        QCOMPARE(TabFileLayout::NotesRule().size(), 55);
        QVERIFY(TabFileLayout::NotesRule().startsWith("Notes . ."));
        // A text without the rule, or with the rule not on a line of its own, is all tab text.
        for (const QString &text : {QStringLiteral("e|---|\r\n"),
                                    QStringLiteral("x ") + TabFileLayout::NotesRule() + "\r\nn\r\n",
                                    "a\r\n" + TabFileLayout::NotesRule() + "\r\nno final line end"}) {
            const TabFileLayout::Parts parts = TabFileLayout::Split(text);
            QCOMPARE(parts.tab, text);
            QVERIFY(parts.notes.isEmpty());
        }
    }
};

QTEST_APPLESS_MAIN(tst_TabFileLayout)
#include "tst_TabFileLayout.moc"
