#include "browser/AddressBox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

AddressBox::AddressBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);  // the history file decides what the list holds
    setCompleter(nullptr);                 // the box completes addresses itself
    setMaxVisibleItems(20);
    lineEdit()->installEventFilter(this);
    // Only a user's pick raises activated: text set by the completion never navigates.
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index >= 0)
            emit GoRequested();
    });
}

void AddressBox::showAddress(const QString &text)
{
    setEditText(text);
    selectTrimmedText();
}

void AddressBox::selectTrimmedText()
{
    lineEdit()->setSelection(0, lineEdit()->text().trimmed().size());
}

void AddressBox::keyPressEvent(QKeyEvent *event)
{
    if (!keyPress(event))
        QComboBox::keyPressEvent(event);
}

void AddressBox::focusInEvent(QFocusEvent *event)
{
    QComboBox::focusInEvent(event);
    selectOnFocus();
}

void AddressBox::selectOnFocus()
{
    // After the click that gave the focus has placed the caret.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus() || lineEdit()->hasFocus())
            selectTrimmedText();
    });
}

bool AddressBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit()) {
        if (event->type() == QEvent::KeyPress)
            return keyPress(static_cast<QKeyEvent *>(event));
        if (event->type() == QEvent::FocusIn)
            selectOnFocus();
    }
    return QComboBox::eventFilter(watched, event);
}

bool AddressBox::keyPress(QKeyEvent *key)
{
    QLineEdit *edit = lineEdit();
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_typedPrefix.clear();
        emit GoRequested();
        emit RecordRequested();
        return true;
    case Qt::Key_Delete:
        m_typedPrefix.clear();
        clearEditText();
        return true;
    case Qt::Key_Backspace:
        // Removes the selected completion (or one character); what is left before the
        // caret is what the user typed.
        edit->backspace();
        m_typedPrefix = edit->text().left(edit->cursorPosition());
        return true;
    default:
        break;
    }
    const QString text = key->text();
    const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!plain || text.size() != 1)
        return false;
    if (text.at(0).unicode() == 0x7f) {  // the delete character acts as Backspace
        edit->backspace();
        m_typedPrefix = edit->text().left(edit->cursorPosition());
        return true;
    }
    if (!text.at(0).isPrint())
        return false;
    AutoCompleteAddress(text);
    return true;
}

void AddressBox::AutoCompleteAddress(const QString &typed)
{
    QLineEdit *edit = lineEdit();
    edit->insert(typed);  // replaces the selection (a completion offered before) as typing does
    if (edit->hasSelectedText() || edit->cursorPosition() != edit->text().size()) {
        m_typedPrefix.clear();  // typing inside the address: nothing to complete
        return;
    }
    m_typedPrefix = edit->text();
    for (int i = 0; i < count(); ++i) {
        const QString entry = itemText(i);
        if (entry.startsWith(m_typedPrefix, Qt::CaseSensitive)) {
            setEditText(entry);
            // The completed tail is selected: typing on replaces it, Backspace removes it.
            edit->setSelection(m_typedPrefix.size(), entry.size() - m_typedPrefix.size());
            return;
        }
    }
}
