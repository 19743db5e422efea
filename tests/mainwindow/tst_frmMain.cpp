#include "MainFixture.h"
#include "StoreRows.h"
#include "core/EditMode.h"
#include "details/ctlDetails.h"
#include "splitter/Splitter.h"
#include "store/modADO.h"
#include "store/modSettings.h"
#include "tree/ctlTree.h"
#include "view/TextEditor.h"
#include "view/ctlView.h"

#include <QFile>
#include <QTreeWidget>
#include "tree/TreeControl.h"
#include <QtTest>

// The main window's life: start-up store, pane toggles, shutdown settings, selection.
class tst_frmMain : public QObject
{
    Q_OBJECT

    static QString setting(const QString &key, const QString &def = "<none>")
    {
        return modSettings::GetSetting("Settings", key, def);
    }

private slots:
    void startUpOpensTheStoreOfTheSettings_data()
    {
        QTest::addColumn<QString>("chordexFile");  // "<none>": nothing written; "<deleted>": a missing file
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("fileAfter");
        QTest::newRow("no settings: the sample") << "<none>" << "Chordex [Sample]" << "<none>";
        QTest::newRow("a deleted store") << "<deleted>" << "Chordex" << "";
        QTest::newRow("empty: open none") << "" << "Chordex" << "";
        QTest::newRow("not a store: told why") << "<broken>" << "Chordex" << "<broken>";
    }

    void startUpOpensTheStoreOfTheSettings()
    {
        QFETCH(QString, chordexFile);
        QFETCH(QString, caption);
        QFETCH(QString, fileAfter);
        MainFixture f;
        f.home.sampleStore();
        const QString broken = f.home.dbPath("Broken");
        if (chordexFile == "<broken>") {
            QFile file(broken);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("Standard Jet DB");
            file.close();
            modSettings::SaveSetting("Settings", "ChordexFile", broken);
            modSettings::SaveSetting("Settings", "ChordexName", "Broken");
            fileAfter = broken;
        } else if (chordexFile == "<deleted>") {
            modSettings::SaveSetting("Settings", "ChordexFile", f.home.dbPath("Gone"));
            modSettings::SaveSetting("Settings", "ChordexName", "Gone");
        } else if (chordexFile != "<none>") {
            modSettings::SaveSetting("Settings", "ChordexFile", chordexFile);
            modSettings::SaveSetting("Settings", "ChordexName", "Kept");
        }
        QCOMPARE(f.w->windowTitle(), QString("Chordex"));
        f.w->Form_Activate();
        QVERIFY(f.w->tmrDB->isActive());
        QCOMPARE(f.w->tmrDB->interval(), 600);
        QTest::qWait(800);
        QVERIFY(!f.w->tmrDB->isActive());
        QCOMPARE(f.w->windowTitle(), caption);
        QCOMPARE(setting("ChordexFile"), fileAfter);
        if (chordexFile == "")
            QCOMPARE(setting("ChordexName"), QString("Kept"));
        f.w->Form_Activate();  // later activations do nothing
        QVERIFY(!f.w->tmrDB->isActive());
        QCOMPARE(f.prompts.asked.size(), chordexFile == "<broken>" ? 1 : 0);
        QVERIFY(modADO::NoStoreOpen() == (caption == "Chordex"));
    }

    void paneTogglesSaveAndRestoreTheirSplits()
    {
        MainFixture f;
        f.w->show();
        QCOMPARE(f.w->Splitter1->SplitPercent(), 70);
        QCOMPARE(f.w->Splitter2->SplitPercent(), 27);
        QVERIFY(f.w->mnuViewDetails->isChecked());

        f.w->Splitter1->setSplitPercent(64);
        f.w->mnuViewDetails->trigger();
        QVERIFY(!f.w->mnuViewDetails->isChecked());
        QVERIFY(f.w->ctlDetails1->isHidden());
        QCOMPARE(f.w->Splitter1->SplitPercent(), 100);
        QCOMPARE(setting("Splitter1"), QString("64"));
        f.w->mnuViewDetails->trigger();
        QVERIFY(f.w->mnuViewDetails->isChecked());
        QVERIFY(!f.w->ctlDetails1->isHidden());
        QCOMPARE(f.w->Splitter1->SplitPercent(), 64);

        // the tree pane's own close button runs the same toggle
        emit f.w->ctlTree1->OnHideTree();
        QVERIFY(!f.w->mnuViewTree->isChecked());
        QCOMPARE(f.w->Splitter2->SplitPercent(), 0);
        QCOMPARE(setting("Splitter2"), QString("27"));
        f.w->mnuViewTree->trigger();
        QCOMPARE(f.w->Splitter2->SplitPercent(), 27);
    }

    void shutdownWritesTheWindowState()
    {
        MainFixture f;
        f.w->show();
        f.w->mnuViewDetails->trigger();  // details hidden
        f.w->ctlView1->SelectTab(2);
        f.w->close();
        QCOMPARE(setting("Details"), QString("False"));
        QCOMPARE(setting("ViewTab"), QString("2"));
        QVERIFY(setting("MainWidth").toDouble() >= 9000);  // in twips
        QCOMPARE(setting("Splitter1"), QString("70"));  // written when it was hidden, not at exit
        QCOMPARE(setting("Splitter2"), QString("27"));
    }

    void shutdownWhileMinimisedKeepsThePosition()
    {
        MainFixture f;
        f.w->show();
        f.w->setWindowState(Qt::WindowMinimized);
        QVERIFY(f.w->isMinimized());
        f.w->close();
        QCOMPARE(setting("MainTop"), QString("<none>"));
        QCOMPARE(setting("WindowState"), QString("<none>"));
        QCOMPARE(setting("Tree"), QString("True"));
    }

    void fileSelectionFillsTheViewAndFolderClearsIt()
    {
        MainFixture f;
        f.openTestStore();
        QVERIFY(f.w->ctlView1->CoverVisible());
        f.clickFile(1, 1, 1);
        QVERIFY(f.w->objTablature);
        QVERIFY(!f.w->ctlView1->CoverVisible());
        QCOMPARE(f.w->ctlView1->TabText(), QString("e|--1--|\r\nB|-----|"));
        QCOMPARE(f.w->ctlView1->Notes(), QString("first"));
        QCOMPARE(f.w->ctlView1->TitleText(), QString("One"));
        QVERIFY(f.w->mnuEditFind->isEnabled());

        QVERIFY(f.w->ctlTree1->SelectNode("1||1"));
        QVERIFY(!f.w->objTablature);
        QVERIFY(f.w->ctlView1->CoverVisible());
        QVERIFY(f.w->mnuFileDeleteFolder->isEnabled());
        QVERIFY(!f.w->mnuFileEdit->isEnabled());
        // The commands on the shown text follow it.
        for (QAction *a : {f.w->mnuEditFind, f.w->mnuEditFindNext, f.w->mnuFindPrevious, f.w->mnuEditSelectAll})
            QVERIFY(!a->isEnabled());
    }

    void editingAndSavingWritesTheStore()
    {
        MainFixture f;
        f.openTestStore();
        f.clickFile(1, 1, 2);
        f.w->mnuFileEdit->trigger();
        QCOMPARE(chordex::EditMode, 1);
        QVERIFY(!f.w->mnuFileSave->isEnabled());
        f.w->ctlView1->rtbText->setText("e|--7--|");  // the user's change
        QVERIFY(f.w->mnuFileSave->isEnabled());
        QVERIFY(!f.w->ctlTree1->tvw->isEnabled());
        QVERIFY(!f.w->ctlDetails1->Enabled());

        f.w->mnuFileSave->trigger();
        QCOMPARE(StoreRows::scalar(f.store, "SELECT tab FROM tablature WHERE file_id=2").toString(), QString("e|--7--|"));
        QVERIFY(!f.w->mnuFileSave->isEnabled());
        QVERIFY(f.w->ctlTree1->tvw->isEnabled());
        QVERIFY(f.w->ctlDetails1->Enabled());

        // leaving edit mode by clicking another file: changed text asks first; Yes saves it
        f.w->ctlView1->rtbText->setText("e|--9--|");
        f.prompts.answer(Prompts::Answer::Yes);
        emit f.w->ctlTree1->OnTreeClick();
        QCOMPARE(chordex::EditMode, 0);
        QCOMPARE(StoreRows::scalar(f.store, "SELECT tab FROM tablature WHERE file_id=2").toString(), QString("e|--9--|"));
        QVERIFY(f.w->mnuFileEdit->isEnabled());
    }

};

QTEST_MAIN(tst_frmMain)
#include "tst_frmMain.moc"
