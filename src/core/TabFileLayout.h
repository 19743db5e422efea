#pragma once

#include <QString>

// The layout of a tab file written with its notes: the tab text, CR LF, the "Notes" rule,
// CR LF, the notes, CR LF. Export writes it; folder import reads it back, so an exported
// collection imports to the same texts.
namespace TabFileLayout {

// "Notes" followed by 25 times " ." (55 characters).
QString NotesRule();

// The file text for a tab text and its notes, exactly as Save As writes it.
QString Join(const QString &tab, const QString &notes);

struct Parts
{
    QString tab;
    QString notes;
};

// Splits a text laid out as Join writes it back into tab text and notes; any other text is
// all tab text. The text's line ends must already be CR LF.
Parts Split(const QString &text);

// Any mix of CR LF, LF and lone CR becomes CR LF.
QString ToCrLf(const QString &text);

}  // namespace TabFileLayout
