#include "mainwindow/frmMain.h"

#include "browser/ctlBrowser.h"
#include "core/Prompts.h"
#include "core/Version.h"
#include "view/ctlView.h"

// The browser pane on the view's third page, and the import of a page's text as a new file.
void frmMain::buildBrowser()
{
    ctlBrowser1 = new ctlBrowser(m_prompts);
    ctlView1->setBrowserPane(ctlBrowser1);
    connect(ctlBrowser1, &ctlBrowser::DirectImport, ctlView1, &ctlView::ctlBrowser1_DirectImport);
    connect(ctlBrowser1, &ctlBrowser::TitleChange, ctlView1, &ctlView::ctlBrowser1_TitleChange);
    connect(ctlView1, &ctlView::DirectImport, this, &frmMain::ctlView_DirectImport);
    ctlBrowser1->InitBrowse();  // writes the start page; the web view waits for the first show
}

// The chooser in add mode proposes the page title; the page's text becomes the new file's
// tab text in one step (no edit mode follows). The address is not kept.
void frmMain::ctlView_DirectImport(const QString &, const QString &title, const QString &text)
{
    if (text.trimmed().isEmpty()) {
        m_prompts.message(QStringLiteral("This page has no text to save."),
                          QString::fromLatin1(chordex::AppTitle), Prompts::Icon::Exclamation);
        return;
    }
    NewTabFile(title, text);
}
