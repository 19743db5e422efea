#pragma once

#include <QList>
#include <QString>

// The store files in the program's db folder: listing them, checking a name the user typed,
// and copying, renaming and deleting them. Works on files only; never opens a store.
namespace StoreFiles {

struct Entry
{
    QString name;  // the file name without ".mdb"
    QString path;  // full path of the file
};

QString Folder();                           // ProgramPath + "db/"
QString TemplatePath();                     // ProgramPath + "def"
QString PathFor(const QString &name);       // Folder + name + ".mdb"
QList<Entry> List();                        // every db/*.mdb file, sorted by name without case

// Why a typed name cannot name a store file (it would leave the db folder, make a hidden file,
// hold control characters or be too long); empty text when the name is safe.
QString NameProblem(const QString &name);
bool Exists(const QString &name);

// Whether two paths name the same file (symbolic links and "." or ".." resolved).
bool SamePath(const QString &a, const QString &b);
bool IsOpenStore(const QString &path);

// Why a file operation failed: the file system's error number and its description.
struct Failure
{
    long number = 0;
    QString description;
};

// Each returns false and fills failure when the file operation failed; a failed copy leaves
// nothing behind. A target must lie in the db folder and must not exist yet. Rename and Remove
// take a left-over rollback journal of the store along, so it never pairs with another store.
bool Copy(const QString &from, const QString &to, Failure &failure);
bool Rename(const QString &from, const QString &to, Failure &failure);
bool Remove(const QString &path, Failure &failure);

}  // namespace StoreFiles
