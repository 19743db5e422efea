#pragma once

class QCoreApplication;

// The program's command line. Its requests run without a window, so they work on a machine
// without a display; with none of them the window opens.
namespace CommandLine {

// Sets the names and version that the settings, the data folder and --version use.
void NameProgram();

// True when the arguments hold a command-line request.
bool Wanted(int argc, char *argv[]);

// Answers the request on a core application and returns the exit status.
int Run(QCoreApplication &app);

}  // namespace CommandLine
