#include "dialogs/frmImportReport.h"

#include "core/Prompts.h"
#include "core/TextFile.h"
#include "core/Version.h"

#include <QDir>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmImportReport::frmImportReport(Prompts &prompts, const QString &summary, const QString &report,
                                 QWidget *parent)
    : QDialog(parent), m_prompts(prompts)
{
    setObjectName(QStringLiteral("frmImportReport"));
    setWindowTitle(QStringLiteral("Import Report"));
    resize(760, 420);
    auto *layout = new QVBoxLayout(this);
    lblSummary = new QLabel(summary, this);
    layout->addWidget(lblSummary);
    txtReport = new QPlainTextEdit(report, this);
    txtReport->setReadOnly(true);
    txtReport->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtReport->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(txtReport);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    cmdSave = new QPushButton(QStringLiteral("&Save Report..."), this);
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setDefault(true);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);
    connect(cmdSave, &QPushButton::clicked, this, &frmImportReport::cmdSave_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
}

void frmImportReport::cmdSave_Click()
{
    const QString path = m_prompts.saveFile(QStringLiteral("Save Report"), QDir::homePath(),
                                            QStringLiteral("Text Files (*.txt)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!TextFile::write(path, txtReport->toPlainText().toUtf8(), error))
        m_prompts.message(QStringLiteral("The report could not be saved to ") + QDir::toNativeSeparators(path) +
                              QStringLiteral(":\n") + error,
                          QString::fromLatin1(chordex::AppTitle), Prompts::Icon::Exclamation);
}
