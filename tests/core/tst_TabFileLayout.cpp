#include "core/TabFileLayout.h"

#include <QtTest>

class tst_TabFileLayout : public QObject
{
    Q_OBJECT

private slots:
    void ruleAndPlainText()
    {
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
