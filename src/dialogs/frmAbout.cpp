#include "dialogs/frmAbout.h"

#include "core/Version.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

const QString frmAbout::HomePage = QStringLiteral("https://chordex.example.org/");

frmAbout::frmAbout(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Chordex"));

    auto *logo = new QLabel(this);
    logo->setPixmap(QIcon::fromTheme(QStringLiteral("x-office-address-book")).pixmap(48, 48));
    logo->setAlignment(Qt::AlignTop);
    lblProduct = new QLabel(QString::fromLatin1(chordex::AppTitle), this);
    QFont big = lblProduct->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.8);
    lblProduct->setFont(big);
    lblVersion = new QLabel(VersionText(), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblURL = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(HomePage), this);
    lblURL->setObjectName(QStringLiteral("lblURL"));
    lblURL->setToolTip(QStringLiteral("Chordex Web Site"));
    lblURL->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    lblURL->setOpenExternalLinks(false);
    connect(lblURL, &QLabel::linkActivated, this, [](const QString &link) { QDesktopServices::openUrl(QUrl(link)); });
    cmdOk = new QPushButton(QStringLiteral("&OK"), this);
    cmdOk->setDefault(true);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);

    auto *grid = new QGridLayout(this);
    grid->addWidget(logo, 0, 0, 3, 1);
    grid->addWidget(lblProduct, 0, 1);
    grid->addWidget(lblVersion, 1, 1);
    grid->addWidget(lblURL, 2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk);
    grid->addLayout(buttons, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);
}

QString frmAbout::VersionText()
{
    return QStringLiteral("Chordex Version %1.%2.%3\nCopyright (C) the Chordex developers. All rights reserved.")
        .arg(chordex::VersionMajor)
        .arg(chordex::VersionMinor)
        .arg(chordex::VersionRevision);
}
