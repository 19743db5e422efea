#pragma once

#include <QString>
#include <QStringList>

// The data an installed program keeps in the user's data folder. The installed copies
// (read-only, in share/chordex beside bin/) seed that folder: the sample store once, when
// the folder is first made; the program's own files (template, tips, help, start page
// pictures) whenever the installed copy is missing there or newer. Stores already in the
// folder are never touched.
namespace modDataFolder {

// The installed data folder that belongs to an executable in exeDir (both with a trailing
// '/'), or empty text when there is none.
QString InstalledDataPath(const QString &exeDir);

// The program's own files found in an installed data folder, relative to it: every file
// directly in it except the stores' folder, plus what its subfolders hold.
QStringList ProgramFiles(const QString &installedDir);

// Brings the user's folder up to date from the installed folder; true when every copy that
// was due succeeded.
bool Seed(const QString &installedDir, const QString &userDir);

}  // namespace modDataFolder
