#include "dialogs/frmBookmark.h"
#include "dialogs/frmSearch.h"
#include "store/modSettings.h"

#include "ScriptedPrompts.h"
#include "TestHome.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

// The search and bookmark dialogs.
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
        QTest::addColumn<QString>("title");
        QTest::newRow("blanks only") << "   " << QList<bool>{true, true, false} << "Nothing to search for!" << "Search";
        QTest::newRow("no field") << "riff" << QList<bool>{false, false, false}
                                  << "You must check at least one field to search in!" << "Chordex Search";
        QTest::newRow("searched") << "  blues in A " << QList<bool>{false, true, true} << "" << "";
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
            QTEST(prompts.last().title, "title");
            QCOMPARE(prompts.last().icon, Prompts::Icon::Exclamation);
        }
    }

    void checksSurviveCloseAndReopen()
    {
        ScriptedPrompts prompts;
        QPointer<frmSearch> dialog = new frmSearch(prompts);
        QCOMPARE((QList<bool>{dialog->chkTitles->isChecked(), dialog->chkTab->isChecked(), dialog->chkNotes->isChecked()}),
                 (QList<bool>{true, true, false}));
        dialog->chkTitles->setChecked(false);
        dialog->chkNotes->setChecked(true);
        QSignalSpy unloaded(dialog.data(), &frmSearch::OnUnload);
        dialog->show();
        QTest::keyClick(dialog, Qt::Key_Escape);
        QCOMPARE(unloaded.count(), 1);
        QTRY_VERIFY(!dialog);  // released after closing
        QCOMPARE(modSettings::GetSetting("Settings", "InTitles") + modSettings::GetSetting("Settings", "InTab") +
                     modSettings::GetSetting("Settings", "InNotes"),
                 QString("011"));
        frmSearch again(prompts);
        QCOMPARE((QList<bool>{again.chkTitles->isChecked(), again.chkTab->isChecked(), again.chkNotes->isChecked()}),
                 (QList<bool>{false, true, true}));
    }

    void bookmarkDialog_data()
    {
        QTest::addColumn<bool>("editing");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("new, OK") << false << true << QStringList{"add |desc", "unload"};
        QTest::newRow("edit, OK") << true << true << QStringList{"edit 9 |desc", "unload"};
        QTest::newRow("cancel") << true << false << QStringList{"unload"};
    }
    void bookmarkDialog()
    {
        QFETCH(bool, editing);
        QFETCH(bool, ok);
        frmBookmark dialog;
        dialog.setEditMode(editing);
        dialog.setBookmarkId(9);
        dialog.txtTitle->setText("   ");  // blanks only: an empty title is passed on
        dialog.setDescription(" desc ");
        QStringList events;
        connect(&dialog, &frmBookmark::OnAddBookmark, this,
                [&](const QString &t, const QString &d) { events << "add " + t + "|" + d; });
        connect(&dialog, &frmBookmark::OnEditBookmark, this, [&](qint32 id, const QString &t, const QString &d) {
            events << "edit " + QString::number(id) + " " + t + "|" + d;
        });
        connect(&dialog, &frmBookmark::OnUnload, this, [&] { events << "unload"; });
        dialog.show();
        QTest::mouseClick(ok ? dialog.cmdOk : dialog.cmdCancel, Qt::LeftButton);
        QTEST(events, "events");
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(tst_frmSearch)
#include "tst_frmSearch.moc"
