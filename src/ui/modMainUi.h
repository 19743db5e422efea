#pragma once

class QLabel;
class QLineEdit;

// The two small user-interface routines of the catalogue module, kept beside the widgets.
namespace modMain {

// Selects the box's text, up to the length of the text with outer blanks removed.
void SelectAllText(QLineEdit *box);
// Active caption: black background, white text; inactive: workspace and button-face colours.
void SetCaptionColours(QLabel *label, bool active);

}  // namespace modMain
