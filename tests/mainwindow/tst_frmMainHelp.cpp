#include "MainFixture.h"

#include "dialogs/frmHelp.h"
#include "dialogs/frmTips.h"
#include "store/modSettings.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QtTest>

namespace {

const QString Missing = QStringLiteral("Unable to display Help Contents. The Help file is missing.");

}  // namespace

class tst_frmMainHelp : public QObject
{
    Q_OBJECT

private slots:
    void helpFileMissing();
    void tipOfTheDay();
};

// Without the help files both commands say so, and nothing opens.
void tst_frmMainHelp::helpFileMissing()
{
    MainFixture f;
    for (QAction *command : {f.w->mnuHelpContents, f.w->mnuHelpSearch}) {
        const qsizetype before = f.prompts.asked.size();
        command->trigger();
        QCOMPARE(f.prompts.asked.size(), before + 1);
        QCOMPARE(f.prompts.last().text, Missing);
        QVERIFY(!f.w->HelpForm);
    }
}

// The tip shows at the first start; its check box, cleared, is stored and stops it showing.
void tst_frmMainHelp::tipOfTheDay()
{
    MainFixture f;
    QFile tips(f.home.path() + "tips.txt");
    QVERIFY(tips.open(QIODevice::WriteOnly));
    tips.write("  Only tip  \r\n\r\n");
    tips.close();
    QString shown;
    f.prompts.answerModal([&](QDialog &d) {
        auto &form = static_cast<frmTips &>(d);
        shown = form.chkLoadTipsAtStartup->isChecked() ? form.lblTipText->text() : QString();
        form.chkLoadTipsAtStartup->click();
        return int(QDialog::Accepted);
    });
    f.w->ShowStartupTips();
    QCOMPARE(shown, QString("Only tip"));
    QCOMPARE(modSettings::GetSetting("Settings", "TOD", ""), QString("0"));
    f.w->ShowStartupTips();
    QCOMPARE(f.prompts.count(ScriptedPrompts::Kind::Modal), 1);
}

QTEST_MAIN(tst_frmMainHelp)
#include "tst_frmMainHelp.moc"
