#include "view/ctlView.h"

#include "ui/EditorFont.h"

#include "core/EditMode.h"
#include "core/Prompts.h"
#include "core/TextFile.h"
#include "ui/Twips.h"
#include "core/Version.h"
#include "ui/modMainUi.h"
#include "view/FindDialog.h"
#include "view/GoToLineDialog.h"
#include "view/ReplaceDialog.h"
#include "view/StaffTemplates.h"
#include "view/TextEditor.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QFileDevice>
#include <QMenu>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>

#include <algorithm>

namespace {

const QString EditingPrefix = QStringLiteral(" Editing: ");
const QString ClearedCaption = QStringLiteral(" Chordex");
const QString CrLf = QStringLiteral("\r\n");

// Layout figures in twips. The tab strip's frame: the page containers reach over it by
// these amounts, so a page lies flush below the tabs.
constexpr int FrameLeft = 60;
constexpr int FrameTop = 60;
constexpr int FrameRight = 50;
constexpr int HelpLeft = 0;
constexpr int HelpHeight = 370;  // the band along the bottom that holds picHelp and picButtons
constexpr int ButtonSize = 225;
constexpr int CaptionMinHeight = 255;

int px(double twips)
{
    return Twips::ToPixels(twips);
}

QFont captionFont()
{
    QFont font(QStringLiteral("Tahoma"), 8);
    font.setBold(true);
    return font;
}

}  // namespace

ctlView::ctlView(Prompts &prompts, QWidget *parent)
    : QWidget(parent)
    , m_prompts(prompts)
{
    tbsTabs = new QTabBar(this);
    tbsTabs->setObjectName(QStringLiteral("tbsTabs"));
    tbsTabs->setExpanding(false);
    tbsTabs->addTab(QStringLiteral("Tablature"));
    tbsTabs->addTab(QStringLiteral("Notes"));
    tbsTabs->addTab(QStringLiteral("Browser"));

    buildPages();
    buildCover();
    buildBottom();

    // The cover lies over the pages; the hint and the template buttons over everything.
    picCover->raise();
    picHelp->raise();
    picButtons->raise();
    cmdEncoding->raise();

    lblTab->setText(ClearedCaption);
    lblNotes->setText(ClearedCaption);
    lblBrowser->setText(QStringLiteral(" Web Browser:"));
    setEditColours(false);
    modMain::SetCaptionColours(lblBrowser, false);
    for (int i = 1; i <= 3; ++i)
        picContainer[i]->setVisible(i == 1);
    rtbText->setReadOnly(true);
    rtbNotes->setReadOnly(true);
    setTemplateButtonsEnabled(false);

    connect(tbsTabs, &QTabBar::currentChanged, this, &ctlView::tbsTabs_Click);
    connect(rtbText, &TextEditor::textChanged, this, &ctlView::editor_Change);
    connect(rtbNotes, &TextEditor::textChanged, this, &ctlView::editor_Change);
    connect(rtbText, &TextEditor::selectionChanged, this,
            [this] { emit OnEnableCutCopy(rtbText->selLength() > 0); });
    connect(rtbText, &TextEditor::doubleClicked, this, &ctlView::rtbTextDblClick);

    layoutPane();
}

void ctlView::buildPages()
{
    for (int i = 1; i <= 3; ++i) {
        picContainer[i] = new QWidget(this);
        picContainer[i]->setObjectName(QStringLiteral("picContainer%1").arg(i));
    }
    const auto caption = [this](int page, const char *name) {
        auto *label = new QLabel(picContainer[page]);
        label->setObjectName(QLatin1String(name));
        label->setFont(captionFont());
        return label;
    };
    lblTab = caption(1, "lblTab");
    lblNotes = caption(2, "lblNotes");
    lblBrowser = caption(3, "lblBrowser");
    rtbText = new TextEditor(picContainer[1]);
    rtbText->setObjectName(QStringLiteral("rtbText"));
    rtbNotes = new TextEditor(picContainer[2]);
    rtbNotes->setObjectName(QStringLiteral("rtbNotes"));
}

void ctlView::buildCover()
{
    picCover = new QWidget(this);
    picCover->setObjectName(QStringLiteral("picCover"));
    picCover->setAutoFillBackground(true);
    QPalette pal = picCover->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Base));
    picCover->setPalette(pal);

    fFrame = new QFrame(picCover);
    fFrame->setObjectName(QStringLiteral("fFrame"));
    fFrame->setFrameShape(QFrame::StyledPanel);

    lblProductName = new QLabel(QString::fromLatin1(chordex::AppTitle), fFrame);
    lblProductName->setObjectName(QStringLiteral("lblProductName"));
    QFont productFont = lblProductName->font();
    productFont.setPointSize(24);
    productFont.setBold(true);
    lblProductName->setFont(productFont);

    lblCompanyProduct = new QLabel(QStringLiteral("Guitar/Bass Document Management Software"), fFrame);
    lblCompanyProduct->setObjectName(QStringLiteral("lblCompanyProduct"));
    QFont companyFont = lblCompanyProduct->font();
    companyFont.setPointSize(10);
    companyFont.setBold(true);
    lblCompanyProduct->setFont(companyFont);

    lblVersion = new QLabel(QStringLiteral("Version %1.%2.%3")
                                .arg(chordex::VersionMajor)
                                .arg(chordex::VersionMinor)
                                .arg(chordex::VersionRevision),
                            fFrame);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));

    for (QLabel *label : {lblProductName, lblCompanyProduct, lblVersion}) {
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->adjustSize();
    }
}

void ctlView::buildBottom()
{
    picHelp = new QWidget(this);
    picHelp->setObjectName(QStringLiteral("picHelp"));
    lblHelp = new QLabel(picHelp);
    lblHelp->setObjectName(QStringLiteral("lblHelp"));

    cmdEncoding = new QToolButton(this);
    cmdEncoding->setObjectName(QStringLiteral("cmdEncoding"));
    cmdEncoding->setAutoRaise(true);
    cmdEncoding->setFocusPolicy(Qt::NoFocus);
    cmdEncoding->setPopupMode(QToolButton::InstantPopup);
    auto *reopen = new QMenu(cmdEncoding);
    for (const TextCodec::Encoding encoding : TextCodec::reopenChoices()) {
        reopen->addAction(QStringLiteral("Reopen as ") + TextCodec::name(encoding), this,
                          [this, encoding] { ReopenAs(encoding); });
    }
    cmdEncoding->setMenu(reopen);
    cmdEncoding->hide();

    picButtons = new QWidget(this);
    picButtons->setObjectName(QStringLiteral("picButtons"));
    static const char *const captions[] = {"-", "1", "2", "3", "4"};
    static const char *const tips[] = {"Insert Header Notice", "Tabline - 1 Measure",
                                       "Tabline - 2 Measures", "Tabline - 3 Measures",
                                       "Tabline - 4 Measures"};
    for (int i = 0; i < StaffTemplates::Count; ++i) {
        auto *button = new QToolButton(picButtons);
        button->setObjectName(QStringLiteral("cmd%1").arg(i));
        button->setText(QLatin1String(captions[i]));
        button->setToolTip(QLatin1String(tips[i]));
        // Clicking must leave the keyboard focus in the editor that receives the block.
        button->setFocusPolicy(Qt::NoFocus);
        if (i == 0) {
            QFont bold = button->font();
            bold.setBold(true);
            button->setFont(bold);
        }
        connect(button, &QToolButton::clicked, this, [this, i] { cmd_Click(i); });
        cmd[i] = button;
    }
}

void ctlView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutPane();
}

void ctlView::layoutPane()
{
    const int w = width();
    const int h = height();
    const int band = px(HelpHeight);

    // The tab strip takes the pane above the bottom band; its tabs sit at the top and
    // its client area is the rest, inside the strip's frame.
    const int tabsHeight = tbsTabs->sizeHint().height();
    tbsTabs->setGeometry(0, 0, w, tabsHeight);
    const int stripHeight = std::max(tabsHeight, h - band);
    const QRect client(px(FrameLeft), tabsHeight + px(FrameTop), w - px(FrameLeft + FrameRight),
                       stripHeight - tabsHeight - px(FrameTop));
    const QRect page(client.left() - px(60), client.top() - px(60), client.width() + px(110),
                     client.height() + px(60));
    for (int i = 1; i <= 3; ++i)
        picContainer[i]->setGeometry(page);
    layoutPages();

    const int coverTop = tabsHeight + px(20);
    picCover->setGeometry(px(20), coverTop, w - px(70), std::max(0, h - px(HelpHeight) - coverTop));
    layoutCover();

    const int helpLeft = px(HelpLeft);
    picHelp->setGeometry(helpLeft, h - band, std::max(0, w - (helpLeft + px(120))), band);
    lblHelp->setGeometry(0, 0, picHelp->width(), picHelp->height());

    const int buttonSize = px(ButtonSize);
    for (int i = 0; i < StaffTemplates::Count; ++i)
        cmd[i]->setGeometry(i * buttonSize, 0, buttonSize, buttonSize);
    const int buttonsWidth = buttonSize * StaffTemplates::Count;
    picButtons->setGeometry(w - buttonsWidth, h - (buttonSize + px(20)), buttonsWidth, buttonSize);
    cmdEncoding->move(std::max(0, picButtons->x() - cmdEncoding->width() - px(120)),
                      h - band + (band - cmdEncoding->height()) / 2);
}

void ctlView::layoutPages()
{
    const int w = width();
    const int labelHeight =
        std::max(px(CaptionMinHeight), lblTab->fontMetrics().height() + px(60));
    const int cw = picContainer[1]->width();
    const int ch = picContainer[1]->height();
    for (QLabel *label : {lblTab, lblNotes, lblBrowser})
        label->setGeometry(px(10), px(10), std::max(0, w - px(80)), labelHeight);
    const int editorTop = labelHeight + px(20);
    for (TextEditor *editor : {rtbText, rtbNotes})
        editor->setGeometry(-px(10), editorTop, cw + px(10), std::max(0, ch - editorTop));
    if (ctlBrowser1)
        ctlBrowser1->setGeometry(-px(30), editorTop, cw + px(30), std::max(0, ch - labelHeight));
}

void ctlView::layoutCover()
{
    fFrame->setGeometry(px(40), px(40), std::max(0, picCover->width() - px(80)),
                        std::max(0, picCover->height() - px(160)));
    const int fw = fFrame->width();
    int top = px(240);
    for (QLabel *label : {lblProductName, lblCompanyProduct, lblVersion}) {
        label->move(fw - (label->width() + px(180)), top);
        top += label->height() + px(60);
    }
}

// --- Properties --------------------------------------------------------------------------

void ctlView::setTitleText(const QString &title)
{
    m_title = title;
    lblTab->setText((m_editPrefixed ? EditingPrefix : QString()) + QLatin1Char(' ') + title);
    lblNotes->setText(QStringLiteral(" Notes:"));
}

void ctlView::setTabText(const QString &text)
{
    m_tabText = text;
    loadEditor(rtbText, text);
}

void ctlView::setNotes(const QString &notes)
{
    m_notes = notes;
    loadEditor(rtbNotes, notes);
}

void ctlView::loadEditor(TextEditor *editor, const QString &text)
{
    const QScopedValueRollback<bool> loading(m_loading, true);
    editor->setText(text);
}

void ctlView::setTabCaption(const QString &caption)
{
    lblTab->setText(caption);
    m_editPrefixed = false;
}

// --- Tabs and cover ----------------------------------------------------------------------

int ctlView::SelectedTab() const
{
    const int index = tbsTabs->currentIndex();
    return index >= 0 && index < 3 ? index + 1 : 0;
}

void ctlView::SelectTab(int index)
{
    if (index >= 1 && index <= 3)
        tbsTabs->setCurrentIndex(index - 1);
}

void ctlView::tbsTabs_Click()
{
    if (m_fileEdit) {
        // A disk file has only its tab text: the strip stays on the Tablature page, so
        // the commands and the templates never act on a hidden editor.
        if (tbsTabs->currentIndex() != 0) {
            const QSignalBlocker block(tbsTabs);
            tbsTabs->setCurrentIndex(0);
        }
        return;
    }
    const int selected = SelectedTab();
    for (int i = 1; i <= 3; ++i)
        picContainer[i]->setVisible(i == selected);
    if (chordex::EditMode == 1) {
        if (selected == 1)
            rtbText->setFocus();
        else if (selected == 2)
            rtbNotes->setFocus();
    } else if (selected == 3) {
        picCover->hide();
    } else if (selected == 1 || selected == 2) {
        picCover->setVisible(!m_fileSelected);
    }
    emit OnTabsClick(selected);
    if (selected == 3 && ctlBrowser1)
        ctlBrowser1->setFocus();
}

void ctlView::FileSelected()
{
    if (SelectedTab() == 3)
        SelectTab(1);
    m_fileSelected = true;
    picCover->hide();
}

void ctlView::Clear()
{
    loadEditor(rtbText, QString());
    loadEditor(rtbNotes, QString());
    setTabCaption(ClearedCaption);
    lblNotes->setText(ClearedCaption);
    if (SelectedTab() != 3)
        picCover->show();
    m_fileSelected = false;
    emit OnClear();
}

void ctlView::ClearAll()
{
    m_title.clear();
    m_tabText.clear();
    m_notes.clear();
    loadEditor(rtbText, QString());
    loadEditor(rtbNotes, QString());
    emit OnClear();
}

void ctlView::Cover(bool visible)
{
    picCover->setVisible(visible);
}

bool ctlView::CoverVisible() const
{
    return picCover->isVisibleTo(this);
}

// --- Edit mode ---------------------------------------------------------------------------

void ctlView::editor_Change()
{
    if (m_loading || chordex::EditMode == 0)
        return;
    m_dirty = true;
    lblHelp->setText(QStringLiteral("Select \"Cancel\" or \"Save\" to exit Edit Mode"));
    emit OnChange();
}

void ctlView::setEditColours(bool editing)
{
    for (QLabel *label : {lblTab, lblNotes}) {
        if (editing) {
            QPalette pal = label->palette();
            pal.setColor(QPalette::Window, QColor(0, 192, 0));
            pal.setColor(QPalette::WindowText, Qt::white);
            label->setAutoFillBackground(true);
            label->setPalette(pal);
        } else {
            modMain::SetCaptionColours(label, false);
        }
    }
}

void ctlView::setTemplateButtonsEnabled(bool enabled)
{
    for (QToolButton *button : cmd)
        button->setEnabled(enabled);
}

void ctlView::EditCurrent(bool editing)
{
    if (editing) {
        if (!m_editPrefixed) {
            lblTab->setText(EditingPrefix + lblTab->text());
            m_editPrefixed = true;
        }
        setEditColours(true);
        chordex::EditMode = 1;
        SelectTab(1);
        m_dirty = false;
        rtbText->setFocus();
        lblHelp->setText(QStringLiteral("Edit Mode: No Changes - Select File"));
        rtbText->setReadOnly(false);
        rtbNotes->setReadOnly(false);
        setTemplateButtonsEnabled(true);
        return;
    }

    if (m_dirty) {
        const Prompts::Answer answer = m_prompts.message(
            QStringLiteral("Do you wish to save your changes?"), QStringLiteral("Save Changes"),
            Prompts::Icon::Exclamation, Prompts::Buttons::YesNoCancel, Prompts::Answer::Yes);
        const bool save = answer == Prompts::Answer::Yes;
        // A save that failed has been reported; the user's text stays in edit mode.
        if ((!save && answer != Prompts::Answer::No) || (save && !SaveCurrent())) {
            if (TextEditor *editor = activeEditor())
                editor->setFocus();
            return;
        }
        // Reloading the same text would only lose the caret and the scroll position.
        if (rtbText->text() != m_tabText)
            loadEditor(rtbText, m_tabText);
        if (rtbNotes->text() != m_notes)
            loadEditor(rtbNotes, m_notes);
        m_dirty = false;
    }

    if (m_editPrefixed) {
        const QString caption = lblTab->text();
        if (caption.startsWith(EditingPrefix))
            lblTab->setText(caption.mid(EditingPrefix.size()));
        m_editPrefixed = false;
    }
    rtbText->setReadOnly(true);
    rtbNotes->setReadOnly(true);
    setEditColours(false);
    lblHelp->clear();
    chordex::EditMode = 0;
    emit OnEditComplete();

    if (m_fileEdit) {
        // The host may still store the text, so it stays in the editor under the cover.
        const QString kept = rtbText->text();
        ClearAll();
        Clear();
        m_fileEdit = false;
        cmdEncoding->hide();
        tbsTabs->setTabEnabled(1, true);
        tbsTabs->setTabEnabled(2, true);
        loadEditor(rtbText, kept);
    }
    setTemplateButtonsEnabled(false);
}

bool ctlView::SaveCurrent()
{
    if (m_fileEdit) {
        const QString text = rtbText->text();
        if (!writeDiskFile(m_title, text))
            return false;
        m_tabText = text;
        emit OnSaveFileChanges();
    } else {
        const QString oldTab = m_tabText;
        const QString oldNotes = m_notes;
        m_tabText = rtbText->text();
        m_notes = rtbNotes->text();
        m_saveRejected = false;
        emit OnSaveChanges(m_tabText, m_notes);
        if (m_saveRejected) {
            // The host could not store the texts: they stay in the editors, unsaved.
            m_tabText = oldTab;
            m_notes = oldNotes;
            return false;
        }
    }
    m_dirty = false;
    return true;
}

void ctlView::RejectSave()
{
    m_saveRejected = true;
}

bool ctlView::writeDiskFile(const QString &path, const QString &text)
{
    // The file goes back in the encoding, line ends and byte-order mark it came in, so a
    // file saved unchanged is the same bytes. A character that encoding has no code for
    // would be lost, so then the file becomes UTF-8 and the user is told.
    TextCodec::Format format = m_fileFormat;
    const bool toUtf8 = !TextCodec::fits(text, format.encoding);
    if (toUtf8) {
        format.encoding = TextCodec::Encoding::Utf8;
        format.bom = false;
    }
    QString error;
    if (!TextFile::write(path, TextCodec::encode(text, format), error)) {
        m_prompts.errorReport(QFileDevice::WriteError,
                              QStringLiteral("The file \"%1\" could not be saved: %2")
                                  .arg(QDir::toNativeSeparators(path), error),
                              QString::fromLatin1(chordex::AppTitle));
        return false;
    }
    if (toUtf8) {
        m_prompts.message(QStringLiteral("The file \"%1\" holds characters that %2 cannot store, "
                                         "so it was saved as UTF-8.")
                              .arg(QDir::toNativeSeparators(path), TextCodec::name(m_fileFormat.encoding)),
                          QString::fromLatin1(chordex::AppTitle), Prompts::Icon::Information);
        m_fileFormat = format;
        showEncoding(false);
    }
    return true;
}

void ctlView::FileEdit(const QString &path, const QString &text, const TextCodec::Format &format,
                       bool guessed)
{
    // Show page 1 before the flag freezes the tabs, so the text is on the page in view.
    SelectTab(1);
    m_fileEdit = true;
    m_fileFormat = format;
    tbsTabs->setTabEnabled(1, false);
    tbsTabs->setTabEnabled(2, false);
    loadEditor(rtbText, text);
    m_tabText = text;
    setTitleText(path);
    m_dirty = false;
    picCover->hide();
    showEncoding(guessed);
}

void ctlView::showEncoding(bool guessed)
{
    cmdEncoding->setText(QStringLiteral("Encoding: ") + TextCodec::name(m_fileFormat.encoding));
    // Only a guess can be wrong; a byte-order mark names the encoding for certain.
    cmdEncoding->setEnabled(guessed);
    cmdEncoding->setToolTip(guessed ? QStringLiteral("Reopen the file in another encoding")
                                    : QString());
    cmdEncoding->adjustSize();
    cmdEncoding->setVisible(m_fileEdit);
    layoutPane();
}

bool ctlView::ReopenAs(TextCodec::Encoding encoding)
{
    if (!m_fileEdit)
        return false;
    if (m_dirty
        && m_prompts.message(QStringLiteral("Reopening the file in %1 discards your changes. Continue?")
                                 .arg(TextCodec::name(encoding)),
                             QStringLiteral("Reopen File"), Prompts::Icon::Exclamation,
                             Prompts::Buttons::YesNo, Prompts::Answer::No)
               != Prompts::Answer::Yes)
        return false;
    QByteArray bytes;
    QString error;
    if (!TextFile::read(m_title, bytes, error)) {
        m_prompts.errorReport(QFileDevice::ReadError,
                              QStringLiteral("The file \"%1\" could not be read: %2")
                                  .arg(QDir::toNativeSeparators(m_title), error),
                              QString::fromLatin1(chordex::AppTitle));
        return false;
    }
    const TextCodec::Decoded decoded = TextCodec::decode(bytes, encoding);
    if (decoded.binary)
        return false;  // it was text when it was opened; a file replaced since is left alone
    m_fileFormat = decoded.format;
    m_tabText = decoded.text;
    loadEditor(rtbText, decoded.text);
    m_dirty = false;
    lblHelp->setText(QStringLiteral("Edit Mode: No Changes - Select File"));
    showEncoding(true);
    if (decoded.invalid > 0) {
        m_prompts.message(QStringLiteral("%1 part(s) of the file are not valid %2. They are shown as %3, "
                                         "and saving the file would keep them so.")
                              .arg(decoded.invalid)
                              .arg(TextCodec::name(encoding), QString(QChar::ReplacementCharacter)),
                          QStringLiteral("Reopen File"), Prompts::Icon::Exclamation);
    }
    return true;
}

void ctlView::SetOptions()
{
    const QString name = EditorFont::OptionsName();
    const double size = EditorFont::OptionsSize();
    rtbText->setEditorFont(name, size);
    rtbNotes->setEditorFont(name, size);
}

void ctlView::PrintInfo(QTextEdit &target) const
{
    const QFont font = rtbText->editorFont();
    target.setFont(font);
    QString text = rtbText->text();
    text.replace(CrLf, QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QTextCharFormat format;
    format.setFont(font);
    QTextCursor cursor = target.textCursor();
    cursor.insertText(text, format);
    target.setTextCursor(cursor);
}

void ctlView::SetUndoRedo()
{
    emit UpdateUndoRedo(false, false);
    if (chordex::EditMode != 1)
        return;
    const int selected = SelectedTab();
    if (selected == 1)
        emit UpdateUndoRedo(rtbText->canUndo(), rtbText->canRedo());
    else if (selected == 2)
        emit UpdateUndoRedo(rtbNotes->canUndo(), rtbNotes->canRedo());
}

// --- Editing commands --------------------------------------------------------------------

TextEditor *ctlView::activeEditor() const
{
    switch (SelectedTab()) {
    case 1:
        return rtbText;
    case 2:
        return rtbNotes;
    default:
        return nullptr;
    }
}

void ctlView::onActiveEditor(const std::function<void(TextEditor &)> &command)
{
    if (TextEditor *editor = activeEditor())
        command(*editor);
}

void ctlView::Undo()
{
    onActiveEditor([](TextEditor &editor) { editor.undo(); });
}

void ctlView::Redo()
{
    onActiveEditor([](TextEditor &editor) { editor.redo(); });
}

void ctlView::Cut()
{
    onActiveEditor([](TextEditor &editor) { editor.cut(); });
}

void ctlView::Copy()
{
    onActiveEditor([](TextEditor &editor) { editor.copy(); });
}

void ctlView::Paste()
{
    onActiveEditor([](TextEditor &editor) { editor.paste(); });
}

void ctlView::SelectAll()
{
    onActiveEditor([](TextEditor &editor) { editor.selectAll(); });
}

void ctlView::Find()
{
    TextEditor *editor = activeEditor();
    if (!editor)
        return;
    SearchOptions initial = m_lastSearch;
    // A selection within one line is what the user most likely wants to find.
    const QString selected = editor->selectedText();
    if (!selected.isEmpty() && !selected.contains(QLatin1Char('\n')) && !selected.contains(QLatin1Char('\r')))
        initial.text = selected;
    FindDialog dialog(initial, this);
    if (m_prompts.runModal(dialog) != QDialog::Accepted)
        return;
    m_lastSearch = dialog.options();
    findInEditor(true);
}

void ctlView::FindNext()
{
    if (!activeEditor())
        return;
    if (m_lastSearch.text.isEmpty())
        Find();
    else
        findInEditor(true);
}

void ctlView::FindPrevious()
{
    if (!activeEditor())
        return;
    if (m_lastSearch.text.isEmpty())
        Find();
    else
        findInEditor(false);
}

void ctlView::findInEditor(bool forward)
{
    TextEditor *editor = activeEditor();
    if (!editor || m_lastSearch.text.isEmpty())
        return;
    if (!editor->find(m_lastSearch, forward))
        m_prompts.message(QStringLiteral("Cannot find \"%1\".").arg(m_lastSearch.text),
                          QString::fromLatin1(chordex::AppTitle), Prompts::Icon::Information);
    editor->setFocus();
}

void ctlView::RunReplace()
{
    TextEditor *editor = activeEditor();
    if (!editor)
        return;
    SearchOptions initial = m_lastSearch;
    const QString selected = editor->selectedText();
    if (!selected.isEmpty() && !selected.contains(QLatin1Char('\n')) && !selected.contains(QLatin1Char('\r')))
        initial.text = selected;
    ReplaceDialog dialog(*editor, initial, this);
    m_prompts.runModal(dialog);
    m_lastSearch = dialog.options();
    editor->setFocus();
}

void ctlView::GoToLine()
{
    TextEditor *editor = activeEditor();
    if (!editor)
        return;
    GoToLineDialog dialog(editor->lines(), editor->currentLine(), this);
    if (m_prompts.runModal(dialog) == QDialog::Accepted)
        editor->goToLine(dialog.line());
    editor->setFocus();
}

// --- Browser page and templates ----------------------------------------------------------

void ctlView::setBrowserPane(QWidget *pane)
{
    ctlBrowser1 = pane;
    if (!pane)
        return;
    pane->setParent(picContainer[3]);
    pane->show();
    layoutPages();
}

void ctlView::ctlBrowser1_DirectImport(const QString &address, const QString &title,
                                       const QString &text)
{
    emit DirectImport(address, title, text);
}

void ctlView::ctlBrowser1_TitleChange(const QString &title)
{
    lblBrowser->setText(QLatin1Char(' ') + title);
}

void ctlView::cmd_Click(int index)
{
    if (chordex::EditMode != 1)
        return;
    const QString block = StaffTemplates::Block(index);
    TextEditor *editor = activeEditor();
    if (block.isEmpty() || !editor)
        return;
    const int start = editor->selStart();
    editor->replaceSelectedText(block + CrLf);
    editor->setSelStart(start);
    editor->setFocus();
}
