#include "mainwindow/frmMain.h"

#include "dialogs/frmSelector.h"
#include "core/Prompts.h"
#include "tree/ctlTree.h"

#include <QLineEdit>
#include <QScopeGuard>

void frmMain::mnuFileNew_Click()
{
    NewTabFile();
}

frmMain::NewFile frmMain::NewTabFile(const QString &proposedTitle, const QString &tabText)
{
    if (!EndEditFirst() || SelectorForm)
        return {};
    m_newFile = NewFile();
    PendingImportText = tabText;
    PendingImport = !tabText.isEmpty();

    frmSelector chooser(m_prompts, this);
    SelectorForm = &chooser;
    const auto release = qScopeGuard([this] {
        SelectorForm = nullptr;
        PendingImportText.clear();
        PendingImport = false;
    });
    connect(&chooser, &frmSelector::OnAddNew, this, &frmMain::SelectorForm_OnAddNew);
    chooser.FillCategories();
    chooser.SetCombos(ctlTree1->CategoryId(), ctlTree1->FolderId());
    if (!proposedTitle.isEmpty())
        chooser.txtTitle->setText(proposedTitle);
    m_prompts.runModal(chooser);
    return m_newFile;
}

// The chooser's answer, raised while it is still open: the tree stores the file (reporting a
// store error itself and then answering 0), shows and selects it.
void frmMain::SelectorForm_OnAddNew(qint32 categoryId, qint32 folderId, const QString &title)
{
    const qint32 fileId = ctlTree1->AddNode(categoryId, folderId, title, PendingImport ? PendingImportText : QString());
    if (fileId > 0)
        m_newFile = {true, categoryId, folderId, fileId};
}
