#include "app/frmSplash.h"

#include "core/Version.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

frmSplash::frmSplash(QWidget *parent)
    : QFrame(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameStyle(QFrame::Box | QFrame::Raised);
    setLineWidth(2);

    imgLogo = new QLabel(this);
    imgLogo->setPixmap(windowIcon().pixmap(64, 64));  // the program icon

    lblProductName = new QLabel(QString::fromLatin1(chordex::AppTitle), this);
    QFont big = lblProductName->font();
    big.setPointSize(big.pointSize() * 3);
    big.setBold(true);
    lblProductName->setFont(big);

    lblCompanyProduct = new QLabel(QStringLiteral("Guitar/Bass Document Management Software"), this);
    lblVersion = new QLabel(QStringLiteral("Version %1.%2.%3")
                                .arg(chordex::VersionMajor)
                                .arg(chordex::VersionMinor)
                                .arg(chordex::VersionRevision),
                            this);

    auto *texts = new QVBoxLayout;
    texts->addWidget(lblProductName);
    texts->addWidget(lblCompanyProduct);
    texts->addStretch();
    texts->addWidget(lblVersion, 0, Qt::AlignRight);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(24);
    layout->addWidget(imgLogo, 0, Qt::AlignTop);
    layout->addLayout(texts);
    setMinimumSize(460, 200);
}

void frmSplash::keyPressEvent(QKeyEvent *)
{
    close();
}

void frmSplash::mousePressEvent(QMouseEvent *)
{
    close();
}
