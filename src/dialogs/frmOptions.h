#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

// The options dialog: the font and size of the tab and notes editors. Each choice is stored
// at once ("Font", "FontSize" in the section "Settings"); closing keeps them, there is no cancel.
class frmOptions final : public QDialog
{
    Q_OBJECT

public:
    explicit frmOptions(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QComboBox *cboFont = nullptr;
    QComboBox *cboFontSize = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *lblSample = nullptr;
    QPushButton *cmdOk = nullptr;

private:
    void cboFont_Click();
    void cboFontSize_Click();
    // Offers the sizes of the shown font; true when that is the single forced size.
    bool fillSizes();
    void UpdateSample();
};
