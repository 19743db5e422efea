#pragma once

#include <QFont>
#include <QString>

// The editor fonts the user picks by name ("Courier New", "Fixedsys") drawn with a font the
// system has: the named family when it is installed, otherwise a monospace one. The name the
// user sees and stores stays as it is.
namespace EditorFont {

QString Family(const QString &name);
QFont Font(const QString &name, double pointSize);

// The font of the options ("Font", default "Courier New"; "FontSize", default 8, also for a
// size that is not a positive number), as the editors, printing and songbooks draw it.
QString OptionsName();
double OptionsSize();
QFont FromOptions();

}  // namespace EditorFont
