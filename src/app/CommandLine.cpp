#include "app/CommandLine.h"

#include "app/CollectionCommands.h"
#include "core/Version.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstring>

namespace CommandLine {

namespace {

const char *const Requests[] = {"-h", "--help", "--help-all", "-v", "--version"};

}  // namespace

void NameProgram()
{
    QCoreApplication::setApplicationName(QString::fromLatin1(chordex::AppTitle));
    QCoreApplication::setOrganizationName(QString::fromLatin1(chordex::AppTitle));
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(chordex::VersionMajor)
                                                .arg(chordex::VersionMinor)
                                                .arg(chordex::VersionRevision));
}

bool Wanted(int argc, char *argv[])
{
    if (argc > 1 && CollectionCommands::IsCommand(QString::fromLocal8Bit(argv[1])))
        return true;
    for (int i = 1; i < argc; ++i) {
        for (const char *request : Requests) {
            if (std::strcmp(argv[i], request) == 0)
                return true;
        }
    }
    return false;
}

int Run(QCoreApplication &app)
{
    const QStringList arguments = QCoreApplication::arguments();
    if (CollectionCommands::IsCommand(arguments.value(1)))
        return CollectionCommands::Run(arguments);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Guitar/Bass Document Management Software\n\n"
        "Commands (each with --help):\n"
        "  import [--store NAME] [--encoding auto|windows-1252|macintosh|utf-8|latin-1] [--all] --into CATEGORY SOURCE...\n"
        "  export [--store NAME] [--from CATEGORY[/FOLDER]] [--force] DEST\n"
        "  songbook [--store NAME] --from CATEGORY[/FOLDER] OUT.pdf\n\n"
        "With no command the window opens."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);  // answers --help and --version, and refuses unknown options
    parser.showHelp(1);   // arguments that ask for nothing the command line knows
}

}  // namespace CommandLine
