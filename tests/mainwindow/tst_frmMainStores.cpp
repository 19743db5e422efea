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
#include <QLabel>
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

    // The store manager's handler: choose the store by name, set or clear the start-up check
    // box, and open it.
    static std::function<int(QDialog &)> openIn(const QString &name, bool setStart = false)
    {
        return [name, setStart](QDialog &dialog) {
            auto &d = dynamic_cast<frmDatabase &>(dialog);
            d.lvListView->setCurrentItem(d.lvListView->findItems(name, Qt::MatchExactly).value(0));
            d.chkSetStart->setChecked(setStart);
            emit d.lvListView->itemDoubleClicked(d.lvListView->currentItem());
            return int(QDialog::Accepted);
        };
    }

private slots:
    void openChordex_data()
    {
        QTest::addColumn<bool>("button");
        QTest::newRow("menu entry, start-up box clear") << false;
        QTest::newRow("toolbar button, start-up box set") << true;
    }

    void openChordex()
    {
        QFETCH(bool, button);
        MainFixture f;
        f.openTestStore();
        const QString other = f.home.newStore("Other");
        StoreRows::exec(other, "INSERT INTO categories(category) VALUES ('Banjo');");
        f.prompts.answerModal(openIn("Other", button));
        if (button)
            f.w->tbr_ButtonClick(f.w->tbrButton(QStringLiteral("db")));
        else
            f.w->mnuFileChordex->trigger();
        QCOMPARE(f.prompts.asked.first().dialogClass, QString("frmDatabase"));
        QCOMPARE(f.prompts.asked.first().title, QString("Chordexs"));
        QCOMPARE(f.w->windowTitle(), QString("Chordex [Other]"));
        QCOMPARE(modADO::StorePath(), other);
        QCOMPARE(categories(*f.w), QStringList{"Banjo"});
        QVERIFY(!f.w->DatabaseForm);
        // the start-up store changes only when the box was set
        QCOMPARE(modSettings::GetSetting("Settings", "ChordexFile", "<none>"), button ? other : QString("<none>"));
        QCOMPARE(modSettings::GetSetting("Settings", "ChordexName", "<none>"), QString(button ? "Other" : "<none>"));
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
        QString title;
        f.prompts.answerModal([&](QDialog &dialog) {
            auto &d = dynamic_cast<frmMaintenance &>(dialog);
            title = d.windowTitle();
            if (change) {
                f.prompts.answerInput("Banjo");
                d.cmdAddCat_Click();
            }
            d.reject();
            return int(QDialog::Rejected);
        });
        f.w->mnuMaintenance->trigger();
        QCOMPARE(title, QString("Chordex [Test] Maintenance"));
        QVERIFY(!f.w->MaintForm);
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

    void aStoreWithoutCategoriesOpensMaintenance()
    {
        MainFixture f;
        f.openTestStore();
        f.home.newStore("Empty");
        f.prompts.answerModal(openIn("Empty"));
        bool managerGone = false;
        bool hintShown = false;
        f.prompts.answerModal([&](QDialog &dialog) {  // opened while the store manager unloads
            managerGone = !f.w->DatabaseForm;
            auto &d = dynamic_cast<frmMaintenance &>(dialog);
            hintShown = !d.lbl->isHidden();
            f.prompts.answerInput("Guitar");
            d.cmdAddCat_Click();
            d.reject();
            return int(QDialog::Rejected);
        });
        f.w->mnuFileChordex->trigger();
        QStringList dialogs;
        for (const ScriptedPrompts::Question &q : f.prompts.asked) {
            if (q.kind == ScriptedPrompts::Kind::Modal)
                dialogs << q.title;
        }
        QCOMPARE(dialogs, (QStringList{"Chordexs", "Chordex [Empty] Maintenance"}));
        QVERIFY(managerGone);
        QVERIFY(hintShown);
        QCOMPARE(f.w->windowTitle(), QString("Chordex [Empty]"));
        QCOMPARE(categories(*f.w), QStringList{"Guitar"});

        // deleting the last category again and closing reloads, but opens no second dialog
        f.prompts.answerModal([&](QDialog &dialog) {
            auto &d = dynamic_cast<frmMaintenance &>(dialog);
            f.prompts.answer(Prompts::Answer::Yes);
            d.cmdDeleteCat_Click();
            d.reject();
            return int(QDialog::Rejected);
        });
        f.w->mnuMaintenance->trigger();
        QCOMPARE(f.prompts.count(ScriptedPrompts::Kind::Modal), 3);
        QVERIFY(categories(*f.w).isEmpty());
        QVERIFY(!f.w->MaintForm);
    }
};

QTEST_MAIN(tst_frmMainStores)
#include "tst_frmMainStores.moc"
