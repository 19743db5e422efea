#pragma once

#include <QDialog>

class Prompts;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// Shows what an import did, one line per file with the counts, and saves it as text.
class frmImportReport final : public QDialog
{
    Q_OBJECT

public:
    frmImportReport(Prompts &prompts, const QString &summary, const QString &report,
                    QWidget *parent = nullptr);

    void cmdSave_Click();

    QLabel *lblSummary = nullptr;
    QPlainTextEdit *txtReport = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdClose = nullptr;

private:
    Prompts &m_prompts;
};
