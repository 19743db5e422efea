#include "app/CommandLine.h"

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
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Guitar/Bass Document Management Software"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);  // answers --help and --version, and refuses unknown options
    parser.showHelp(1);   // arguments that ask for nothing the command line knows
}

}  // namespace CommandLine
