#pragma once

#include <QDialog>

class Prompts;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The non-modal search dialog: the text to look for and the fields to look in. Each Search
// click that passes the checks raises OnSearch; the dialog stays open for further searches.
// Closing it (Cancel, Escape, the window's close button) saves the three check boxes and
// raises OnUnload; the dialog deletes itself afterwards.
class frmSearch final : public QDialog
{
    Q_OBJECT

public:
    explicit frmSearch(Prompts &prompts, QWidget *parent = nullptr);

    void cmdSearch_Click();

    QLabel *lblSearch = nullptr;
    QLineEdit *txtSearch = nullptr;
    QGroupBox *fraFields = nullptr;
    QCheckBox *chkTitles = nullptr;
    QCheckBox *chkTab = nullptr;
    QCheckBox *chkNotes = nullptr;
    QPushButton *cmdSearch = nullptr;
    QPushButton *cmdCancel = nullptr;

signals:
    // The check box values are 1 (checked) or 0.
    void OnSearch(const QString &searchText, qint16 inTitles, qint16 inTab, qint16 inNotes);
    void OnUnload();

public slots:
    void done(int result) override;

private:
    Prompts &m_prompts;
    bool m_unloaded = false;
};
