#include "dialogs/frmMaintenance.h"

#include "core/Prompts.h"
#include "store/Ids.h"
#include "store/Recordset.h"
#include "store/modADO.h"
#include "store/modMain.h"
#include "ui/ListWidgetTarget.h"
#include "ui/StoreErrors.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

QPushButton *button(const QString &caption, const QString &tip, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}

qint32 itemId(const QListWidget &list)
{
    return list.currentItem()->data(ListWidgetTarget::IdRole).toInt();
}

}  // namespace

frmMaintenance::frmMaintenance(Prompts &prompts, QWidget *parent) : QDialog(parent), m_prompts(prompts)
{
    // The heading is two labels in one place: a grey one a pixel behind as its shadow.
    for (std::size_t i = 0; i < lblCompanyProduct.size(); ++i) {
        lblCompanyProduct[i] = new QLabel(QStringLiteral("Category/Folder Maintenance"), this);
        QFont font = lblCompanyProduct[i]->font();
        font.setBold(true);
        font.setPointSizeF(font.pointSizeF() * 1.4);
        lblCompanyProduct[i]->setFont(font);
    }
    lblCompanyProduct[0]->setStyleSheet(QStringLiteral("color: gray"));
    lblCompanyProduct[0]->setContentsMargins(1, 1, 0, 0);
    lblCompanyProduct[1]->setContentsMargins(0, 0, 1, 1);

    lstCategories = new QListWidget(this);
    lstFolders = new QListWidget(this);
    cmdAddCat = button(QStringLiteral("Add C&ategory"), QStringLiteral("Add Category"), this);
    cmdDeleteCat = button(QStringLiteral("Delete Category"), QStringLiteral("Delete Category"), this);
    cmdAddFolder = button(QStringLiteral("Add &Folder"), QStringLiteral("Add Folder"), this);
    cmdDeleteFolder = button(QStringLiteral("Delete Folder"), QStringLiteral("Delete Folder"), this);
    cmdOk = button(QStringLiteral("&Close"), QStringLiteral("Close"), this);
    lbl = new QLabel(QStringLiteral("The current Chordex does not contain any categories or folders.  Please add some."), this);
    lbl->setWordWrap(true);
    lbl->hide();

    auto *grid = new QGridLayout(this);
    grid->addWidget(lblCompanyProduct[0], 0, 0, 1, 4);
    grid->addWidget(lblCompanyProduct[1], 0, 0, 1, 4);
    grid->addWidget(lstCategories, 1, 0, 1, 2);
    grid->addWidget(lstFolders, 1, 2, 1, 2);
    grid->addWidget(cmdAddCat, 2, 0);
    grid->addWidget(cmdDeleteCat, 2, 1);
    grid->addWidget(cmdAddFolder, 2, 2);
    grid->addWidget(cmdDeleteFolder, 2, 3);
    grid->addWidget(lbl, 3, 0, 1, 3);
    grid->addWidget(cmdOk, 3, 3);
    resize(520, 360);

    connect(lstCategories, &QListWidget::currentRowChanged, this, &frmMaintenance::lstCategories_Click);
    connect(cmdAddCat, &QPushButton::clicked, this, &frmMaintenance::cmdAddCat_Click);
    connect(cmdDeleteCat, &QPushButton::clicked, this, &frmMaintenance::cmdDeleteCat_Click);
    connect(cmdAddFolder, &QPushButton::clicked, this, &frmMaintenance::cmdAddFolder_Click);
    connect(cmdDeleteFolder, &QPushButton::clicked, this, &frmMaintenance::cmdDeleteFolder_Click);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::reject);
}

void frmMaintenance::Form_Load()
{
    ListWidgetTarget categories(*lstCategories, [this](int row) { chooseCategory(row); });
    modMain::FillCategoryList(m_prompts, categories);
    lbl->setVisible(lstCategories->count() == 0);
}

void frmMaintenance::done(int result)
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    emit OnUnload(m_changed);
    QDialog::done(result);
}

// Choosing by code runs the same fill as a click, also for the row already current.
void frmMaintenance::chooseCategory(int row)
{
    {
        const QSignalBlocker blocker(lstCategories);
        lstCategories->setCurrentRow(row);
    }
    lstCategories_Click();
}

void frmMaintenance::lstCategories_Click()
{
    lstFolders->clear();
    if (!lstCategories->currentItem())
        return;
    ListWidgetTarget folders(*lstFolders);
    modMain::FillFolders(m_prompts, itemId(*lstCategories), folders);
    if (lstFolders->count() > 0)
        lstFolders->setCurrentRow(0);
}

void frmMaintenance::cmdAddCat_Click()
{
    const QString name = m_prompts.input(QStringLiteral("Add Category..."), QStringLiteral("Category"),
                                         QStringLiteral("Category")).trimmed();
    if (name.isEmpty())
        return;
    qint32 categoryId = 0;
    if (!ReportStoreErrors(m_prompts, [&] { categoryId = modMain::InsertCategory(name); }))
        return;  // the item is added only for a row that was written
    ListWidgetTarget(*lstCategories).addItem(name, categoryId);
    lbl->hide();
    m_changed = true;
    chooseCategory(lstCategories->count() - 1);
    lstCategories->setFocus();
}

void frmMaintenance::cmdAddFolder_Click()
{
    const QString title = QStringLiteral("Add Folder");
    if (lstCategories->count() == 0) {
        m_prompts.message(QStringLiteral("You must add a category before adding a folder!"), title,
                          Prompts::Icon::Exclamation, Prompts::Buttons::Ok, Prompts::Answer::Ok);
        return;
    }
    if (!lstCategories->currentItem()) {
        m_prompts.message(QStringLiteral("You must select a category before adding a folder!"), title,
                          Prompts::Icon::Exclamation, Prompts::Buttons::Ok, Prompts::Answer::Ok);
        return;
    }
    const QString name = m_prompts.input(QStringLiteral("Add Folder..."), QStringLiteral("Folder"),
                                         QStringLiteral("Folder")).trimmed();
    if (name.isEmpty())
        return;
    qint32 folderId = 0;
    if (!ReportStoreErrors(m_prompts, [&] { folderId = modMain::InsertFolder(itemId(*lstCategories), name); }))
        return;
    ListWidgetTarget(*lstFolders).addItem(name, folderId);
    m_changed = true;
}

void frmMaintenance::cmdDeleteCat_Click()
{
    const QString title = QStringLiteral("Delete Category");
    QListWidgetItem *item = lstCategories->currentItem();
    if (!item) {
        m_prompts.message(QStringLiteral("No category selected to delete!"), title, Prompts::Icon::Exclamation,
                          Prompts::Buttons::Ok, Prompts::Answer::Ok);
        return;
    }
    const qint32 categoryId = itemId(*lstCategories);
    bool hasFolders = false;
    if (!ReportStoreErrors(m_prompts, [&] { hasFolders = modMain::CategoryHasFolders(categoryId); }))
        return;
    if (hasFolders) {
        m_prompts.message(QStringLiteral("You can not delete a category that contains folders!"), title,
                          Prompts::Icon::Exclamation, Prompts::Buttons::Ok, Prompts::Answer::Ok);
        return;
    }
    const QString question = QStringLiteral("Are you sure you wish to delete the category \"") + item->text() +
                             QStringLiteral("\"?\r\n\r\nWarning: This operation can not be undone!");
    if (m_prompts.message(question, QStringLiteral("Confirm Delete"), Prompts::Icon::Exclamation,
                          Prompts::Buttons::YesNo, Prompts::Answer::No) != Prompts::Answer::Yes)
        return;
    const bool deleted = ReportStoreErrors(m_prompts, [&] {
        Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM categories WHERE category_id=") + Ids::Text(categoryId),
                modADO::Conn(), CursorType::Static, LockType::Pessimistic);
        if (!rs.Eof()) {
            rs.Delete();
            rs.UpdateBatch();
        }
        rs.Close();
    });
    if (!deleted)
        return;
    {
        const QSignalBlocker blocker(lstCategories);  // the next category is chosen below
        delete item;
    }
    if (lstCategories->count() > 0) {
        chooseCategory(0);
    } else {
        lstFolders->clear();
        lbl->show();
    }
    m_changed = true;
}

void frmMaintenance::cmdDeleteFolder_Click()
{
    QListWidgetItem *item = lstFolders->currentItem();
    if (!item) {
        m_prompts.message(QStringLiteral("No folder selected to delete!"), QStringLiteral("Delete Folder"),
                          Prompts::Icon::Exclamation, Prompts::Buttons::Ok, Prompts::Answer::Ok);
        return;
    }
    bool removed = false;
    const bool ran = ReportStoreErrors(m_prompts, [&] {
        removed = modMain::RemoveFolder(m_prompts, itemId(*lstFolders), item->text());
    });
    if (!ran || !removed)
        return;
    delete item;
    if (lstFolders->count() > 0)
        lstFolders->setCurrentRow(0);
    m_changed = true;
}
