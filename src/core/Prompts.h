#pragma once

#include <QString>
#include <QStringList>

class QDialog;

// The one door for every question the program asks the user: message boxes, input boxes,
// file dialogs. The program uses a Qt implementation; tests use a scripted one that records
// each question and answers from a queue.
class Prompts
{
public:
    enum class Icon { None, Information, Question, Exclamation, Critical };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
    enum class Answer { Ok, Cancel, Yes, No, Retry };

    virtual ~Prompts() = default;

    // A message box. defaultAnswer names the button that has the focus.
    virtual Answer message(const QString &text, const QString &title, Icon icon = Icon::None,
                           Buttons buttons = Buttons::Ok, Answer defaultAnswer = Answer::Ok) = 0;

    // An input box. ok is false when the user cancelled; the text is then empty.
    virtual QString input(const QString &prompt, const QString &title,
                          const QString &defaultText = QString(), bool *ok = nullptr) = 0;

    // File dialogs: filter is in Qt's form ("Tab files (*.tab);;All files (*)").
    // An empty result means the user cancelled.
    virtual QString openFile(const QString &title, const QString &dir, const QString &filter) = 0;
    virtual QString saveFile(const QString &title, const QString &dir, const QString &filter) = 0;
    virtual QString chooseFolder(const QString &title, const QString &dir) = 0;

    // Runs a dialog modally and returns its result (QDialog::Accepted or Rejected).
    virtual int runModal(QDialog &dialog) = 0;

    // The error report of the list fills and of failed operations: number, " - ", description.
    void errorReport(long number, const QString &description, const QString &title);
};
