#include "dialogs/frmBookmark.h"

#include "ui/modMainUi.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

frmBookmark::frmBookmark(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Bookmark"));

    // The file's title, drawn twice: a grey shadow one pixel down and right, the text above.
    auto *captionBox = new QWidget(this);
    for (QLabel *&label : lblCaption) {
        label = new QLabel(captionBox);
        QFont font = label->font();
        font.setBold(true);
        font.setPointSizeF(font.pointSizeF() * 1.3);
        label->setFont(font);
    }
    lblCaption[0]->setStyleSheet(QStringLiteral("color: gray"));
    lblCaption[0]->move(1, 1);
    lblCaption[1]->move(0, 0);
    lblCaption[1]->raise();
    captionBox->setMinimumHeight(lblCaption[1]->sizeHint().height() + 2);

    lblTitle = new QLabel(QStringLiteral("Bookmark:"), this);
    txtTitle = new QLineEdit(this);
    txtTitle->setToolTip(QStringLiteral("Bookmark Title"));
    lblTitle->setBuddy(txtTitle);
    lblDesc = new QLabel(QStringLiteral("Description:"), this);
    txtDesc = new QLineEdit(this);
    txtDesc->setToolTip(QStringLiteral("Bookmark Description"));
    lblDesc->setBuddy(txtDesc);
    txtTitle->installEventFilter(this);

    cmdOk = new QPushButton(QStringLiteral("&OK"), this);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdOk->setDefault(true);
    connect(cmdOk, &QPushButton::clicked, this, &frmBookmark::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *grid = new QGridLayout(this);
    grid->addWidget(captionBox, 0, 0, 1, 2);
    grid->addWidget(lblTitle, 1, 0);
    grid->addWidget(txtTitle, 1, 1);
    grid->addWidget(lblDesc, 2, 0);
    grid->addWidget(txtDesc, 2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, 3, 0, 1, 2);
    resize(420, sizeHint().height());
}

void frmBookmark::setDescription(const QString &description)
{
    txtDesc->setText(description);
}

void frmBookmark::setCaption(const QString &fileTitle)
{
    for (QLabel *label : lblCaption) {
        label->setText(fileTitle);
        label->adjustSize();
    }
}

void frmBookmark::cmdOk_Click()
{
    const QString title = txtTitle->text().trimmed();
    const QString description = txtDesc->text().trimmed();
    if (m_editing)
        emit OnEditBookmark(m_bookmarkId, title, description);
    else
        emit OnAddBookmark(title, description);
    accept();
}

void frmBookmark::done(int result)
{
    if (!m_unloaded) {
        m_unloaded = true;
        emit OnUnload();
    }
    QDialog::done(result);
}

bool frmBookmark::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtTitle && event->type() == QEvent::FocusIn) {
        // After the line edit's own focus handling, which may place the caret.
        QTimer::singleShot(0, txtTitle, [this] { modMain::SelectAllText(txtTitle); });
    }
    return QDialog::eventFilter(watched, event);
}
