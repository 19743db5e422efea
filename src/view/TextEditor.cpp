#include "view/TextEditor.h"

#include "ui/EditorFont.h"

#include <QMouseEvent>

#include <algorithm>
#include <cstdint>

TextEditor::TextEditor(QWidget *parent)
    : QsciScintilla(parent)
{
    setUtf8(true);
    // The texts live with CR LF line ends; Enter and pasted text follow them.
    setEolMode(EolWindows);
    SendScintilla(SCI_SETPASTECONVERTENDINGS, 1);
    setWrapMode(WrapNone);
    setAutoIndent(false);
    for (int margin = 0; margin < 3; ++margin)
        setMarginWidth(margin, 0);

    // Tab columns are edited as blocks: Alt+drag and Alt+Shift+arrows select a rectangle,
    // typing goes into every line of it, and it may reach past short lines.
    SendScintilla(SCI_SETRECTANGULARSELECTIONMODIFIER, SCMOD_ALT);
    SendScintilla(SCI_SETADDITIONALSELECTIONTYPING, 1);
    SendScintilla(SCI_SETVIRTUALSPACEOPTIONS, SCVS_RECTANGULARSELECTION);

    setEditorFont(QStringLiteral("Courier New"), 8);

    connect(this, &QsciScintillaBase::SCN_DOUBLECLICK, this, [this](int, int, int) {
        emit doubleClicked();
    });
}

void TextEditor::setText(const QString &text)
{
    // Scintilla refuses to change a read-only document, so lift the flag for the load.
    const bool readOnly = isReadOnly();
    if (readOnly)
        SendScintilla(SCI_SETREADONLY, 0);
    QsciScintilla::setText(text);
    if (readOnly)
        SendScintilla(SCI_SETREADONLY, 1);
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    setModified(false);
}

void TextEditor::mousePressEvent(QMouseEvent *event)
{
#if !defined(Q_OS_MACOS) && !defined(Q_OS_WIN)
    // On X11 QScintilla starts a rectangular selection on Ctrl+drag and ignores Alt;
    // tab columns are selected with Alt+drag, so pass Alt on as the key it understands.
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (event->button() == Qt::LeftButton && (modifiers & Qt::AltModifier)
        && !(modifiers & Qt::ControlModifier)) {
        QMouseEvent rectangular(event->type(), event->position(), event->globalPosition(),
                                event->button(), event->buttons(),
                                (modifiers & ~Qt::AltModifier) | Qt::ControlModifier,
                                event->pointingDevice());
        QsciScintilla::mousePressEvent(&rectangular);
        event->setAccepted(rectangular.isAccepted());
        return;
    }
#endif
    QsciScintilla::mousePressEvent(event);
}

long TextEditor::bytePosition(int position) const
{
    const long length = SendScintilla(SCI_GETLENGTH);
    const int total = charPosition(length);
    if (position <= 0)
        return 0;
    if (position >= total)
        return length;
    return SendScintilla(SCI_POSITIONRELATIVECODEUNITS, 0UL, long(position));
}

int TextEditor::charPosition(long bytePos) const
{
    return int(SendScintilla(SCI_COUNTCODEUNITS, 0UL, bytePos));
}

int TextEditor::selStart() const
{
    return charPosition(SendScintilla(SCI_GETSELECTIONSTART));
}

void TextEditor::setSelStart(int position)
{
    SendScintilla(SCI_GOTOPOS, static_cast<unsigned long>(bytePosition(position)));
}

int TextEditor::selLength() const
{
    const long start = SendScintilla(SCI_GETSELECTIONSTART);
    const long end = SendScintilla(SCI_GETSELECTIONEND);
    return int(SendScintilla(SCI_COUNTCODEUNITS, static_cast<unsigned long>(start), end));
}

void TextEditor::setEditorFont(const QString &family, double pointSize)
{
    m_font = EditorFont::Font(family, pointSize);
    setFont(m_font);
}

int TextEditor::searchFlags(const SearchOptions &options) const
{
    return (options.matchCase ? SCFIND_MATCHCASE : 0) | (options.wholeWord ? SCFIND_WHOLEWORD : 0);
}

long TextEditor::searchRange(const QByteArray &needle, int flags, long from, long to,
                             long *matchEnd) const
{
    SendScintilla(SCI_SETTARGETSTART, from);
    SendScintilla(SCI_SETTARGETEND, to);
    SendScintilla(SCI_SETSEARCHFLAGS, flags);
    const long start = SendScintilla(SCI_SEARCHINTARGET, std::uintptr_t(needle.size()),
                                     needle.constData());
    if (start >= 0 && matchEnd)
        *matchEnd = SendScintilla(SCI_GETTARGETEND);
    return start;
}

bool TextEditor::find(const SearchOptions &options, bool forward)
{
    if (options.text.isEmpty())
        return false;
    const QByteArray needle = options.text.toUtf8();
    const int flags = searchFlags(options);
    const long selStartByte = SendScintilla(SCI_GETSELECTIONSTART);
    const long selEndByte = SendScintilla(SCI_GETSELECTIONEND);
    const long length = SendScintilla(SCI_GETLENGTH);

    long end = 0;
    long start = 0;
    if (forward) {
        start = searchRange(needle, flags, selEndByte, length, &end);
        if (start < 0)
            start = searchRange(needle, flags, 0, length, &end);
    } else {
        start = searchRange(needle, flags, selStartByte, 0, &end);
        if (start < 0)
            start = searchRange(needle, flags, length, 0, &end);
    }
    if (start < 0)
        return false;
    SendScintilla(SCI_SETSEL, static_cast<unsigned long>(start), end);
    ensureLineVisible(int(SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(start))));
    SendScintilla(SCI_SCROLLCARET);
    return true;
}

bool TextEditor::selectionMatches(const SearchOptions &options) const
{
    if (options.text.isEmpty() || SendScintilla(SCI_SELECTIONISRECTANGLE))
        return false;
    const long selStartByte = SendScintilla(SCI_GETSELECTIONSTART);
    const long selEndByte = SendScintilla(SCI_GETSELECTIONEND);
    if (selStartByte == selEndByte)
        return false;
    long end = 0;
    const long start = searchRange(options.text.toUtf8(), searchFlags(options), selStartByte,
                                   selEndByte, &end);
    return start == selStartByte && end == selEndByte;
}

bool TextEditor::replaceAndFindNext(const SearchOptions &options)
{
    if (!isReadOnly() && selectionMatches(options)) {
        const QByteArray replacement = options.replacement.toUtf8();
        SendScintilla(SCI_TARGETFROMSELECTION);
        SendScintilla(SCI_REPLACETARGET, std::uintptr_t(replacement.size()), replacement.constData());
        const long end = SendScintilla(SCI_GETTARGETEND);
        SendScintilla(SCI_SETSEL, static_cast<unsigned long>(end), end);
    }
    return find(options, true);
}

int TextEditor::replaceAll(const SearchOptions &options)
{
    if (options.text.isEmpty() || isReadOnly())
        return 0;
    const QByteArray needle = options.text.toUtf8();
    const QByteArray replacement = options.replacement.toUtf8();
    const int flags = searchFlags(options);
    int count = 0;
    long position = 0;
    beginUndoAction();
    for (;;) {
        long end = 0;
        const long length = SendScintilla(SCI_GETLENGTH);
        if (searchRange(needle, flags, position, length, &end) < 0)
            break;
        SendScintilla(SCI_REPLACETARGET, std::uintptr_t(replacement.size()), replacement.constData());
        // Go on after the inserted text, so a replacement that contains the searched
        // text is not replaced again.
        position = SendScintilla(SCI_GETTARGETEND);
        ++count;
    }
    endUndoAction();
    if (count > 0)
        SendScintilla(SCI_GOTOPOS, static_cast<unsigned long>(position));
    return count;
}

void TextEditor::goToLine(int line)
{
    const int target = std::clamp(line, 1, std::max(1, lines())) - 1;
    setCursorPosition(target, 0);
    ensureLineVisible(target);
}

int TextEditor::currentLine() const
{
    int line = 0;
    int index = 0;
    getCursorPosition(&line, &index);
    return line + 1;
}
