#pragma once

#include <QDialog>

#include <array>

class Prompts;
class QAction;
class QCheckBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPushButton;

// "Chordexs": the store manager. Lists the store files of the db folder and opens, creates,
// copies, renames and deletes them, and chooses the store opened at start-up. It works on
// files only: opening is asked of the main window through OnOpen.
class frmDatabase final : public QDialog
{
    Q_OBJECT

public:
    static constexpr int KeyRole = Qt::UserRole;  // an item's key: the store file's full path

    explicit frmDatabase(Prompts &prompts, QWidget *parent = nullptr);

    void cmdOpen_Click();
    void cmdNew_Click();
    void cmdCopy_Click();
    void cmdRename_Click();
    void cmdDelete_Click();

    // Unloading raises OnUnload once, however often it is asked for.
    void done(int result) override;

    QListWidget *lvListView = nullptr;
    std::array<QLabel *, 2> lblCaption{};
    QPushButton *cmdOpen = nullptr;
    QPushButton *cmdNew = nullptr;
    QPushButton *cmdCopy = nullptr;
    QPushButton *cmdRename = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdClose = nullptr;
    QCheckBox *chkSetStart = nullptr;
    QMenu *mnuHiddenDBMenu = nullptr;
    QAction *mnuHiddenDBMenuDeleteDatabase = nullptr;

signals:
    void OnOpen(const QString &filePath, const QString &displayName);
    void OnUnload();

private:
    void Form_Load();
    void lvListView_ItemClick();
    void setCountText();
    QListWidgetItem *selectedItem() const;
    QListWidgetItem *addItem(const QString &name, const QString &path);
    // Asks for a store name; empty text when the user cancelled or the name was refused.
    QString askName(const QString &prompt, const QString &title, const QString &proposed);

    Prompts &m_prompts;
    QString m_startPath;  // "ChordexFile" as read at load, kept current by Rename
    bool m_unloaded = false;
};
