#pragma once

#include <QDialog>

#include <array>

class Prompts;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The destination chooser: asks for a category and folder (and a title for a new file), or
// for a category alone, and answers with one event; it changes nothing in the store itself.
// Three modes: add ("New Chordex File", OnAddNew), file move ("Move Tab File", OnMove) and
// folder move ("Move Folder", OnMoveCat). OK stays off while the list it would read is empty
// and, in add mode, while the title is blank, so it never answers with a missing item.
class frmSelector final : public QDialog
{
    Q_OBJECT

public:
    explicit frmSelector(Prompts &prompts, QWidget *parent = nullptr);

    // Fills cbo with every category of the open store and chooses the first.
    void FillCategories();
    void SetMoveModeCat(qint32 categoryId, const QString &folderName);
    void SetMoveMode(qint32 categoryId, qint32 folderId, const QString &fileTitle);
    // Chooses the items whose data equal the ids; an id not listed leaves the choice alone.
    void SetCombos(qint32 categoryId, qint32 folderId);
    QString Mode() const { return m_mode; }

    std::array<QLabel *, 3> lbl{};  // "Category:", "Folder:", "Title:"
    QComboBox *cbo = nullptr;
    QComboBox *cboFolders = nullptr;
    QLineEdit *txtTitle = nullptr;
    std::array<QLabel *, 2> lblCaption{};
    QPushButton *cmdOk = nullptr;
    QPushButton *cmdCancel = nullptr;

signals:
    void OnUnload();
    void OnAddNew(qint32 CategoryId, qint32 FolderId, const QString &Title);
    void OnMove(qint32 CategoryId, qint32 FolderId);
    void OnMoveCat(qint32 CategoryId);

public slots:
    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void chooseCategory(int index);
    void cbo_Click();
    void txtTitle_Change();
    void cmdOk_Click();
    void refreshOk();
    void setHeading(const QString &text);
    qint32 chosenCategory() const;
    qint32 chosenFolder() const;

    Prompts &m_prompts;
    QString m_mode;  // "" add, "MOVE" file move, "MOVECAT" folder move
    qint32 m_startCategory = 0;
    qint32 m_startFolder = 0;
    bool m_unloaded = false;
};
