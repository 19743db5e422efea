#include "dialogs/frmSearch.h"

#include "ScriptedPrompts.h"
#include "TestHome.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

// The search dialog refuses searches that could find nothing.
class tst_frmSearch : public QObject
{
    Q_OBJECT

    TestHome m_home;

private slots:
    void init() { TestHome::clearSettings(); }

    void searchClick_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<bool>>("checks");
        QTest::addColumn<QString>("message");  // empty: OnSearch is raised
        QTest::newRow("blanks only") << "   " << QList<bool>{true, true, false} << "Nothing to search for!";
        QTest::newRow("no field") << "riff" << QList<bool>{false, false, false}
                                  << "You must check at least one field to search in!";
        QTest::newRow("searched") << "  blues in A " << QList<bool>{false, true, true} << "";
    }
    void searchClick()
    {
        QFETCH(QString, text);
        QFETCH(QList<bool>, checks);
        QFETCH(QString, message);
        ScriptedPrompts prompts;
        frmSearch dialog(prompts);
        dialog.txtSearch->setText(text);
        dialog.chkTitles->setChecked(checks.at(0));
        dialog.chkTab->setChecked(checks.at(1));
        dialog.chkNotes->setChecked(checks.at(2));
        QSignalSpy searched(&dialog, &frmSearch::OnSearch);
        QTest::mouseClick(dialog.cmdSearch, Qt::LeftButton);
        if (message.isEmpty()) {
            QCOMPARE(prompts.asked.size(), 0);
            QCOMPARE(searched.count(), 1);
            const QList<QVariant> args = searched.at(0);
            QCOMPARE(args.at(0).toString(), QString("blues in A"));
            QCOMPARE((QList<int>{args.at(1).toInt(), args.at(2).toInt(), args.at(3).toInt()}), (QList<int>{0, 1, 1}));
        } else {
            QCOMPARE(searched.count(), 0);
            QCOMPARE(prompts.last().text, message);
        }
    }

};

QTEST_MAIN(tst_frmSearch)
#include "tst_frmSearch.moc"
