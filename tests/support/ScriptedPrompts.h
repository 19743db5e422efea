#pragma once

#include "core/Prompts.h"

#include <QHash>
#include <QList>

#include <deque>
#include <functional>
#include <optional>

// A Prompts double for tests: records every question and answers from queues.
// An empty queue answers as a user who presses Enter on the default button
// (message), or cancels (input, file dialogs, modal dialogs).
class ScriptedPrompts final : public Prompts
{
public:
    enum class Kind { Message, Input, OpenFile, SaveFile, Modal };

    struct Question
    {
        Kind kind = Kind::Message;
        QString text;   // message text or input prompt
        QString title;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        Answer defaultAnswer = Answer::Ok;
        QString defaultText;  // input boxes
        QString dialogClass;  // modal dialogs: the dialog's class name
    };

    QList<Question> asked;

    void answer(Answer a) { m_answers.push_back(a); }
    // Every message with exactly this text gets this answer; the queue serves the others.
    void answerAlways(const QString &text, Answer a) { m_fixed.insert(text, a); }
    void answerInput(const QString &text) { m_inputs.push_back(text); }
    void cancelInput() { m_inputs.push_back(std::nullopt); }
    void answerFile(const QString &path) { m_files.push_back(path); }
    // The handler gets the dialog just before it would be shown and returns its result.
    void answerModal(std::function<int(QDialog &)> handler) { m_modals.push_back(std::move(handler)); }

    int count(Kind kind) const;
    const Question &last() const { return asked.constLast(); }

    Answer message(const QString &text, const QString &title, Icon icon, Buttons buttons,
                   Answer defaultAnswer) override;
    QString input(const QString &prompt, const QString &title, const QString &defaultText,
                  bool *ok) override;
    QString openFile(const QString &title, const QString &dir, const QString &filter) override;
    QString saveFile(const QString &title, const QString &dir, const QString &filter) override;
    int runModal(QDialog &dialog) override;

private:
    std::deque<Answer> m_answers;
    QHash<QString, Answer> m_fixed;
    std::deque<std::optional<QString>> m_inputs;
    std::deque<QString> m_files;
    std::deque<std::function<int(QDialog &)>> m_modals;
};
