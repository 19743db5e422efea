#pragma once

#include <QString>

// The full-text search over the open store: one statement over titles, tab texts and notes.
namespace modSearch {

// The WHERE clause for the chosen fields (empty when none is chosen). The text is one LIKE
// pattern: '%' and '_' keep their pattern meaning; single quotes are doubled so that the
// text cannot end the string literal.
QString SearchCondition(const QString &text, bool inTitles, bool inTab, bool inNotes);
// The whole statement; its columns are file name, file id, folder name, folder id, category
// name, category id.
QString SearchStatement(const QString &text, bool inTitles, bool inTab, bool inNotes);

}  // namespace modSearch
