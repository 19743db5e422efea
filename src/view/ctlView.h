#pragma once

#include "core/TextCodec.h"
#include "view/SearchOptions.h"

#include <QString>
#include <QWidget>

#include <array>
#include <functional>

class Prompts;
class QFrame;
class QLabel;
class QTabBar;
class QTextEdit;
class QToolButton;
class TextEditor;

// The document view: the tab text and the notes of the selected file on two pages, the
// web browser on the third, the explicit edit mode with its save question, the editing
// commands of the main window's menus, and the staff template buttons. It never touches
// the store: it holds the texts the host hands it and reports changes and save requests
// as signals.
class ctlView final : public QWidget
{
    Q_OBJECT

public:
    explicit ctlView(Prompts &prompts, QWidget *parent = nullptr);

    QString TitleText() const { return m_title; }
    void setTitleText(const QString &title);
    QString TabText() const { return m_tabText; }
    void setTabText(const QString &text);
    QString Notes() const { return m_notes; }
    void setNotes(const QString &notes);
    bool Dirty() const { return m_dirty; }

    int SelectedTab() const;  // 1..3, or 0 when no tab is selected
    void SelectTab(int index);
    void FileSelected();
    void Clear();
    void ClearAll();
    void Cover(bool visible);
    bool CoverVisible() const;
    void EditCurrent(bool editing);
    // Returns false, with the user told why, when a disk file could not be written or the
    // host rejected the save.
    bool SaveCurrent();
    // Called by the host while it handles OnSaveChanges when it could not store the texts.
    void RejectSave();
    // Opens a disk file for editing. The format is how the file was read; saving writes the
    // text back the same way. guessed: no byte-order mark decided the encoding, so the user
    // may reopen the file in another one.
    void FileEdit(const QString &path, const QString &text,
                  const TextCodec::Format &format = TextCodec::Format(), bool guessed = false);
    bool FileEditing() const { return m_fileEdit; }
    TextCodec::Format FileFormat() const { return m_fileFormat; }
    // Reads the disk file being edited again in another encoding. Unsaved changes are
    // discarded only after the user agrees. False when nothing was reopened.
    bool ReopenAs(TextCodec::Encoding encoding);
    void SetOptions();
    TextEditor *TextRTB() const { return rtbText; }
    TextEditor *TextNotes() const { return rtbNotes; }
    void PrintInfo(QTextEdit &target) const;
    void SetUndoRedo();

    // Editing commands on the editor of the selected tab; nothing on the Browser tab.
    void Undo();
    void Redo();
    void Cut();
    void Copy();
    void Paste();
    void SelectAll();
    void Find();
    void FindNext();
    void FindPrevious();
    void RunReplace();
    void GoToLine();

    // Page 3: the host places the browser pane here and connects its DirectImport and
    // TitleChange events to the two handlers below.
    void setBrowserPane(QWidget *pane);
    QWidget *browserContainer() const { return picContainer[3]; }
    void ctlBrowser1_DirectImport(const QString &address, const QString &title, const QString &text);
    void ctlBrowser1_TitleChange(const QString &title);

    // The template button with this index (0..4), as a click does.
    void cmd_Click(int index);

    // Controls, named as the design names them. picContainer is indexed 1..3 (0 unused).
    QTabBar *tbsTabs = nullptr;
    std::array<QWidget *, 4> picContainer{};
    QLabel *lblTab = nullptr;
    QLabel *lblNotes = nullptr;
    QLabel *lblBrowser = nullptr;
    TextEditor *rtbText = nullptr;
    TextEditor *rtbNotes = nullptr;
    QWidget *ctlBrowser1 = nullptr;
    QWidget *picCover = nullptr;
    QFrame *fFrame = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblProductName = nullptr;
    QLabel *lblCompanyProduct = nullptr;
    QWidget *picHelp = nullptr;
    QLabel *lblHelp = nullptr;
    QWidget *picButtons = nullptr;
    std::array<QToolButton *, 5> cmd{};
    QToolButton *cmdEncoding = nullptr;  // the disk file's encoding, with the reopen menu

signals:
    void OnClear();
    void OnChange();
    void OnEditComplete();
    void OnSaveChanges(const QString &text, const QString &notes);
    void OnEnableCutCopy(bool enabled);
    void OnSaveFileChanges();
    void OnTabsClick(int index);
    void DirectImport(const QString &address, const QString &title, const QString &text);
    void rtbTextDblClick();
    void UpdateUndoRedo(bool canUndo, bool canRedo);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildPages();
    void buildCover();
    void buildBottom();
    void layoutPane();
    void layoutPages();
    void layoutCover();

    void tbsTabs_Click();
    void editor_Change();
    TextEditor *activeEditor() const;
    // Runs an editing command on the editor of the selected tab; nothing on the Browser tab.
    void onActiveEditor(const std::function<void(TextEditor &)> &command);
    // Sets an editor's text without it counting as the user's change.
    void loadEditor(TextEditor *editor, const QString &text);
    void setTabCaption(const QString &caption);
    void setEditColours(bool editing);
    void setTemplateButtonsEnabled(bool enabled);
    bool writeDiskFile(const QString &path, const QString &text);
    void showEncoding(bool guessed);
    void findInEditor(bool forward);

    Prompts &m_prompts;
    QString m_title;
    QString m_tabText;
    QString m_notes;
    bool m_dirty = false;
    bool m_fileEdit = false;
    TextCodec::Format m_fileFormat;
    bool m_fileSelected = false;
    bool m_loading = false;
    bool m_saveRejected = false;
    bool m_editPrefixed = false;  // lblTab carries the " Editing: " prefix
    SearchOptions m_lastSearch;
};
