#include "dialogs/frmDatabase.h"

#include "core/Prompts.h"
#include "core/Version.h"
#include "store/StoreFiles.h"
#include "store/modADO.h"
#include "store/modSettings.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString Section = QStringLiteral("Settings");
const QString FileKey = QStringLiteral("ChordexFile");
const QString NameKey = QStringLiteral("ChordexName");
const QString ErrorTitle = QStringLiteral("Error");
const QString ExistsText = QStringLiteral("There is already a Chordex with that name!");

QPushButton *button(const QString &caption, const QString &tip, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

frmDatabase::frmDatabase(Prompts &prompts, QWidget *parent) : QDialog(parent), m_prompts(prompts)
{
    setWindowTitle(QStringLiteral("Chordexs"));

    // The count caption is two labels in one place: a grey one a pixel behind as its shadow.
    for (std::size_t i = 0; i < lblCaption.size(); ++i) {
        lblCaption[i] = new QLabel(this);
        QFont font = lblCaption[i]->font();
        font.setBold(true);
        font.setPointSizeF(font.pointSizeF() * 1.2);
        lblCaption[i]->setFont(font);
    }
    lblCaption[0]->setStyleSheet(QStringLiteral("color: gray"));
    lblCaption[0]->setContentsMargins(1, 1, 0, 0);
    lblCaption[1]->setContentsMargins(0, 0, 1, 1);

    lvListView = new QListWidget(this);
    lvListView->setToolTip(QStringLiteral("Double click to open Chordex"));
    lvListView->setSelectionMode(QAbstractItemView::SingleSelection);
    lvListView->setContextMenuPolicy(Qt::CustomContextMenu);

    cmdOpen = button(QStringLiteral("&Open"), QStringLiteral("Open Selected Chordex"), this);
    cmdNew = button(QStringLiteral("&New"), QStringLiteral("New Chordex"), this);
    cmdCopy = button(QStringLiteral("C&opy"), QStringLiteral("Copy Selected Chordex"), this);
    cmdRename = button(QStringLiteral("&Rename"), QStringLiteral("Rename Selected Chordex"), this);
    cmdDelete = button(QStringLiteral("&Delete"), QStringLiteral("Delete Selected Chordex"), this);
    cmdClose = button(QStringLiteral("&Close"), QStringLiteral("Close"), this);
    chkSetStart = new QCheckBox(QStringLiteral("&Set As Default On Startup"), this);
    chkSetStart->setToolTip(QStringLiteral("Check to set as default Chordex when starting."));

    mnuHiddenDBMenu = new QMenu(this);
    mnuHiddenDBMenuDeleteDatabase = mnuHiddenDBMenu->addAction(QStringLiteral("Delete Chordex"));

    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {cmdOpen, cmdNew, cmdCopy, cmdRename, cmdDelete})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    auto *grid = new QGridLayout(this);
    grid->addWidget(lblCaption[0], 0, 0);
    grid->addWidget(lblCaption[1], 0, 0);
    grid->addWidget(lvListView, 1, 0);
    grid->addLayout(buttons, 1, 1);
    grid->addWidget(chkSetStart, 2, 0, 1, 2);
    resize(440, 320);

    // A click makes the item current before it selects it, so follow the selection.
    connect(lvListView, &QListWidget::itemSelectionChanged, this, &frmDatabase::lvListView_ItemClick);
    connect(lvListView, &QListWidget::itemDoubleClicked, this, &frmDatabase::cmdOpen_Click);
    connect(lvListView, &QListWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        mnuHiddenDBMenu->popup(lvListView->viewport()->mapToGlobal(pos));
    });
    connect(cmdOpen, &QPushButton::clicked, this, &frmDatabase::cmdOpen_Click);
    connect(cmdNew, &QPushButton::clicked, this, &frmDatabase::cmdNew_Click);
    connect(cmdCopy, &QPushButton::clicked, this, &frmDatabase::cmdCopy_Click);
    connect(cmdRename, &QPushButton::clicked, this, &frmDatabase::cmdRename_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmDatabase::cmdDelete_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(mnuHiddenDBMenuDeleteDatabase, &QAction::triggered, this, &frmDatabase::cmdDelete_Click);

    Form_Load();
}

void frmDatabase::Form_Load()
{
    for (const StoreFiles::Entry &store : StoreFiles::List())
        addItem(store.name, store.path);
    m_startPath = modSettings::GetSetting(Section, FileKey, StoreFiles::PathFor(QStringLiteral("Sample")));
    if (lvListView->count() > 0)
        lvListView->setCurrentRow(0);
    lvListView_ItemClick();
    setCountText();
}

void frmDatabase::done(int result)
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    emit OnUnload();
    QDialog::done(result);
}

QListWidgetItem *frmDatabase::selectedItem() const
{
    QListWidgetItem *item = lvListView->currentItem();
    return item && item->isSelected() ? item : nullptr;
}

void frmDatabase::lvListView_ItemClick()
{
    const QListWidgetItem *item = selectedItem();
    chkSetStart->setChecked(item && StoreFiles::SamePath(item->data(KeyRole).toString(), m_startPath));
}

void frmDatabase::setCountText()
{
    const int n = lvListView->count();
    const QString text = n == 1 ? QStringLiteral("1 Chordex") : QString::number(n) + QStringLiteral(" Chordexs");
    for (QLabel *label : lblCaption)
        label->setText(text);
}

QListWidgetItem *frmDatabase::addItem(const QString &name, const QString &path)
{
    int row = 0;
    while (row < lvListView->count() && lvListView->item(row)->text().compare(name, Qt::CaseInsensitive) <= 0)
        ++row;
    auto *item = new QListWidgetItem(QIcon::fromTheme(QStringLiteral("x-office-address-book")), name);
    item->setData(KeyRole, path);
    lvListView->insertItem(row, item);
    return item;
}

QString frmDatabase::askName(const QString &prompt, const QString &title, const QString &proposed)
{
    const QString name = m_prompts.input(prompt, title, proposed).trimmed();
    if (name.isEmpty())
        return {};
    const QString problem = StoreFiles::NameProblem(name);
    const QString refusal = !problem.isEmpty() ? problem : StoreFiles::Exists(name) ? ExistsText : QString();
    if (!refusal.isEmpty()) {
        m_prompts.message(refusal, ErrorTitle, Prompts::Icon::Critical, Prompts::Buttons::Ok, Prompts::Answer::Ok);
        return {};
    }
    return name;
}

void frmDatabase::cmdOpen_Click()
{
    const QListWidgetItem *item = selectedItem();
    if (!item)
        return;
    const QString path = item->data(KeyRole).toString();
    const QString name = item->text();
    if (chkSetStart->isChecked()) {
        modSettings::SaveSetting(Section, FileKey, path);
        modSettings::SaveSetting(Section, NameKey, name);
    }
    emit OnOpen(path, name);
    done(Accepted);
}

void frmDatabase::cmdNew_Click()
{
    const QString name = askName(QStringLiteral("Enter a name for the new Chordex."), QStringLiteral("New Chordex"),
                                 QStringLiteral("New Chordex"));
    if (name.isEmpty())
        return;
    const QString path = StoreFiles::PathFor(name);
    StoreFiles::Failure failure;
    if (!StoreFiles::Copy(StoreFiles::TemplatePath(), path, failure)) {
        m_prompts.message(QStringLiteral("Error: ") + failure.description, QString::fromLatin1(chordex::AppTitle),
                          Prompts::Icon::Critical, Prompts::Buttons::Ok, Prompts::Answer::Ok);
        return;
    }
    lvListView->setCurrentItem(addItem(name, path));
    setCountText();
}

void frmDatabase::cmdCopy_Click()
{
    const QListWidgetItem *item = selectedItem();
    if (!item)
        return;
    const QString name = askName(QStringLiteral("Enter a name for the copy..."), QStringLiteral("Copy Chordex"),
                                 item->text());
    if (name.isEmpty())
        return;
    const QString path = StoreFiles::PathFor(name);
    StoreFiles::Failure failure;
    if (!StoreFiles::Copy(item->data(KeyRole).toString(), path, failure)) {
        m_prompts.message(QStringLiteral("Error: ") + failure.description, QString::fromLatin1(chordex::AppTitle),
                          Prompts::Icon::Critical, Prompts::Buttons::Ok, Prompts::Answer::Ok);
        return;
    }
    addItem(name, path);
    setCountText();
}

void frmDatabase::cmdRename_Click()
{
    QListWidgetItem *item = selectedItem();
    if (!item)
        return;
    const QString oldPath = item->data(KeyRole).toString();
    // Linux does not lock an open file: renaming it would leave the program writing to a
    // file the list no longer shows, so the open store is refused by its path.
    if (StoreFiles::IsOpenStore(oldPath)) {
        m_prompts.message(QStringLiteral("Error: You can not rename an open Chordex!  Please close the Chordex and try again."),
                          ErrorTitle, Prompts::Icon::Critical, Prompts::Buttons::Ok, Prompts::Answer::Ok);
        return;
    }
    const QString name = askName(QStringLiteral("Enter a new name..."), QStringLiteral("Rename Chordex"), item->text());
    if (name.isEmpty())
        return;
    const bool wasStart = StoreFiles::SamePath(oldPath, m_startPath);
    const QString newPath = StoreFiles::PathFor(name);
    StoreFiles::Failure failure;
    if (!StoreFiles::Rename(oldPath, newPath, failure)) {
        m_prompts.errorReport(failure.number, failure.description, QString::fromLatin1(chordex::AppTitle));
        return;
    }
    if (wasStart) {
        m_startPath = newPath;
        modSettings::SaveSetting(Section, FileKey, newPath);
        modSettings::SaveSetting(Section, NameKey, name);
    }
    delete item;
    lvListView->setCurrentItem(addItem(name, newPath));
}

void frmDatabase::cmdDelete_Click()
{
    QListWidgetItem *item = selectedItem();
    if (!item)
        return;
    const QString path = item->data(KeyRole).toString();
    const QString title = QString::fromLatin1(chordex::AppTitle);
    if (StoreFiles::IsOpenStore(path)) {
        m_prompts.message(QStringLiteral("You can not delete an open Chordex!"), title, Prompts::Icon::Critical,
                          Prompts::Buttons::Ok, Prompts::Answer::Ok);
        return;
    }
    const QString question = QStringLiteral("Are you sure you wish to delete \"") + item->text() +
                             QStringLiteral("\"?\r\n\r\nWarning: This operation can not be undone!");
    if (m_prompts.message(question, QStringLiteral("Delete Database"), Prompts::Icon::Exclamation,
                          Prompts::Buttons::YesNo, Prompts::Answer::No) != Prompts::Answer::Yes)
        return;
    StoreFiles::Failure failure;
    if (!StoreFiles::Remove(path, failure)) {
        m_prompts.message(QStringLiteral("There has been a file access error.  Restart the application then delete the database."),
                          title, Prompts::Icon::Critical, Prompts::Buttons::Ok, Prompts::Answer::Ok);
        return;
    }
    const int row = lvListView->row(item);
    delete item;
    if (lvListView->count() > 0)
        lvListView->setCurrentRow(qMin(row, lvListView->count() - 1));
    lvListView_ItemClick();
    setCountText();
}
