#include "dialogs/frmOptions.h"

#include "store/modSettings.h"
#include "ui/EditorFont.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

const QString Section = QStringLiteral("Settings");
const QString FontKey = QStringLiteral("Font");
const QString SizeKey = QStringLiteral("FontSize");
const QString CourierNew = QStringLiteral("Courier New");
const QString DefaultSize = QStringLiteral("8");
// The one size of every font but Courier New.
const QString ForcedSize = QStringLiteral("9");

}  // namespace

frmOptions::frmOptions(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Options"));

    Label1 = new QLabel(QStringLiteral("Tablature && Notes Window Font:"), this);
    cboFont = new QComboBox(this);
    cboFont->setObjectName(QStringLiteral("cboFont"));
    cboFont->addItems({CourierNew, QStringLiteral("Fixedsys")});
    Label1->setBuddy(cboFont);  // with a buddy the doubled ampersand shows as one
    cboFontSize = new QComboBox(this);
    cboFontSize->setObjectName(QStringLiteral("cboFontSize"));
    Label2 = new QLabel(QStringLiteral("Sample:"), this);
    lblSample = new QLabel(this);
    lblSample->setObjectName(QStringLiteral("lblSample"));
    lblSample->setFrameShape(QFrame::Panel);
    lblSample->setFrameShadow(QFrame::Sunken);
    lblSample->setMinimumSize(220, 90);
    lblSample->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmdOk = new QPushButton(QStringLiteral("&OK"), this);
    cmdOk->setDefault(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(cboFont, 1, 0);
    grid->addWidget(cboFontSize, 1, 1);
    grid->addWidget(Label2, 2, 0, 1, 2);
    grid->addWidget(lblSample, 3, 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setColumnStretch(0, 1);

    connect(cboFont, &QComboBox::activated, this, &frmOptions::cboFont_Click);
    connect(cboFontSize, &QComboBox::activated, this, &frmOptions::cboFontSize_Click);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);

    lblSample->setText(QStringLiteral("#-------------\n#This file is \n#song. You may\n#-------------"));
    // The box shows the stored font with its sizes; nothing is stored until the user chooses.
    const int stored = cboFont->findText(modSettings::GetSetting(Section, FontKey, CourierNew));
    cboFont->setCurrentIndex(stored >= 0 ? stored : 0);
    fillSizes();
    UpdateSample();
}

bool frmOptions::fillSizes()
{
    cboFontSize->clear();
    if (cboFont->currentText() != CourierNew) {
        cboFontSize->addItem(ForcedSize);
        cboFontSize->setCurrentIndex(0);
        return true;
    }
    cboFontSize->addItems({"8", "9", "10", "11", "12", "14", "16"});
    cboFontSize->setCurrentIndex(cboFontSize->findText(modSettings::GetSetting(Section, SizeKey, DefaultSize)));
    return false;
}

void frmOptions::cboFont_Click()
{
    if (fillSizes())
        cboFontSize_Click();
    modSettings::SaveSetting(Section, FontKey, cboFont->currentText());
    UpdateSample();
}

void frmOptions::cboFontSize_Click()
{
    modSettings::SaveSetting(Section, SizeKey, cboFontSize->currentText());
    UpdateSample();
}

void frmOptions::UpdateSample()
{
    bool ok = false;
    double size = modSettings::GetSetting(Section, SizeKey, DefaultSize).trimmed().toDouble(&ok);
    if (!ok || size <= 0)
        size = DefaultSize.toDouble();
    lblSample->setFont(EditorFont::Font(cboFont->currentText(), size));
}
