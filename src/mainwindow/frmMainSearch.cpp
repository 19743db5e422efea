// The search command, its dialog and the opening of a search result.
#include "mainwindow/frmMain.h"

#include "details/ctlDetails.h"
#include "dialogs/frmSearch.h"
#include "store/LikePattern.h"
#include "store/clsTablature.h"
#include "tree/ctlTree.h"
#include "view/TextEditor.h"
#include "view/ctlView.h"

void frmMain::mnuEditSearch_Click()
{
    // One dialog at a time: the command brings back the open one.
    if (SearchForm) {
        SearchForm->show();
        SearchForm->raise();
        SearchForm->activateWindow();
        return;
    }
    auto *form = new frmSearch(m_prompts, this);
    SearchForm = form;
    connect(form, &frmSearch::OnSearch, this, &frmMain::SearchForm_OnSearch);
    connect(form, &frmSearch::OnUnload, this, [this] { SearchForm = nullptr; });
    form->show();
}

void frmMain::SearchForm_OnSearch(const QString &searchText, qint16 inTitles, qint16 inTab, qint16 inNotes)
{
    guard([&] { ctlDetails1->Search(searchText, inTitles != 0, inTab != 0, inNotes != 0); });
}

void frmMain::stopSearch()
{
    if (SearchForm)
        SearchForm->close();
    if (ctlDetails1->Searching())
        ctlDetails1->ClearSearch();
}

void frmMain::ctlDetails_OnSearchClick(const QString &treePath)
{
    if (!EndEditFirst())
        return;
    bool selected = false;
    guard([&] { selected = ctlTree1->SelectNode(treePath); });
    if (selected)
        selectFirstMatch(treePath);
}

// Shows where the last search matched the file just opened: the first match in the tab
// text, or in the notes when it matched only there.
void frmMain::selectFirstMatch(const QString &treePath)
{
    const ctlDetails::SearchRequest &request = ctlDetails1->LastSearch();
    if (!objTablature || objTablature->Key() != treePath || request.text.isEmpty())
        return;
    const QByteArray patternText = request.text.toUtf8();
    const LikePattern pattern(std::string_view(patternText.constData(), std::size_t(patternText.size())));
    const auto selectIn = [&](bool searched, int tab, TextEditor *editor) {
        if (!searched || !editor)
            return false;
        const QByteArray text = editor->text().toUtf8();
        std::size_t begin = 0;
        std::size_t end = 0;
        if (!pattern.find(std::string_view(text.constData(), std::size_t(text.size())), begin, end) || end == begin)
            return false;
        SearchOptions match;
        match.text = QString::fromUtf8(text.mid(qsizetype(begin), qsizetype(end - begin)));
        match.matchCase = true;
        ctlView1->SelectTab(tab);
        editor->setSelStart(0);
        return editor->find(match, true);
    };
    if (!selectIn(request.inTab, 1, ctlView1->TextRTB()))
        selectIn(request.inNotes, 2, ctlView1->TextNotes());
}
