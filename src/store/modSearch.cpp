#include "store/modSearch.h"

namespace modSearch {

QString SearchCondition(const QString &text, bool inTitles, bool inTab, bool inNotes)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
    const QString pattern = QStringLiteral("'%") + quoted + QStringLiteral("%' ");
    QString w;
    const auto add = [&](const char *column) {
        w += (w.isEmpty() ? QStringLiteral("WHERE ") : QStringLiteral(" OR ")) + QLatin1String(column) +
             QStringLiteral(" LIKE ") + pattern;
    };
    if (inTitles)
        add("file.filename");
    if (inTab)
        add("tablature.tab");
    if (inNotes)
        add("tablature.notes");
    return w;
}

QString SearchStatement(const QString &text, bool inTitles, bool inTab, bool inNotes)
{
    return QStringLiteral("SELECT file.filename,file.file_id,directories.directory,directories.directory_id,"
                          "categories.category,categories.category_id ") +
           QStringLiteral("FROM tablature INNER JOIN ") + QStringLiteral("(file INNER JOIN ") +
           QStringLiteral("(directories INNER JOIN categories ") +
           QStringLiteral("ON categories.category_id=directories.category_id) ") +
           QStringLiteral("ON file.directory_id=directories.directory_id) ") +
           QStringLiteral("ON file.file_id = tablature.file_id ") +
           SearchCondition(text, inTitles, inTab, inNotes);
}

}  // namespace modSearch
