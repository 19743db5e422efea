// Whole collections in and out: importing a folder tree of tab files, exporting a folder, a
// category or the whole store to a folder tree, and songbook PDFs.
#include "mainwindow/frmMain.h"

#include "core/Prompts.h"
#include "core/Version.h"
#include "dialogs/frmImportFolder.h"
#include "dialogs/frmImportReport.h"
#include "store/CollectionExport.h"
#include "store/CollectionImport.h"
#include "store/DbError.h"
#include "store/modADO.h"
#include "store/modMain.h"
#include "tree/ctlTree.h"
#include "ui/EditorFont.h"
#include "ui/Songbook.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QProgressDialog>

namespace {

QString title()
{
    return QString::fromLatin1(chordex::AppTitle);
}

// A progress dialog that lets pending events run, so Cancel and repaints get through.
class Progress
{
public:
    Progress(QWidget *parent, const QString &label) : m_dialog(label, QStringLiteral("Cancel"), 0, 0, parent)
    {
        m_dialog.setWindowTitle(title());
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setMinimumDuration(300);
    }
    bool step(int done, int total, const QString &text = QString())
    {
        if (m_dialog.maximum() != total)
            m_dialog.setMaximum(total);
        if (!text.isEmpty())
            m_dialog.setLabelText(text);
        m_dialog.setValue(done);
        return !m_dialog.wasCanceled();
    }

private:
    QProgressDialog m_dialog;
};

}  // namespace

void frmMain::buildCollectionCommands()
{
    // Placed before "&Print...", after the file commands they belong with.
    QMenu file(QStringLiteral("holder"));
    mnuFileImportFolder = addCommand(&file, QStringLiteral("Import Folder..."), {}, &frmMain::mnuFileImportFolder_Click);
    mnuFileExportFolder = addCommand(&file, QStringLiteral("Export Folder..."), {}, &frmMain::mnuFileExportFolder_Click);
    mnuFileExportCategory = addCommand(&file, QStringLiteral("Export Category..."), {}, &frmMain::mnuFileExportCategory_Click);
    mnuFileExportChordex = addCommand(&file, QStringLiteral("Export Chordex..."), {}, &frmMain::mnuFileExportChordex_Click);
    mnuFileSongbook = addCommand(&file, QStringLiteral("Songbook PDF..."), {}, &frmMain::mnuFileSongbook_Click);
    for (QAction *a : file.actions()) {
        a->setParent(mnuFile);
        mnuFile->insertAction(mnuFilePrint, a);
    }
    mnuFile->insertSeparator(mnuFilePrint);
}

// The tree's menus and drops name their folder or category themselves.
void frmMain::connectCollection()
{
    connect(ctlTree1, &ctlTree::OnExport, this, [this](qint32 categoryId, qint32 folderId) {
        exportScope({categoryId, folderId});
    });
    connect(ctlTree1, &ctlTree::OnSongbook, this, [this](qint32 categoryId, qint32 folderId) {
        songbookScope({categoryId, folderId});
    });
    connect(ctlTree1, &ctlTree::OnImportPaths, this,
            [this](qint32 categoryId, qint32 folderId, const QStringList &paths) {
                if (EndEditFirst())
                    ImportPaths(categoryId, paths, folderId, {});
            });
}

void frmMain::refreshCollectionCommands()
{
    const bool open = !modADO::NoStoreOpen();
    mnuFileImportFolder->setEnabled(open);
    mnuFileExportChordex->setEnabled(open);
    mnuFileExportCategory->setEnabled(open && ctlTree1->CategoryId() != 0);
    mnuFileExportFolder->setEnabled(open && ctlTree1->FolderId() != 0 &&
                                    (ctlTree1->FolderSelected() || ctlTree1->FileOpened()));
    mnuFileSongbook->setEnabled(open && ctlTree1->CategoryId() != 0);
}

void frmMain::mnuFileImportFolder_Click()
{
    if (!EndEditFirst())
        return;
    const QString folder = m_prompts.chooseFolder(QStringLiteral("Import Folder..."), QDir::homePath());
    if (folder.isEmpty())
        return;
    frmImportFolder form(m_prompts, folder, ctlTree1->CategoryId(), this);
    if (m_prompts.runModal(form) != QDialog::Accepted || form.CategoryId() == 0)
        return;
    CollectionImport::Options options;
    options.allFiles = form.AllFiles();
    ImportPaths(form.CategoryId(), {folder}, 0, options);
}

void frmMain::ImportPaths(qint32 categoryId, const QStringList &paths, qint32 folderId,
                          const CollectionImport::Options &options)
{
    if (m_importing)
        return;
    m_importing = true;
    CollectionImport::Result result;
    {
        Progress progress(this, QStringLiteral("Importing..."));
        result = CollectionImport(categoryId, options).run(paths, folderId, [&](int done, int total, const QString &path) {
            return progress.step(done, total, QDir::toNativeSeparators(path));
        });
    }
    m_importing = false;
    if (result.committed && result.imported > 0) {
        // The tree is filled once, at the end, on the category the files went into, with the
        // folder they were dropped on open.
        ctlTree1->ShowCategory(categoryId);
        if (folderId != 0)
            ctlTree1->SelectNode(modMain::FolderKey(folderId));
        RefreshCommands();
    }
    QString summary = CollectionImport::SummaryLine(result) + u'.';
    if (!result.error.isEmpty())
        summary = QStringLiteral("Nothing was imported: ") + result.error;
    else if (result.cancelled)
        summary = QStringLiteral("The import was cancelled: nothing was imported.");
    frmImportReport report(m_prompts, summary, CollectionImport::ReportText(result), this);
    m_prompts.runModal(report);
}

void frmMain::mnuFileExportFolder_Click()
{
    exportScope({ctlTree1->CategoryId(), ctlTree1->FolderId()});
}

void frmMain::mnuFileExportCategory_Click()
{
    exportScope({ctlTree1->CategoryId(), 0});
}

void frmMain::mnuFileExportChordex_Click()
{
    exportScope({});
}

void frmMain::exportScope(const CollectionExport::Scope &scope)
{
    // The export writes what the store holds, so a changed file is saved (or not) first.
    if (!EndEditFirst())
        return;
    const QString dest = m_prompts.chooseFolder(QStringLiteral("Export To Folder..."), QDir::homePath());
    if (dest.isEmpty())
        return;
    guard([&] {
        CollectionExport exporter(scope, dest);
        if (exporter.plannedFiles().isEmpty()) {
            m_prompts.message(QStringLiteral("There are no files to export."), title(), Prompts::Icon::Information);
            return;
        }
        const QStringList existing = exporter.existingFiles();
        if (!existing.isEmpty() &&
            m_prompts.message(QString::number(existing.size()) + QStringLiteral(" of the files are already in ") +
                                  QDir::toNativeSeparators(dest) + QStringLiteral(".\n\nReplace them?"),
                              QStringLiteral("Confirm Replace"), Prompts::Icon::Exclamation, Prompts::Buttons::YesNo,
                              Prompts::Answer::No) != Prompts::Answer::Yes)
            return;
        Progress progress(this, QStringLiteral("Exporting..."));
        const CollectionExport::Result result =
            exporter.run(!existing.isEmpty(), [&](int done, int total) { return progress.step(done, total); });
        QString text = QString::number(result.written) + (result.written == 1 ? QStringLiteral(" file") : QStringLiteral(" files")) +
                       QStringLiteral(" exported to ") + QDir::toNativeSeparators(dest) + u'.';
        if (result.cancelled)
            text += QStringLiteral("\n\nThe export was cancelled.");
        if (!result.error.isEmpty()) {
            m_prompts.message(text + QStringLiteral("\n\n") + result.error, title(), Prompts::Icon::Exclamation);
            return;
        }
        m_prompts.message(text, title(), Prompts::Icon::Information);
    });
}

void frmMain::mnuFileSongbook_Click()
{
    // The selected folder's songbook, or the shown category's.
    const bool folder = ctlTree1->FolderId() != 0 && (ctlTree1->FolderSelected() || ctlTree1->FileOpened());
    songbookScope({ctlTree1->CategoryId(), folder ? ctlTree1->FolderId() : 0});
}

void frmMain::songbookScope(const CollectionExport::Scope &scope)
{
    if (!EndEditFirst())
        return;
    QString name;
    if (!guard([&] {
            name = scope.folderId != 0 ? modMain::FolderName(scope.folderId) : modMain::CategoryName(scope.categoryId);
        }))
        return;
    QString path = m_prompts.saveFile(QStringLiteral("Songbook PDF..."), QDir::homePath() + u'/' + name + QStringLiteral(".pdf"),
                                      QStringLiteral("PDF Files (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    guard([&] {
        Songbook book(scope, EditorFont::FromOptions());
        QString error;
        if (!book.write(path, error)) {
            m_prompts.message(error, title(), Prompts::Icon::Exclamation);
            return;
        }
        m_prompts.message(QString::number(book.pageCount()) + QStringLiteral(" pages written to ") +
                              QDir::toNativeSeparators(path) + u'.',
                          title(), Prompts::Icon::Information);
    });
}
