#include "MainFixture.h"
#include "StoreRows.h"
#include "dialogs/frmDatabase.h"
#include "dialogs/frmMaintenance.h"
#include "store/modADO.h"
#include "store/modSettings.h"
#include "tree/ctlTree.h"
#include "view/ctlView.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QtTest>

// The main window's store commands: opening another store through the store manager, the
// maintenance dialog and the reload after it, and a store without categories.
class tst_frmMainStores : public QObject
{
    Q_OBJECT

    static QStringList categories(const frmMain &w)
    {
        QStringList out;
        for (int i = 0; i < w.ctlTree1->cbo->count(); ++i)
            out << w.ctlTree1->cbo->itemText(i);
        return out;
    }

private slots:
    // The toolbar's store button opens the store chosen; the start-up box set makes it the
    // start-up store.
    void openChordex()
    {
        MainFixture f;
        f.openTestStore();
        const QString other = f.home.newStore("Other");
        StoreRows::exec(other, "INSERT INTO categories(category) VALUES ('Banjo');");
        f.prompts.answerModal([](QDialog &dialog) {
            auto &d = dynamic_cast<frmDatabase &>(dialog);
            d.lvListView->setCurrentItem(d.lvListView->findItems("Other", Qt::MatchExactly).value(0));
            d.chkSetStart->setChecked(true);
            emit d.lvListView->itemDoubleClicked(d.lvListView->currentItem());
            return int(QDialog::Accepted);
        });
        f.w->tbr_ButtonClick(f.w->tbrButton(QStringLiteral("db")));
        QCOMPARE(f.w->windowTitle(), QString("Chordex [Other]"));
        QCOMPARE(modADO::StorePath(), other);
        QCOMPARE(categories(*f.w), QStringList{"Banjo"});
        QCOMPARE(modSettings::GetSetting("Settings", "ChordexFile", "<none>"), other);
        QCOMPARE(modSettings::GetSetting("Settings", "ChordexName", "<none>"), QString("Other"));
    }

    void maintenanceReloadsOnlyAfterAChange_data()
    {
        QTest::addColumn<bool>("change");
        QTest::newRow("closed unchanged") << false;
        QTest::newRow("category added") << true;
    }

    void maintenanceReloadsOnlyAfterAChange()
    {
        QFETCH(bool, change);
        MainFixture f;
        f.openTestStore();
        f.clickFile(1, 1, 2);
        f.prompts.answerModal([&](QDialog &dialog) {
            auto &d = dynamic_cast<frmMaintenance &>(dialog);
            if (change) {
                f.prompts.answerInput("Banjo");
                d.cmdAddCat_Click();
            }
            d.reject();
            return int(QDialog::Rejected);
        });
        f.w->mnuMaintenance->trigger();
        if (change) {  // reloaded: the first category shown, no file selected
            QCOMPARE(categories(*f.w), (QStringList{"Guitar", "Bass", "Banjo"}));
            QCOMPARE(f.w->ctlTree1->cbo->currentIndex(), 0);
            QVERIFY(!f.w->objTablature);
            QVERIFY(!f.w->ctlTree1->FileOpened());
        } else {  // untouched: the file stays selected and shown
            QVERIFY(f.w->objTablature);
            QVERIFY(f.w->ctlTree1->FileOpened());
            QCOMPARE(f.w->ctlView1->TitleText(), QString("Two"));
        }
    }
};

QTEST_MAIN(tst_frmMainStores)
#include "tst_frmMainStores.moc"
