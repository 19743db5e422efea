#pragma once

#include <QString>

class Connection;

// The one store connection of the program and the paths built around it.
namespace modADO {

// The program folder, with one trailing '/'. CHORDEX_HOME when set; otherwise the
// executable's folder when the program's data is there and writable; otherwise the user's
// data folder, seeded from the executable's folder on first use.
QString ProgramPath();

// Fills the user data folder `to` from the installed data folder `from` (both with a trailing
// '/'): the template and the tips whenever they are missing, the sample store only on first
// start (no "db" folder yet), so a sample the user deleted stays deleted.
void SeedDataFolder(const QString &from, const QString &to);

// Opens the store file; on failure no store is open (not even the one before) and
// LastOpenError says why.
bool OpenConnection(const QString &filePath, const QString &displayName);
bool NoStoreOpen();
QString StorePath();  // empty while no store is open
QString StoreName();  // empty while no store is open
void CloseConnection();

long LastOpenErrorNumber();
QString LastOpenError();

// The open store's connection; throws DbError while none is open.
Connection &Conn();

}  // namespace modADO
