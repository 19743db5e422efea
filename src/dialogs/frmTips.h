#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class clsTips;

// The tip-of-the-day window: shows the tips of a clsTips one at a time, starting at a random
// one, and the check box that says whether tips show at start-up.
class frmTips final : public QDialog
{
    Q_OBJECT

public:
    // showAtStartup: the state of the check box, 0 or 1.
    frmTips(clsTips &tips, int showAtStartup, QWidget *parent = nullptr);

    // The check box state, 0 or 1.
    int ShowAtStartup() const;

    QLabel *Label1 = nullptr;
    QLabel *lblTipText = nullptr;
    QCheckBox *chkLoadTipsAtStartup = nullptr;
    QPushButton *cmdNextTip = nullptr;
    QPushButton *cmdOk = nullptr;

private:
    void NextTip();

    clsTips &m_tips;
};
