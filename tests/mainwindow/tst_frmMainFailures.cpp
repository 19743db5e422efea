#include "MainFixture.h"
#include "StoreRows.h"
#include "core/EditMode.h"
#include "details/ctlDetails.h"
#include "store/clsTablature.h"
#include "store/modADO.h"
#include "tree/TreeControl.h"
#include "tree/ctlTree.h"
#include "view/TextEditor.h"
#include "view/ctlView.h"

#include <QAction>
#include <QFile>
#include <QTreeWidget>
#include <QtTest>

// What the window shows when the store lets it down: a save that finds no row or is refused,
// a file whose text is missing, a store that cannot be opened again. Nothing is reported as done that was
// not done, and the panes show the store as it is.
class tst_frmMainFailures : public QObject
{
    Q_OBJECT

private slots:
    void init() { chordex::EditMode = 0; }

    void aFailedSaveKeepsTheEdit_data()
    {
        QTest::addColumn<QString>("removed");
        QTest::newRow("tab row deleted behind the window") << "DELETE FROM tablature WHERE file_id=2";
        QTest::newRow("update refused by the store")
            << "CREATE TRIGGER nope BEFORE UPDATE ON tablature BEGIN SELECT RAISE(ABORT, 'disk full'); END;";
    }

    void aFailedSaveKeepsTheEdit()
    {
        QFETCH(QString, removed);
        MainFixture f;
        f.openTestStore();
        f.clickFile(1, 1, 2);
        f.w->mnuFileEdit->trigger();
        const QString typed = QStringLiteral("Café über\r\ne|--2--|");
        f.w->ctlView1->rtbText->setText(typed);
        StoreRows::exec(f.store, removed);

        f.w->mnuFileSave->trigger();
        QCOMPARE(f.prompts.count(ScriptedPrompts::Kind::Message), 1);
        const QString error = f.prompts.last().text;
        QVERIFY2(error.startsWith("3167 - ") || error.contains("disk full"), qPrintable(error));
        QCOMPARE(chordex::EditMode, 1);
        QVERIFY(f.w->ctlView1->Dirty());
        QVERIFY(f.w->mnuFileSave->isEnabled());
        QCOMPARE(f.w->ctlView1->rtbText->text(), typed);
        QVERIFY(!f.w->ctlTree1->tvw->isEnabled());
        QCOMPARE(StoreRows::scalar(f.store, "SELECT count(*) FROM tablature WHERE tab LIKE 'Café%'").toInt(), 0);

        // Yes to the save question when leaving edit mode: the save fails again, the edit stays.
        f.prompts.answer(Prompts::Answer::Yes);
        f.w->mnuFileCancel->trigger();
        QCOMPARE(chordex::EditMode, 1);
        QCOMPARE(f.w->ctlView1->rtbText->text(), typed);
    }

    void aFileWithoutItsTextIsReported()
    {
        MainFixture f;
        StoreRows::exec(f.store, "INSERT INTO file(file_id, directory_id, filename) VALUES (9, 1, 'Prázdný');");
        f.openTestStore();
        f.clickFile(1, 1, 1);  // a good file first: its text must not stay on show
        f.clickFile(1, 1, 9);
        QCOMPARE(f.prompts.count(ScriptedPrompts::Kind::Message), 1);
        QVERIFY(f.prompts.last().text.startsWith("3167 - "));
        QVERIFY(!f.w->objTablature);
        QVERIFY(f.w->ctlView1->CoverVisible());
        QCOMPARE(f.w->ctlView1->rtbText->text(), QString());
        for (QAction *a : {f.w->mnuFileEdit, f.w->tbrButton("edit"), f.w->mnuFileSaveAs, f.w->mnuFilePrint,
                           f.w->mnuBookmarkFile})
            QVERIFY2(!a->isEnabled(), qPrintable(a->text()));
        QVERIFY(f.w->mnuFileAddCategory->isEnabled());  // the store itself is still open
    }

    void aStoreThatCannotBeReopenedClearsThePanes_data()
    {
        QTest::addColumn<bool>("previousStillThere");
        QTest::newRow("previous store reopened") << true;
        QTest::newRow("previous store gone too") << false;
    }

    void aStoreThatCannotBeReopenedClearsThePanes()
    {
        QFETCH(bool, previousStillThere);
        MainFixture f;
        f.openTestStore();
        f.clickFile(1, 1, 1);
        if (!previousStillThere)
            QVERIFY(QFile::rename(f.store, f.store + ".moved"));
        f.w->OpenStore(f.home.dbPath("Missing"), "Missing");
        QCOMPARE(f.prompts.count(ScriptedPrompts::Kind::Message), 1);
        QVERIFY(f.prompts.last().text.startsWith("The Chordex \"Missing\" could not be opened."));
        QCOMPARE(modADO::NoStoreOpen(), !previousStillThere);
        QCOMPARE(f.w->windowTitle(), previousStillThere ? QString("Chordex [Test]") : QString("Chordex"));
        QCOMPARE(f.w->ctlTree1->tvw->topLevelItemCount() > 0, previousStillThere);
        QCOMPARE(f.w->ctlDetails1->lvwBookmarks->topLevelItemCount() > 0, previousStillThere);
        QCOMPARE(f.w->objTablature != nullptr, previousStillThere);
        QCOMPARE(f.w->mnuFileAddCategory->isEnabled(), previousStillThere);
        QCOMPARE(f.w->mnuFileEdit->isEnabled(), previousStillThere);
        QVERIFY(f.w->mnuFileChordex->isEnabled());
    }
};

QTEST_MAIN(tst_frmMainFailures)
#include "tst_frmMainFailures.moc"
