#include "MainFixture.h"
#include "StoreRows.h"
#include "core/EditMode.h"
#include "details/ctlDetails.h"
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
        QTest::addColumn<QString>("chordexFile");  // "<none>": nothing written
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("fileAfter");
        QTest::newRow("no settings: the sample") << "<none>" << "Chordex [Sample]" << "<none>";
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
        }
        QCOMPARE(f.w->windowTitle(), QString("Chordex"));
        f.w->Form_Activate();
        QVERIFY(f.w->tmrDB->isActive());
        QTRY_VERIFY(!f.w->tmrDB->isActive());
        QCOMPARE(f.w->windowTitle(), caption);
        QCOMPARE(setting("ChordexFile"), fileAfter);
        f.w->Form_Activate();  // later activations do nothing
        QVERIFY(!f.w->tmrDB->isActive());
        QCOMPARE(f.prompts.asked.size(), chordexFile == "<broken>" ? 1 : 0);
        QVERIFY(modADO::NoStoreOpen() == (caption == "Chordex"));
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
