#pragma once

#include <QFont>
#include <QString>

// The editor fonts the user picks by name ("Courier New", "Fixedsys") drawn with a font the
// system has: the named family when it is installed, otherwise a monospace one. The name the
// user sees and stores stays as it is.
namespace EditorFont {

QString Family(const QString &name);
QFont Font(const QString &name, double pointSize);

}  // namespace EditorFont
