#include "mainwindow/frmMain.h"

#include "core/EditMode.h"
#include "core/Prompts.h"
#include "core/TextCodec.h"
#include "core/TextFile.h"
#include "core/Version.h"
#include "mainwindow/TabReport.h"
#include "store/DbError.h"
#include "store/Recordset.h"
#include "store/clsTablature.h"
#include "store/modADO.h"
#include "tree/ctlTree.h"
#include "view/ctlView.h"
#include "view/TextEditor.h"

#include <QAction>
#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTimer>

namespace {

const QString FileFilter =
    QStringLiteral("Tablature Files (*.tab);;CRD Files (*.crd);;Text Files (*.txt)");

// A name typed without an extension gets ".tab", as the file dialogs' default extension.
QString withDefaultExtension(const QString &path)
{
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".tab") : path;
}

QString title()
{
    return QString::fromLatin1(chordex::AppTitle);
}

}  // namespace

void frmMain::connectFiles()
{
    connect(mnuFileOpen, &QAction::triggered, this, &frmMain::mnuFileOpen_Click);
    connect(mnuFileSaveAs, &QAction::triggered, this, &frmMain::mnuFileSaveAs_Click);
    connect(mnuFileSaveToChordex, &QAction::triggered, this, &frmMain::mnuFileSaveToChordex_Click);
    connect(mnuFilePrint, &QAction::triggered, this, &frmMain::mnuFilePrint_Click);
    // A double click on a file node or in the tab text prints the file; while editing, a
    // double click in the text selects a word and prints nothing.
    const auto printOnDoubleClick = [this] {
        if (chordex::EditMode == 0 && objTablature)
            mnuFilePrint_Click();
    };
    connect(ctlTree1, &ctlTree::OnFileDoubleClick, this, printOnDoubleClick);
    connect(ctlView1, &ctlView::rtbTextDblClick, this, printOnDoubleClick);
}

// ---- Open File -------------------------------------------------------------------------------

void frmMain::mnuFileOpen_Click()
{
    QString path = m_prompts.openFile(QStringLiteral("Open File..."), QString(), FileFilter);
    if (path.isEmpty())
        return;
    if (!QFileInfo::exists(path) && QFileInfo::exists(withDefaultExtension(path)))
        path = withDefaultExtension(path);
    ImportFile(path);
}

bool frmMain::ImportFile(const QString &path)
{
    // The file is read and checked before anything changes, so a file that cannot be opened
    // leaves the selection and the view as they were.
    QByteArray bytes;
    QString error;
    if (!TextFile::read(path, bytes, error)) {
        m_prompts.errorReport(QFileDevice::ReadError,
                              QStringLiteral("The file \"%1\" could not be opened: %2")
                                  .arg(QDir::toNativeSeparators(path), error),
                              title());
        return false;
    }
    const TextCodec::Decoded decoded = TextCodec::decode(bytes);
    if (decoded.binary) {
        m_prompts.message(QStringLiteral("The file \"%1\" is not a text file, so it was not opened.")
                              .arg(QDir::toNativeSeparators(path)),
                          title(), Prompts::Icon::Exclamation);
        return false;
    }
    if (!EndEditFirst())
        return false;

    releaseDocument();
    ctlTree1->SelectRoot();
    ctlView1->FileEdit(path, decoded.text, decoded.format, decoded.guessed);
    tmr->start();
    mnuFileSaveToChordex->setEnabled(true);
    tbrButton(QStringLiteral("savetochordex"))->setEnabled(true);
    mnuFileDeleteFolder->setEnabled(false);
    mnuFileDeleteFile->setEnabled(false);
    tbrButton(QStringLiteral("delete"))->setEnabled(false);

    if (decoded.droppedNuls > 0) {
        m_prompts.message(QStringLiteral("The file \"%1\" held %2 NUL character(s), which the editor "
                                         "cannot show; they were left out.")
                              .arg(QDir::toNativeSeparators(path))
                              .arg(decoded.droppedNuls),
                          title(), Prompts::Icon::Information);
    }
    return true;
}

// ---- Save As ---------------------------------------------------------------------------------

void frmMain::mnuFileSaveAs_Click()
{
    QString path = m_prompts.saveFile(QStringLiteral("Save As File..."), QString(), FileFilter);
    if (path.isEmpty())
        return;
    path = withDefaultExtension(path);
    if (QFileInfo::exists(path)
        && m_prompts.message(QStringLiteral("The file \"%1\" already exists.\r\nDo you want to replace it?")
                                 .arg(QDir::toNativeSeparators(path)),
                             QStringLiteral("Save As File..."), Prompts::Icon::Exclamation,
                             Prompts::Buttons::YesNo, Prompts::Answer::No)
               != Prompts::Answer::Yes)
        return;
    ExportFile(path);
}

bool frmMain::ExportFile(const QString &path)
{
    QString error;
    if (!TextFile::write(path, TextCodec::exportBytes(ctlView1->TabText(), ctlView1->Notes()), error)) {
        m_prompts.errorReport(QFileDevice::WriteError,
                              QStringLiteral("The file \"%1\" could not be saved: %2")
                                  .arg(QDir::toNativeSeparators(path), error),
                              title());
        return false;
    }
    return true;
}

// ---- Save File To Chordex -------------------------------------------------------------------

void frmMain::mnuFileSaveToChordex_Click()
{
    // Unsaved changes go to the disk file first; a failed write was reported and stops here.
    if (mnuFileSave->isEnabled() && !ctlView1->SaveCurrent())
        return;
    // The editor keeps the text even after edit mode ended on the disk file.
    const QString text = ctlView1->rtbText->text();
    const QString proposed =
        ctlView1->FileEditing() ? QFileInfo(ctlView1->TitleText()).completeBaseName() : QString();
    // The chooser stores the text in the new file in one step; Cancel writes nothing anywhere.
    NewTabFile(proposed, text);
}

// ---- Print -----------------------------------------------------------------------------------

void frmMain::mnuFilePrint_Click()
{
    // The stored text is printed, so edits are saved (or dropped) first.
    if (!EndEditFirst() || !objTablature)
        return;
    QString text;
    const bool read = guard([&] {
        Recordset rs;
        rs.Open(QStringLiteral("SELECT tab FROM tablature where file_id=") + objTablature->FileId(),
                modADO::Conn());
        if (!rs.Eof())
            text = rs.Fields(0).toString();
        rs.Close();
    });
    if (!read)
        return;

    const QString fileTitle = objTablature->Title();
    const TabReport report(fileTitle, text, TabReport::bodyFont());
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(fileTitle);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(fileTitle);
    preview.setGeometry(geometry());
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&report](QPrinter *target) { report.print(*target); });
    m_prompts.runModal(preview);
}
