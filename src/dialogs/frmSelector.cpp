#include "dialogs/frmSelector.h"

#include "store/modMain.h"
#include "ui/ComboBoxTarget.h"
#include "ui/modMainUi.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString MoveMode = QStringLiteral("MOVE");
const QString MoveCatMode = QStringLiteral("MOVECAT");

}  // namespace

frmSelector::frmSelector(Prompts &prompts, QWidget *parent) : QDialog(parent), m_prompts(prompts)
{
    setObjectName(QStringLiteral("frmSelector"));
    setWindowTitle(QStringLiteral("New Chordex File"));
    setModal(true);

    for (int i = 0; i < 2; ++i) {
        lblCaption[i] = new QLabel(this);
        lblCaption[i]->setObjectName(QStringLiteral("lblCaption%1").arg(i));
    }
    // The second heading label is the first one's shadow; both always carry the same text.
    QFont heading = lblCaption[0]->font();
    heading.setBold(true);
    lblCaption[0]->setFont(heading);
    lblCaption[1]->hide();

    const char *const captions[3] = {"Category:", "Folder:", "Title:"};
    for (int i = 0; i < 3; ++i) {
        lbl[i] = new QLabel(QString::fromLatin1(captions[i]), this);
        lbl[i]->setObjectName(QStringLiteral("lbl%1").arg(i));
    }
    cbo = new QComboBox(this);
    cbo->setObjectName(QStringLiteral("cbo"));
    cbo->setToolTip(QStringLiteral("Categories"));
    cboFolders = new QComboBox(this);
    cboFolders->setObjectName(QStringLiteral("cboFolders"));
    cboFolders->setToolTip(QStringLiteral("Folders"));
    txtTitle = new QLineEdit(this);
    txtTitle->setObjectName(QStringLiteral("txtTitle"));
    txtTitle->installEventFilter(this);
    lbl[0]->setBuddy(cbo);
    lbl[1]->setBuddy(cboFolders);
    lbl[2]->setBuddy(txtTitle);

    cmdOk = new QPushButton(QStringLiteral("&OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto *grid = new QGridLayout;
    grid->addWidget(lblCaption[0], 0, 0, 1, 2);
    for (int i = 0; i < 3; ++i)
        grid->addWidget(lbl[i], i + 1, 0);
    grid->addWidget(cbo, 1, 1);
    grid->addWidget(cboFolders, 2, 1);
    grid->addWidget(txtTitle, 3, 1);
    grid->setColumnMinimumWidth(1, 260);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addLayout(buttons);

    connect(cbo, &QComboBox::activated, this, &frmSelector::cbo_Click);
    connect(cboFolders, &QComboBox::currentIndexChanged, this, &frmSelector::refreshOk);
    connect(txtTitle, &QLineEdit::textChanged, this, &frmSelector::txtTitle_Change);
    connect(cmdOk, &QPushButton::clicked, this, &frmSelector::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    refreshOk();
}

void frmSelector::FillCategories()
{
    ComboBoxTarget list(*cbo, [this](int index) { chooseCategory(index); });
    modMain::FillCategoryList(m_prompts, list);
    refreshOk();
}

void frmSelector::SetMoveModeCat(qint32 categoryId, const QString &folderName)
{
    m_mode = MoveCatMode;
    cboFolders->clear();  // filled while the categories were listed; never read in this mode
    for (QWidget *w : {static_cast<QWidget *>(cboFolders), static_cast<QWidget *>(txtTitle),
                       static_cast<QWidget *>(lbl[2]), static_cast<QWidget *>(lbl[1])})
        w->hide();
    setHeading(folderName);
    setWindowTitle(QStringLiteral("Move Folder"));
    m_startCategory = categoryId;
    SetCombos(categoryId, 0);
}

void frmSelector::SetMoveMode(qint32 categoryId, qint32 folderId, const QString &fileTitle)
{
    m_mode = MoveMode;
    txtTitle->hide();
    lbl[2]->hide();
    setHeading(fileTitle);
    setWindowTitle(QStringLiteral("Move Tab File"));
    m_startCategory = categoryId;
    m_startFolder = folderId;
    SetCombos(categoryId, folderId);
}

void frmSelector::SetCombos(qint32 categoryId, qint32 folderId)
{
    if (categoryId > 0) {
        for (int i = 0; i < cbo->count(); ++i) {
            if (cbo->itemData(i).value<qint32>() == categoryId)
                chooseCategory(i);
        }
    }
    if (folderId >= 1) {
        for (int i = 0; i < cboFolders->count(); ++i) {
            if (cboFolders->itemData(i).value<qint32>() == folderId)
                cboFolders->setCurrentIndex(i);
        }
    }
    refreshOk();
}

void frmSelector::chooseCategory(int index)
{
    if (index < 0 || index >= cbo->count())
        return;
    cbo->setCurrentIndex(index);
    cbo_Click();
}

// The category change: refills the folder list for the chosen category, except when only a
// category is asked for.
void frmSelector::cbo_Click()
{
    if (m_mode != MoveCatMode && cbo->currentIndex() >= 0) {
        ComboBoxTarget folders(*cboFolders, [this](int index) { cboFolders->setCurrentIndex(index); });
        modMain::FillFolders(m_prompts, chosenCategory(), folders);
        if (cboFolders->count() > 0)
            cboFolders->setCurrentIndex(0);
    }
    refreshOk();
}

void frmSelector::txtTitle_Change()
{
    setHeading(txtTitle->text().trimmed());
    refreshOk();
}

void frmSelector::setHeading(const QString &text)
{
    for (QLabel *label : lblCaption)
        label->setText(text);
}

qint32 frmSelector::chosenCategory() const
{
    return cbo->currentIndex() >= 0 ? cbo->currentData().value<qint32>() : 0;
}

qint32 frmSelector::chosenFolder() const
{
    return cboFolders->currentIndex() >= 0 ? cboFolders->currentData().value<qint32>() : 0;
}

// OK reads the chosen category, the chosen folder (unless only a category is asked for) and,
// in add mode, the title: it is on only when all it reads is there.
void frmSelector::refreshOk()
{
    bool ready = cbo->currentIndex() >= 0;
    if (m_mode != MoveCatMode)
        ready = ready && cboFolders->currentIndex() >= 0;
    if (m_mode.isEmpty())
        ready = ready && !txtTitle->text().trimmed().isEmpty();
    cmdOk->setEnabled(ready);
}

void frmSelector::cmdOk_Click()
{
    if (!cmdOk->isEnabled() || m_unloaded)
        return;
    const qint32 categoryId = chosenCategory();
    const qint32 folderId = chosenFolder();
    if (m_mode.isEmpty()) {
        const QString title = txtTitle->text().trimmed();
        // Hidden first and the window behind repainted, before the new file is made.
        cmdOk->setEnabled(false);
        setResult(QDialog::Accepted);
        hide();
        QCoreApplication::processEvents();
        emit OnAddNew(categoryId, folderId, title);
    } else if (m_mode == MoveMode) {
        if (categoryId != m_startCategory || folderId != m_startFolder)
            emit OnMove(categoryId, folderId);
    } else if (categoryId != m_startCategory) {
        emit OnMoveCat(categoryId);
    }
    accept();
}

void frmSelector::done(int result)
{
    QDialog::done(result);
    if (!m_unloaded) {
        m_unloaded = true;
        emit OnUnload();
    }
}

bool frmSelector::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtTitle && event->type() == QEvent::FocusIn)
        modMain::SelectAllText(txtTitle);
    return QDialog::eventFilter(watched, event);
}
