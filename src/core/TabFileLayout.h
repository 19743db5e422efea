#pragma once

#include <QString>

// The layout of a tab file written with its notes: the tab text, CR LF, the "Notes" rule,
// CR LF, the notes, CR LF (TextCodec::exportText writes it). Folder import reads it back, so
// an exported collection imports to the same texts.
namespace TabFileLayout {

// "Notes" followed by 25 times " ." (55 characters).
QString NotesRule();

struct Parts
{
    QString tab;
    QString notes;
};

// Splits a text laid out as Join writes it back into tab text and notes; any other text is
// all tab text. The text's line ends must already be CR LF.
Parts Split(const QString &text);

}  // namespace TabFileLayout
