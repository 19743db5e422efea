#pragma once

namespace chordex {

// Application-wide edit state: 0 while viewing, 1 while a file is being edited.
// Only the view pane writes it; everyone else reads it.
extern int EditMode;

}  // namespace chordex
