#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about box: product name, version, ownership notice and a link to the product's home page.
class frmAbout final : public QDialog
{
    Q_OBJECT

public:
    static const QString HomePage;

    explicit frmAbout(QWidget *parent = nullptr);

    // "Chordex Version " + major.minor.revision, a line break and the ownership notice.
    static QString VersionText();

    QLabel *lblProduct = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblURL = nullptr;
    QPushButton *cmdOk = nullptr;
};
