#pragma once

#include <QFrame>

class QLabel;

// The start-up window: product name, description, logo and version. A key press or a click
// closes it early.
class frmSplash : public QFrame
{
    Q_OBJECT

public:
    explicit frmSplash(QWidget *parent = nullptr);

    QLabel *lblProductName = nullptr;
    QLabel *lblCompanyProduct = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *imgLogo = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
};
