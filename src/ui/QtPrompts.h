#pragma once

#include "core/Prompts.h"

class QWidget;

// Prompts shown with Qt's message boxes, input dialogs and file dialogs.
class QtPrompts final : public Prompts
{
public:
    explicit QtPrompts(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    Answer message(const QString &text, const QString &title, Icon icon, Buttons buttons,
                   Answer defaultAnswer) override;
    QString input(const QString &prompt, const QString &title, const QString &defaultText,
                  bool *ok) override;
    QString openFile(const QString &title, const QString &dir, const QString &filter) override;
    QString saveFile(const QString &title, const QString &dir, const QString &filter) override;
    QString chooseFolder(const QString &title, const QString &dir) override;
    int runModal(QDialog &dialog) override;

private:
    QWidget *m_parent = nullptr;
};
