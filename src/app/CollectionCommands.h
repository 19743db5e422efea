#pragma once

#include <QStringList>

// The command-line requests that work on a whole collection without a window:
//   import [--store NAME] [--encoding E] [--all] --into CATEGORY SOURCE...
//   export [--store NAME] [--from CATEGORY[/FOLDER]] [--force] DEST
//   songbook [--store NAME] --from CATEGORY[/FOLDER] OUT.pdf
// Each prints what it did and returns the exit status: 0 done, 1 failed (nothing changed),
// 2 the arguments were wrong.
namespace CollectionCommands {

bool IsCommand(const QString &word);
// arguments: the program name, the command word, then its options.
int Run(const QStringList &arguments);

}  // namespace CollectionCommands
