#pragma once

#include <QDialog>

#include <array>

class Prompts;
class QLabel;
class QListWidget;
class QPushButton;

// "Category/Folder Maintenance": adds and deletes the open store's categories and folders in
// two plain lists. Tells the main window on unloading whether anything changed, so that it
// reloads its panes only then.
class frmMaintenance final : public QDialog
{
    Q_OBJECT

public:
    explicit frmMaintenance(Prompts &prompts, QWidget *parent = nullptr);

    // Fills the category list, which chooses the first category and fills its folders.
    void Form_Load();
    bool Changed() const { return m_changed; }

    void cmdAddCat_Click();
    void cmdDeleteCat_Click();
    void cmdAddFolder_Click();
    void cmdDeleteFolder_Click();

    // Unloading raises OnUnload once, however often it is asked for.
    void done(int result) override;

    std::array<QLabel *, 2> lblCompanyProduct{};
    QListWidget *lstCategories = nullptr;  // item data: category_id
    QListWidget *lstFolders = nullptr;     // item data: directory_id
    QPushButton *cmdAddCat = nullptr;
    QPushButton *cmdDeleteCat = nullptr;
    QPushButton *cmdAddFolder = nullptr;
    QPushButton *cmdDeleteFolder = nullptr;
    QPushButton *cmdOk = nullptr;
    QLabel *lbl = nullptr;  // the hint shown while the store has no categories

signals:
    void OnUnload(bool changed);

private:
    void lstCategories_Click();
    void chooseCategory(int row);

    Prompts &m_prompts;
    bool m_changed = false;
    bool m_unloaded = false;
};
