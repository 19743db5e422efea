#include "TestHome.h"

#include "core/clsTips.h"
#include "dialogs/frmOptions.h"
#include "dialogs/frmTips.h"
#include "store/modSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

QString setting(const QString &key)
{
    return modSettings::GetSetting("Settings", key, "<none>");
}

QStringList items(const QComboBox *box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

// Picks an item as the user does: the box changes, then it reports the choice.
void choose(QComboBox *box, const QString &text)
{
    const int index = box->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    box->setCurrentIndex(index);
    emit box->activated(index);
}

const QStringList CourierSizes{"8", "9", "10", "11", "12", "14", "16"};

}  // namespace

class tst_OptionsTipsAbout : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup() { m_home.reset(); }

    void optionsFontChoices();
    void optionsOpensOnStoredFont();
    void tipsWindow();

private:
    std::unique_ptr<TestHome> m_home;
};

void tst_OptionsTipsAbout::optionsFontChoices()
{
    frmOptions f;
    QCOMPARE(items(f.cboFont), (QStringList{"Courier New", "Fixedsys"}));
    QCOMPARE(f.cboFont->currentText(), QString("Courier New"));
    QCOMPARE(items(f.cboFontSize), CourierSizes);
    QCOMPARE(f.cboFontSize->currentText(), QString("8"));
    QCOMPARE(setting("Font"), QString("<none>"));  // opening stores nothing

    choose(f.cboFontSize, "12");
    QCOMPARE(setting("FontSize"), QString("12"));
    QCOMPARE(f.lblSample->font().pointSize(), 12);

    // Fixedsys has one size, 9, which is stored with the font.
    choose(f.cboFont, "Fixedsys");
    QCOMPARE(items(f.cboFontSize), QStringList{"9"});
    QCOMPARE(f.cboFontSize->currentText(), QString("9"));
    QCOMPARE(setting("Font"), QString("Fixedsys"));
    QCOMPARE(setting("FontSize"), QString("9"));
    QCOMPARE(f.lblSample->font().pointSize(), 9);

    // The sample is drawn with an installed monospace family, whatever the name says.
    const QFontInfo drawn(f.lblSample->font());
    QVERIFY(drawn.fixedPitch());
    QVERIFY2(QFontDatabase::families().contains(drawn.family()), qPrintable(drawn.family()));

    // Back to Courier New: the seven sizes again, showing the stored size.
    choose(f.cboFont, "Courier New");
    QCOMPARE(items(f.cboFontSize), CourierSizes);
    QCOMPARE(f.cboFontSize->currentText(), QString("9"));
    QCOMPARE(setting("Font"), QString("Courier New"));
}

void tst_OptionsTipsAbout::optionsOpensOnStoredFont()
{
    modSettings::SaveSetting("Settings", "Font", "Fixedsys");
    modSettings::SaveSetting("Settings", "FontSize", "9");
    {
        frmOptions f;
        QCOMPARE(f.cboFont->currentText(), QString("Fixedsys"));
        QCOMPARE(items(f.cboFontSize), QStringList{"9"});
    }
    // A name the list does not hold shows the first font; nothing is stored until a choice.
    modSettings::SaveSetting("Settings", "Font", "Wingdings");
    frmOptions f;
    QCOMPARE(f.cboFont->currentText(), QString("Courier New"));
    QCOMPARE(setting("Font"), QString("Wingdings"));
}

void tst_OptionsTipsAbout::tipsWindow()
{
    clsTips tips;
    tips.Load(m_home->path() + "no-tips.txt");
    frmTips f(tips, 0);
    QCOMPARE(f.ShowAtStartup(), 0);

    // The first tip is one of the list; Next Tip walks on and wraps after the last.
    const int first = int(clsTips::BuiltInTips.indexOf(f.lblTipText->text()));
    QVERIFY(first >= 0);
    for (int i = 1; i <= 5; ++i) {
        f.cmdNextTip->click();
        QCOMPARE(f.lblTipText->text(), clsTips::BuiltInTips.at((first + i) % 5));
    }
    f.chkLoadTipsAtStartup->click();
    QCOMPARE(f.ShowAtStartup(), 1);
}

QTEST_MAIN(tst_OptionsTipsAbout)
#include "tst_OptionsTipsAbout.moc"
