#include "core/TabFileLayout.h"

namespace TabFileLayout {

namespace {
const QString CrLf = QStringLiteral("\r\n");
}

QString NotesRule()
{
    return QStringLiteral("Notes") + QStringLiteral(" .").repeated(25);
}

Parts Split(const QString &text)
{
    const QString rule = NotesRule() + CrLf;
    // The first rule after a line end; an empty tab text leaves just the CR LF before it.
    const int tabEnd = text.indexOf(CrLf + rule);
    const int at = tabEnd < 0 ? -1 : tabEnd + CrLf.size();
    if (at < 0 || !text.endsWith(CrLf))
        return {text, QString()};
    const int notesStart = at + rule.size();
    if (notesStart > text.size() - CrLf.size())
        return {text, QString()};
    return {text.left(tabEnd), text.mid(notesStart, text.size() - CrLf.size() - notesStart)};
}

}  // namespace TabFileLayout
