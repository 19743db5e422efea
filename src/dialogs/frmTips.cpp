#include "dialogs/frmTips.h"

#include "core/clsTips.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

frmTips::frmTips(clsTips &tips, int showAtStartup, QWidget *parent) : QDialog(parent), m_tips(tips)
{
    setWindowTitle(QStringLiteral("Tip Of The Day"));

    auto *picture = new QLabel(this);
    picture->setPixmap(QIcon::fromTheme(QStringLiteral("dialog-information"),
                                        style()->standardIcon(QStyle::SP_MessageBoxInformation))
                           .pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop);
    Label1 = new QLabel(QStringLiteral("Did you know..."), this);
    QFont heading = Label1->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.3);
    Label1->setFont(heading);
    lblTipText = new QLabel(this);
    lblTipText->setObjectName(QStringLiteral("lblTipText"));
    lblTipText->setWordWrap(true);
    lblTipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTipText->setMinimumSize(340, 110);
    lblTipText->setTextFormat(Qt::PlainText);

    chkLoadTipsAtStartup = new QCheckBox(QStringLiteral("&Show Tips At Startup"), this);
    chkLoadTipsAtStartup->setToolTip(QStringLiteral("Check to show tips at startup."));
    chkLoadTipsAtStartup->setChecked(showAtStartup != 0);
    cmdNextTip = new QPushButton(QStringLiteral("&Next Tip"), this);
    cmdNextTip->setToolTip(QStringLiteral("Show Next Tip"));
    cmdOk = new QPushButton(QStringLiteral("&OK"), this);
    cmdOk->setDefault(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(picture, 0, 0, 2, 1);
    grid->addWidget(Label1, 0, 1);
    grid->addWidget(lblTipText, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(chkLoadTipsAtStartup);
    buttons->addStretch();
    buttons->addWidget(cmdNextTip);
    buttons->addWidget(cmdOk);
    grid->addLayout(buttons, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    connect(cmdNextTip, &QPushButton::clicked, this, &frmTips::NextTip);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);

    m_tips.PickFirst();
    lblTipText->setText(m_tips.Tip());
}

int frmTips::ShowAtStartup() const
{
    return chkLoadTipsAtStartup->isChecked() ? 1 : 0;
}

void frmTips::NextTip()
{
    m_tips.NextTip();
    lblTipText->setText(m_tips.Tip());
}
