#include "MainFixture.h"
#include "StoreRows.h"

#include "core/EditMode.h"
#include "dialogs/frmSelector.h"
#include "tree/ctlTree.h"
#include "view/ctlView.h"
#include "view/TextEditor.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

// Answers the chooser: notes what it proposed, then types the title (null: Cancel) and OKs.
struct ChooserAnswer
{
    QString proposedCategory, proposedFolder;
    bool sawForm = false;

    void script(ScriptedPrompts &prompts, frmMain &w, const QString &title)
    {
        prompts.answerModal([this, &w, title](QDialog &d) {
            auto &chooser = static_cast<frmSelector &>(d);
            sawForm = w.SelectorForm == &chooser && chooser.Mode().isEmpty();
            proposedCategory = chooser.cbo->currentText();
            proposedFolder = chooser.cboFolders->currentText();
            if (title.isNull())
                return int(QDialog::Rejected);
            chooser.txtTitle->setText(title);
            chooser.cmdOk->click();
            return chooser.result();
        });
    }
};

int files(const MainFixture &f)
{
    return StoreRows::scalar(f.store, "SELECT COUNT(*) FROM file").toInt();
}

}  // namespace

class tst_frmMainNewFile : public QObject
{
    Q_OBJECT

private slots:
    void newEmptyFileIsMadeSelectedAndEdited()
    {
        MainFixture f;
        f.openTestStore();
        f.clickFile(2, 3, 3);
        ChooserAnswer a;
        a.script(f.prompts, *f.w, "  Walking bass ");
        f.w->mnuFileNew->trigger();
        QVERIFY(a.sawForm);
        QCOMPARE(a.proposedCategory + '/' + a.proposedFolder, QString("Bass/Lines"));  // what the tree shows
        const qint32 id = StoreRows::scalar(f.store, "SELECT MAX(file_id) FROM file").toInt();
        QCOMPARE(StoreRows::scalar(f.store, QString("SELECT directory_id||'|'||filename FROM file WHERE file_id=%1").arg(id)).toString(),
                 QString("3|Walking bass"));
        QCOMPARE(StoreRows::scalar(f.store, QString("SELECT tab IS '' FROM tablature WHERE file_id=%1").arg(id)).toInt(), 1);
        QVERIFY(f.w->ctlTree1->FileOpened());
        QCOMPARE(f.w->ctlView1->TitleText(), QString("Walking bass"));
        QVERIFY(f.w->tmr->isActive());  // the new, empty file goes into edit mode
        QTRY_COMPARE(chordex::EditMode, 1);
        QVERIFY(!f.w->SelectorForm);
    }

    // Nothing made is reported as nothing made: a Cancel, a refusing store, a Cancel of the
    // save question while a changed file is being edited.
    void nothingMadeSaysSo_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("messages");
        QTest::newRow("cancelled") << "cancel" << 0;
        QTest::newRow("store refuses") << "refuse" << 1;
        QTest::newRow("save question cancelled") << "editing" << 1;
    }

    void nothingMadeSaysSo()
    {
        QFETCH(QString, how);
        MainFixture f;
        f.openTestStore();
        f.clickFile(1, 1, 2);
        ChooserAnswer a;
        if (how == "editing") {
            f.w->mnuFileEdit->trigger();
            f.w->ctlView1->rtbText->setText("e|--7--|");
            f.prompts.answer(Prompts::Answer::Cancel);
        } else {
            a.script(f.prompts, *f.w, how == "cancel" ? QString() : QString("New"));
            if (how == "refuse")
                StoreRows::exec(f.store, "CREATE TRIGGER nope BEFORE INSERT ON tablature BEGIN SELECT RAISE(ABORT, 'disk full'); END;");
        }
        const frmMain::NewFile made = f.w->NewTabFile(QString(), "text");
        QVERIFY(!made.made);
        QCOMPARE(made.fileId, 0);
        QCOMPARE(files(f), 3);
        QTEST(f.prompts.count(ScriptedPrompts::Kind::Message), "messages");
        QCOMPARE(f.w->ctlView1->TitleText(), QString("Two"));  // still the file shown before
        QCOMPARE(f.prompts.count(ScriptedPrompts::Kind::Modal), how == "editing" ? 0 : 1);
        QVERIFY(!f.w->PendingImport);
    }
};

QTEST_MAIN(tst_frmMainNewFile)
#include "tst_frmMainNewFile.moc"
