#include "MainFixture.h"
#include "StoreRows.h"
#include "browser/ctlBrowser.h"

#include "core/EditMode.h"
#include "dialogs/frmSelector.h"
#include "tree/ctlTree.h"
#include "view/ctlView.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

// Answers the chooser: notes what it proposed, then types the title (null: Cancel) and OKs.
struct ChooserAnswer
{
    QString proposedCategory, proposedFolder, proposedTitle;
    bool sawForm = false;

    void script(ScriptedPrompts &prompts, frmMain &w, const QString &title)
    {
        prompts.answerModal([this, &w, title](QDialog &d) {
            auto &chooser = static_cast<frmSelector &>(d);
            sawForm = w.SelectorForm == &chooser && chooser.Mode().isEmpty();
            proposedCategory = chooser.cbo->currentText();
            proposedFolder = chooser.cboFolders->currentText();
            proposedTitle = chooser.txtTitle->text();
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

    // Nothing made is reported as nothing made: a Cancel, a refusing store.
    void nothingMadeSaysSo_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("messages");
        QTest::newRow("cancelled") << "cancel" << 0;
        QTest::newRow("store refuses") << "refuse" << 1;
    }

    void nothingMadeSaysSo()
    {
        QFETCH(QString, how);
        MainFixture f;
        f.openTestStore();
        f.clickFile(1, 1, 2);
        ChooserAnswer a;
        a.script(f.prompts, *f.w, how == "cancel" ? QString() : QString("New"));
        if (how == "refuse")
            StoreRows::exec(f.store, "CREATE TRIGGER nope BEFORE INSERT ON tablature BEGIN SELECT RAISE(ABORT, 'disk full'); END;");
        const frmMain::NewFile made = f.w->NewTabFile(QString(), "text");
        QVERIFY(!made.made);
        QCOMPARE(made.fileId, 0);
        QCOMPARE(files(f), 3);
        QTEST(f.prompts.count(ScriptedPrompts::Kind::Message), "messages");
        QCOMPARE(f.w->ctlView1->TitleText(), QString("Two"));  // still the file shown before
        QCOMPARE(f.prompts.count(ScriptedPrompts::Kind::Modal), 1);
        QVERIFY(!f.w->PendingImport);
    }

    // A browser page's text becomes a new file under the title chosen; it is not opened for
    // editing. A page without text is refused with a word.
    void pageImport_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("saved") << QStringLiteral("Riff\r\n\r\ne|--0--|\r\nB|--2--|");
        QTest::newRow("page without text") << QStringLiteral(" \r\n \r\n");
    }

    void pageImport()
    {
        QFETCH(QString, text);
        const bool saved = !text.trimmed().isEmpty();
        MainFixture f;
        f.openTestStore();
        f.clickFile(1, 1, 1);
        ChooserAnswer a;
        a.script(f.prompts, *f.w, "My riff");
        emit f.w->ctlBrowser1->DirectImport("file:///tmp/riff.html", "Riff page", text);
        QCOMPARE(files(f), saved ? 4 : 3);
        QVERIFY(!f.w->PendingImport);
        QVERIFY(f.w->PendingImportText.isEmpty());
        QVERIFY(!f.w->tmr->isActive());
        if (!saved) {
            QCOMPARE(f.prompts.count(ScriptedPrompts::Kind::Modal), 0);
            QCOMPARE(f.prompts.last().text, QString("This page has no text to save."));
            QCOMPARE(f.w->ctlView1->TitleText(), QString("One"));
            return;
        }
        QCOMPARE(a.proposedTitle, QString("Riff page"));
        QCOMPARE(StoreRows::scalar(f.store, "SELECT filename||'|'||tab FROM file JOIN tablature USING(file_id) "
                                            "WHERE file_id=(SELECT MAX(file_id) FROM file)").toString(), "My riff|" + text);
        QCOMPARE(f.w->ctlView1->TitleText(), QString("My riff"));  // the new file is selected
    }
};

QTEST_MAIN(tst_frmMainNewFile)
#include "tst_frmMainNewFile.moc"
