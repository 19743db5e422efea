#include "MainFixture.h"

#include "core/EditMode.h"
#include "dialogs/HelpBrowser.h"
#include "dialogs/frmHelp.h"
#include "dialogs/frmOptions.h"
#include "dialogs/frmTips.h"
#include "store/modSettings.h"
#include "view/TextEditor.h"
#include "view/ctlView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTabWidget>
#include <QTextBrowser>
#include <QtTest>

namespace {

const QString Missing = QStringLiteral("Unable to display Help Contents. The Help file is missing.");

QString tod()
{
    return modSettings::GetSetting("Settings", "TOD", "<none>");
}

}  // namespace

class tst_frmMainHelp : public QObject
{
    Q_OBJECT

private slots:
    void helpFileMissing();
    void helpContentsAndSearch();
    void tipOfTheDay_data();
    void tipOfTheDay();
    void optionsKeepTheEdit();
};

// Missing is decided by the files themselves: a folder of that name, or a collection without
// its pages file, is missing too; nothing opens.
void tst_frmMainHelp::helpFileMissing()
{
    MainFixture f;
    const QString qhc = f.home.path() + frmHelp::CollectionName;
    auto check = [&](QAction *command) {
        const qsizetype before = f.prompts.asked.size();
        command->trigger();
        QCOMPARE(f.prompts.asked.size(), before + 1);
        QCOMPARE(f.prompts.last().text, Missing);
        QCOMPARE(f.prompts.last().icon, Prompts::Icon::Information);
        QCOMPARE(f.prompts.last().buttons, Prompts::Buttons::Ok);
        QVERIFY(!f.w->HelpForm);
    };
    check(f.w->mnuHelpContents);
    check(f.w->mnuHelpSearch);
    QVERIFY(QDir().mkpath(qhc));
    check(f.w->mnuHelpContents);
    QVERIFY(QDir().rmdir(qhc));
    QVERIFY(QFile::copy(QString::fromUtf8(CHORDEX_HELP_QHC), qhc));
    f.w->mnuHelpContents->trigger();
    QVERIFY(!f.w->HelpForm);
    QVERIFY(f.prompts.last().text.contains(frmHelp::DocumentationName));
}

void tst_frmMainHelp::helpContentsAndSearch()
{
    MainFixture f;
    const QString built = QFileInfo(QString::fromUtf8(CHORDEX_HELP_QHC)).absolutePath() + '/';
    for (const QString &name : {frmHelp::CollectionName, frmHelp::DocumentationName})
        QVERIFY(QFile::copy(built + name, f.home.path() + name));

    f.w->tbrButton("help")->trigger();  // the toolbar's Help button is Help Contents
    QVERIFY(f.prompts.asked.isEmpty());
    QVERIFY(f.w->HelpForm && f.w->HelpForm->isVisible());
    QCOMPARE(f.w->HelpForm->tabs->currentIndex(), 0);
    QTRY_COMPARE(f.w->HelpForm->browser->source().fileName(), QString("index.html"));

    frmHelp *first = f.w->HelpForm;
    f.w->mnuHelpSearch->trigger();
    QCOMPARE(f.w->HelpForm, first);  // one help window, turned to its Index
    QCOMPARE(first->tabs->currentIndex(), 1);
}

void tst_frmMainHelp::tipOfTheDay_data()
{
    QTest::addColumn<QString>("stored");    // "TOD" before; empty: never written
    QTest::addColumn<bool>("atStartup");    // whether the tip shows at start-up
    QTest::addColumn<bool>("boxChecked");   // the check box as the window opens

    QTest::newRow("first start") << QString() << true << true;
    QTest::newRow("0") << "0" << false << false;
    QTest::newRow("not a number counts as 1") << "yes" << true << true;
}

void tst_frmMainHelp::tipOfTheDay()
{
    QFETCH(QString, stored);
    QFETCH(bool, atStartup);
    QFETCH(bool, boxChecked);

    MainFixture f;
    if (!stored.isNull())
        modSettings::SaveSetting("Settings", "TOD", stored);
    QFile tips(f.home.path() + "tips.txt");
    QVERIFY(tips.open(QIODevice::WriteOnly));
    tips.write("  Only tip  \r\n\r\n");
    tips.close();

    // The window's check box decides what is stored, whichever way it closes.
    bool seenChecked = false;
    QString shown;
    auto toggle = [&](QDialog &d) {
        auto &form = static_cast<frmTips &>(d);
        seenChecked = form.chkLoadTipsAtStartup->isChecked();
        shown = form.lblTipText->text();
        form.chkLoadTipsAtStartup->click();
        return int(QDialog::Accepted);
    };
    f.prompts.answerModal(toggle);
    f.w->ShowStartupTips();
    QCOMPARE(f.prompts.count(ScriptedPrompts::Kind::Modal), atStartup ? 1 : 0);
    if (atStartup) {
        QCOMPARE(f.prompts.last().dialogClass, QString("frmTips"));
        QCOMPARE(seenChecked, boxChecked);
        QCOMPARE(shown, QString("Only tip"));
        QCOMPARE(tod(), boxChecked ? QString("0") : QString("1"));
    } else {
        QCOMPARE(tod(), stored);
    }

    // Tip of the Day always opens, and writes the box back.
    f.prompts.answerModal(toggle);
    const bool before = tod() == "1";
    f.w->mnuHelpTOD->trigger();
    QCOMPARE(seenChecked, before);
    QCOMPARE(tod(), before ? QString("0") : QString("1"));
}

// Options while a changed file is edited: the editors take the new font, and the typed text,
// the edit mode and the changed mark stay.
void tst_frmMainHelp::optionsKeepTheEdit()
{
    MainFixture f;
    f.openTestStore();
    f.clickFile(1, 1, 1);
    f.w->mnuFileEdit->trigger();
    f.w->ctlView1->rtbText->setText("e|--7--|");
    QVERIFY(f.w->ctlView1->Dirty());

    f.prompts.answerModal([](QDialog &d) {
        auto &form = static_cast<frmOptions &>(d);
        form.cboFont->setCurrentIndex(1);
        emit form.cboFont->activated(1);
        return int(QDialog::Accepted);
    });
    QVERIFY(f.w->mnuToolsOptions->isEnabled());
    f.w->mnuToolsOptions->trigger();
    QCOMPARE(f.prompts.last().dialogClass, QString("frmOptions"));
    QCOMPARE(modSettings::GetSetting("Settings", "FontSize", ""), QString("9"));
    for (TextEditor *editor : {f.w->ctlView1->rtbText, f.w->ctlView1->rtbNotes})
        QCOMPARE(editor->editorFont().pointSize(), 9);
    QCOMPARE(f.w->ctlView1->rtbText->text(), QString("e|--7--|"));
    QVERIFY(f.w->ctlView1->Dirty());
    QCOMPARE(chordex::EditMode, 1);
}

QTEST_MAIN(tst_frmMainHelp)
#include "tst_frmMainHelp.moc"
