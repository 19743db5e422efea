#pragma once

#include <QDialog>

#include <array>

class Prompts;
class QLabel;
class QLineEdit;
class QPushButton;

// The modal bookmark dialog: a title and a description for one file, new or edited. OK
// raises OnAddBookmark or, in edit mode, OnEditBookmark with the trimmed texts; every way
// of closing raises OnUnload.
class frmBookmark final : public QDialog
{
    Q_OBJECT

public:
    explicit frmBookmark(QWidget *parent = nullptr);

    void setEditMode(bool editing) { m_editing = editing; }
    bool editMode() const { return m_editing; }
    void setBookmarkId(qint32 bookmarkId) { m_bookmarkId = bookmarkId; }
    qint32 bookmarkId() const { return m_bookmarkId; }
    void setDescription(const QString &description);
    void setCaption(const QString &fileTitle);  // both caption labels

    void cmdOk_Click();

    QLabel *lblTitle = nullptr;
    QLineEdit *txtTitle = nullptr;
    QLabel *lblDesc = nullptr;
    QLineEdit *txtDesc = nullptr;
    std::array<QLabel *, 2> lblCaption{};  // [0] the shadow, [1] the text over it
    QPushButton *cmdOk = nullptr;
    QPushButton *cmdCancel = nullptr;

signals:
    void OnAddBookmark(const QString &title, const QString &description);
    void OnEditBookmark(qint32 bookmarkId, const QString &title, const QString &description);
    void OnUnload();

public slots:
    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_editing = false;
    qint32 m_bookmarkId = 0;
    bool m_unloaded = false;
};
