#pragma once

#include "view/SearchOptions.h"

#include <Qsci/qsciscintilla.h>
#include <QFont>

// The plain-text editor of the tab text and the notes: QScintilla without a lexer, in a
// monospace font, with CR LF line ends, overtype on the Insert key and rectangular
// selections (Alt+drag, Alt+Shift+arrows). Positions offered here count characters of
// text() (UTF-16 units), not the bytes QScintilla works in.
class TextEditor final : public QsciScintilla
{
    Q_OBJECT

public:
    explicit TextEditor(QWidget *parent = nullptr);

    // Loads a text: works while read-only, starts a fresh undo history and clears the
    // modified state, so loading a file can never be undone into the previous one.
    void setText(const QString &text) override;

    // The caret position ("SelStart"): start of the selection, or the caret when nothing
    // is selected. Setting it removes the selection.
    int selStart() const;
    void setSelStart(int position);
    int selLength() const;

    bool canUndo() const { return isUndoAvailable(); }
    bool canRedo() const { return isRedoAvailable(); }

    // Applies a font; a family that is not installed falls back to a monospace one.
    void setEditorFont(const QString &family, double pointSize);
    QFont editorFont() const { return m_font; }

    // Selects the next match after the selection (forward) or the one before it,
    // wrapping round the ends of the text. False when there is no match at all.
    bool find(const SearchOptions &options, bool forward);
    // True when the selection is exactly one match of the options.
    bool selectionMatches(const SearchOptions &options) const;
    // Replaces the selection when it is a match, then selects the next match.
    // Returns whether a next match was found.
    bool replaceAndFindNext(const SearchOptions &options);
    // Replaces every match in the text as one undo step; returns how many.
    int replaceAll(const SearchOptions &options);

    // Moves the caret to the start of a line, counted from 1 and kept within the text.
    void goToLine(int line);
    int currentLine() const;  // counted from 1

signals:
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    int searchFlags(const SearchOptions &options) const;
    // Searches the bytes from..to (backward when to < from); returns the match's start
    // byte and its end in matchEnd, or -1.
    long searchRange(const QByteArray &needle, int flags, long from, long to, long *matchEnd) const;
    long bytePosition(int position) const;
    int charPosition(long bytePos) const;

    QFont m_font;
};
