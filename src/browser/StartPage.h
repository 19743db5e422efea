#pragma once

#include <QString>

// The browser's own start page, written to "Start.html" in the program folder. Its images
// ("bg1.jpg", "bg2.jpg", "bg3.jpg", "logo.gif", "corner.gif") are looked up beside it; each
// cell has a colour of its own, so the page reads well when they are missing.
namespace StartPage {

QString StartPageHTML();
QString StartPageNote();

// Writes StartPageHTML and a CR LF to the file; false when it could not be written.
bool WriteStartPage(const QString &path);

}  // namespace StartPage
