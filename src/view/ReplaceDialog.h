#pragma once

#include "view/SearchFields.h"
#include "view/SearchOptions.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class TextEditor;

// Find and replace in one editor. The dialog stays open and works on the editor while
// it is shown; Close ends it. The outcome of each step shows in the dialog itself.
class ReplaceDialog final : public QDialog
{
    Q_OBJECT

public:
    ReplaceDialog(TextEditor &editor, const SearchOptions &initial, QWidget *parent = nullptr);

    SearchOptions options() const;
    QString status() const;

    void findNext();
    void replace();
    void replaceAllMatches();

private:
    void showNotFound();

    TextEditor &m_editor;
    SearchFields m_fields;
    QLineEdit *m_txtReplace = nullptr;
    QPushButton *m_cmdFindNext = nullptr;
    QPushButton *m_cmdReplace = nullptr;
    QPushButton *m_cmdReplaceAll = nullptr;
    QLabel *m_lblStatus = nullptr;
};
