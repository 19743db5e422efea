#include "ScriptedPrompts.h"

#include <QDialog>

int ScriptedPrompts::count(Kind kind) const
{
    int n = 0;
    for (const Question &q : asked)
        n += q.kind == kind ? 1 : 0;
    return n;
}

Prompts::Answer ScriptedPrompts::message(const QString &text, const QString &title, Icon icon,
                                         Buttons buttons, Answer defaultAnswer)
{
    asked.append({Kind::Message, text, title, icon, buttons, defaultAnswer, {}, {}});
    if (const auto fixed = m_fixed.constFind(text); fixed != m_fixed.constEnd())
        return *fixed;
    if (m_answers.empty())
        return defaultAnswer;
    Answer a = m_answers.front();
    m_answers.pop_front();
    return a;
}

QString ScriptedPrompts::input(const QString &prompt, const QString &title,
                               const QString &defaultText, bool *ok)
{
    Question q;
    q.kind = Kind::Input;
    q.text = prompt;
    q.title = title;
    q.defaultText = defaultText;
    asked.append(q);
    std::optional<QString> a;
    if (!m_inputs.empty()) {
        a = m_inputs.front();
        m_inputs.pop_front();
    }
    if (ok)
        *ok = a.has_value();
    return a.value_or(QString());
}

QString ScriptedPrompts::openFile(const QString &title, const QString &, const QString &)
{
    Question q;
    q.kind = Kind::OpenFile;
    q.title = title;
    asked.append(q);
    if (m_files.empty())
        return {};
    QString f = m_files.front();
    m_files.pop_front();
    return f;
}

QString ScriptedPrompts::saveFile(const QString &title, const QString &dir, const QString &filter)
{
    QString f = openFile(title, dir, filter);
    asked.last().kind = Kind::SaveFile;
    return f;
}

int ScriptedPrompts::runModal(QDialog &dialog)
{
    Question q;
    q.kind = Kind::Modal;
    q.title = dialog.windowTitle();
    q.dialogClass = QString::fromLatin1(dialog.metaObject()->className());
    asked.append(q);
    if (m_modals.empty())
        return QDialog::Rejected;
    auto handler = std::move(m_modals.front());
    m_modals.pop_front();
    return handler(dialog);
}
