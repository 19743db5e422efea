#include "view/StaffTemplates.h"

#include <QStringList>

namespace StaffTemplates {

namespace {

const char *const NoticeHeader[] = {
    "#----------------------------------PLEASE NOTE---------------------------------#",
    "#This file is the author's own work and represents their interpretation of the #",
    "#song. You may only use this file for private study, scholarship, or research. #",
    "#------------------------------------------------------------------------------#",
};

// The top string of each staff; the other five strings differ only in their letter.
const char *const StaffTop[] = {
    "e:-------------------------------------------------------------------------|",
    "e:-----------------------------------|-------------------------------------|",
    "e:----------------------|-----------------------------|--------------------|",
    "e:-----------------|-----------------|------------------|------------------|",
};

const char StringNames[] = {'e', 'B', 'G', 'D', 'A', 'E'};

const QString CrLf = QStringLiteral("\r\n");

}  // namespace

QString Block(int index)
{
    QString block;
    if (index == 0) {
        for (const char *line : NoticeHeader)
            block += QLatin1String(line) + CrLf;
    } else if (index >= 1 && index < Count) {
        const QString top = QLatin1String(StaffTop[index - 1]);
        for (char name : StringNames)
            block += QChar::fromLatin1(name) + top.mid(1) + CrLf;
    }
    return block;
}

}  // namespace StaffTemplates
