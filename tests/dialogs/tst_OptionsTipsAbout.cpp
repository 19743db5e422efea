#include "TestHome.h"

#include "dialogs/frmOptions.h"
#include "store/modSettings.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QtTest>

namespace {

QString setting(const QString &key)
{
    return modSettings::GetSetting("Settings", key, "<none>");
}

// Picks an item as the user does: the box changes, then it reports the choice.
void choose(QComboBox *box, const QString &text)
{
    const int index = box->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    box->setCurrentIndex(index);
    emit box->activated(index);
}

}  // namespace

class tst_OptionsTipsAbout : public QObject
{
    Q_OBJECT

private slots:
    void optionsFontChoices()
    {
        TestHome home;
        // A stored name the list does not hold shows the first font; opening stores nothing.
        modSettings::SaveSetting("Settings", "Font", "Wingdings");
        frmOptions f;
        QCOMPARE(f.cboFont->currentText(), QString("Courier New"));
        QCOMPARE(setting("Font"), QString("Wingdings"));

        choose(f.cboFontSize, "12");
        QCOMPARE(setting("FontSize"), QString("12"));

        // Fixedsys has one size, 9, which is stored with the font.
        choose(f.cboFont, "Fixedsys");
        QCOMPARE(f.cboFontSize->count(), 1);
        QCOMPARE(f.cboFontSize->currentText(), QString("9"));
        QCOMPARE(setting("FontSize"), QString("9"));

        // The sample is drawn with an installed monospace family, whatever the name says.
        const QFontInfo drawn(f.lblSample->font());
        QVERIFY(drawn.fixedPitch());
        QVERIFY2(QFontDatabase::families().contains(drawn.family()), qPrintable(drawn.family()));
    }
};

QTEST_MAIN(tst_OptionsTipsAbout)
#include "tst_OptionsTipsAbout.moc"
