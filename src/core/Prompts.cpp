#include "core/Prompts.h"

void Prompts::errorReport(long number, const QString &description, const QString &title)
{
    message(QString::number(number) + QStringLiteral(" - ") + description, title, Icon::Critical,
            Buttons::Ok, Answer::Ok);
}
