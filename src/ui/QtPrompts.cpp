#include "ui/QtPrompts.h"

#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QMessageBox::StandardButton toButton(Prompts::Answer a)
{
    switch (a) {
    case Prompts::Answer::Ok: return QMessageBox::Ok;
    case Prompts::Answer::Cancel: return QMessageBox::Cancel;
    case Prompts::Answer::Yes: return QMessageBox::Yes;
    case Prompts::Answer::No: return QMessageBox::No;
    case Prompts::Answer::Retry: return QMessageBox::Retry;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons toButtons(Prompts::Buttons b)
{
    switch (b) {
    case Prompts::Buttons::Ok: return QMessageBox::Ok;
    case Prompts::Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Prompts::Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Prompts::Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Prompts::Buttons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon toIcon(Prompts::Icon i)
{
    switch (i) {
    case Prompts::Icon::None: return QMessageBox::NoIcon;
    case Prompts::Icon::Information: return QMessageBox::Information;
    case Prompts::Icon::Question: return QMessageBox::Question;
    case Prompts::Icon::Exclamation: return QMessageBox::Warning;
    case Prompts::Icon::Critical: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

Prompts::Answer QtPrompts::message(const QString &text, const QString &title, Icon icon,
                                   Buttons buttons, Answer defaultAnswer)
{
    QMessageBox box(toIcon(icon), title, text, toButtons(buttons), m_parent);
    box.setDefaultButton(toButton(defaultAnswer));
    switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Retry: return Answer::Retry;
    default: return Answer::Cancel;  // also Escape and the window's close button
    }
}

QString QtPrompts::input(const QString &prompt, const QString &title, const QString &defaultText,
                         bool *ok)
{
    bool accepted = false;
    QString text = QInputDialog::getText(m_parent, title, prompt, QLineEdit::Normal, defaultText,
                                         &accepted);
    if (ok)
        *ok = accepted;
    return accepted ? text : QString();
}

QString QtPrompts::openFile(const QString &title, const QString &dir, const QString &filter)
{
    return QFileDialog::getOpenFileName(m_parent, title, dir, filter);
}

QString QtPrompts::saveFile(const QString &title, const QString &dir, const QString &filter)
{
    return QFileDialog::getSaveFileName(m_parent, title, dir, filter);
}

QString QtPrompts::chooseFolder(const QString &title, const QString &dir)
{
    return QFileDialog::getExistingDirectory(m_parent, title, dir);
}

int QtPrompts::runModal(QDialog &dialog)
{
    return dialog.exec();
}
