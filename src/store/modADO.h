#pragma once

#include <QString>

class Connection;

// The one store connection of the program and the paths built around it.
namespace modADO {

// The program folder, with one trailing '/'. CHORDEX_HOME when set; otherwise the
// executable's folder when the program's data is there and writable; otherwise the user's
// data folder, seeded from the installed data (see modDataFolder).
QString ProgramPath();

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
