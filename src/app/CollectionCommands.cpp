#include "app/CollectionCommands.h"

#include "core/TextCodec.h"
#include "store/CatalogueNames.h"
#include "store/CollectionExport.h"
#include "store/CollectionImport.h"
#include "store/DbError.h"
#include "store/modADO.h"
#include "store/modSettings.h"
#include "ui/EditorFont.h"
#include "ui/Songbook.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>
#include <functional>

namespace CollectionCommands {

namespace {

enum Status { Done = 0, Failed = 1, Usage = 2 };

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

const QCommandLineOption StoreOption(QStringLiteral("store"), QStringLiteral("The Chordex to use (default: the one opened at start)."),
                                     QStringLiteral("NAME"));

// Opens the named store of the data folder, or the start-up store.
bool openStore(const QCommandLineParser &parser)
{
    QString path;
    QString name;
    if (parser.isSet(StoreOption)) {
        name = parser.value(StoreOption).trimmed();
        if (name.isEmpty() || name.startsWith(u'.') || name.contains(u'/') || name.contains(u'\\')) {
            err() << "Not a Chordex name: \"" << name << "\"\n";
            return false;
        }
        path = modADO::ProgramPath() + QStringLiteral("db/") + name + QStringLiteral(".mdb");
    } else {
        path = modSettings::GetSetting(QStringLiteral("Settings"), QStringLiteral("ChordexFile"),
                                       modADO::ProgramPath() + QStringLiteral("db/Sample.mdb"));
        name = modSettings::GetSetting(QStringLiteral("Settings"), QStringLiteral("ChordexName"),
                                       QStringLiteral("Sample"));
        if (path.isEmpty()) {
            err() << "No Chordex is set to open at start: name one with --store NAME.\n";
            return false;
        }
    }
    if (!QFileInfo::exists(path)) {
        err() << "There is no Chordex \"" << name << "\" (" << QDir::toNativeSeparators(path) << ").\n";
        return false;
    }
    if (!modADO::OpenConnection(path, name)) {
        err() << "The Chordex \"" << name << "\" could not be opened. " << modADO::LastOpenError() << '\n';
        return false;
    }
    return true;
}

// Parses the command's options; false (after saying why) when they are wrong.
bool parse(QCommandLineParser &parser, const QStringList &arguments, const QString &syntax)
{
    parser.addOption(StoreOption);
    parser.addHelpOption();
    QStringList args = arguments;
    args.removeAt(1);  // the command word
    if (!parser.parse(args)) {
        err() << parser.errorText() << "\nUsage: chordex " << syntax << '\n';
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out() << "Usage: chordex " << syntax << '\n';
        return false;
    }
    return true;
}

std::optional<TextCodec::Encoding> encodingNamed(const QString &name, bool &ok)
{
    ok = true;
    const QString n = name.toLower();
    if (n.isEmpty() || n == QStringLiteral("auto"))
        return std::nullopt;
    if (n == QStringLiteral("windows-1252"))
        return TextCodec::Encoding::Windows1252;
    if (n == QStringLiteral("macintosh"))
        return TextCodec::Encoding::MacRoman;
    if (n == QStringLiteral("utf-8"))
        return TextCodec::Encoding::Utf8;
    if (n == QStringLiteral("latin-1"))
        return TextCodec::Encoding::Latin1;
    ok = false;
    return std::nullopt;
}

int usage(const QString &syntax)
{
    err() << "Usage: chordex " << syntax << '\n';
    return Usage;
}

// --from CATEGORY[/FOLDER]
QCommandLineOption fromOption(const QString &description)
{
    return QCommandLineOption(QStringLiteral("from"), description, QStringLiteral("CATEGORY[/FOLDER]"));
}

// Opens the store the options name and runs the work in it; a store error is reported as
// "number - description" and fails the command.
int inStore(const QCommandLineParser &parser, const std::function<int()> &work)
{
    if (!openStore(parser))
        return Failed;
    try {
        return work();
    } catch (const DbError &e) {
        err() << e.number() << " - " << e.description() << '\n';
        return Failed;
    }
}

// The folder or category --from names (everything when it is not given); false, after saying
// why, when the store has no such category or folder.
bool readScope(const QCommandLineParser &parser, const QCommandLineOption &from, CollectionExport::Scope &scope)
{
    QString error;
    if (!parser.isSet(from) || CatalogueNames::ParseScope(parser.value(from), scope, error))
        return true;
    err() << error << '\n';
    return false;
}

int runImport(const QStringList &arguments)
{
    const QString syntax = QStringLiteral(
        "import [--store NAME] [--encoding auto|windows-1252|macintosh|utf-8|latin-1] [--all] --into CATEGORY SOURCE...");
    QCommandLineParser parser;
    const QCommandLineOption into(QStringLiteral("into"), QStringLiteral("The category to import into (made when missing)."),
                                  QStringLiteral("CATEGORY"));
    const QCommandLineOption encoding(QStringLiteral("encoding"), QStringLiteral("The encoding of the files."),
                                      QStringLiteral("ENCODING"), QStringLiteral("auto"));
    const QCommandLineOption all(QStringLiteral("all"), QStringLiteral("Every file, whatever its name."));
    parser.addOptions({into, encoding, all});
    if (!parse(parser, arguments, syntax))
        return parser.isSet(QStringLiteral("help")) ? Done : Usage;
    CollectionImport::Options options;
    bool known = false;
    options.encoding = encodingNamed(parser.value(encoding), known);
    options.allFiles = parser.isSet(all);
    const QString category = parser.value(into).trimmed();
    if (!known || category.isEmpty() || parser.positionalArguments().isEmpty())
        return usage(syntax);
    return inStore(parser, [&] {
        // A missing category is made inside the import, so a failed import leaves none behind.
        const CollectionImport::Result result =
            CollectionImport(category, options).run(parser.positionalArguments());
        out() << CollectionImport::ReportText(result);
        if (!result.committed) {
            err() << "Nothing was imported. " << result.error << '\n';
            return Failed;
        }
        return Done;
    });
}

int runExport(const QStringList &arguments)
{
    const QString syntax = QStringLiteral("export [--store NAME] [--from CATEGORY[/FOLDER]] [--force] DEST");
    QCommandLineParser parser;
    const QCommandLineOption from = fromOption(QStringLiteral("A category or a category's folder (default: everything)."));
    const QCommandLineOption force(QStringLiteral("force"), QStringLiteral("Replace files that are already there."));
    parser.addOptions({from, force});
    if (!parse(parser, arguments, syntax))
        return parser.isSet(QStringLiteral("help")) ? Done : Usage;
    if (parser.positionalArguments().size() != 1)
        return usage(syntax);
    return inStore(parser, [&] {
        CollectionExport::Scope scope;
        if (!readScope(parser, from, scope))
            return Failed;
        const QString dest = parser.positionalArguments().constFirst();
        CollectionExport exporter(scope, dest);
        const QStringList existing = exporter.existingFiles();
        if (!existing.isEmpty() && !parser.isSet(force)) {
            err() << existing.size() << " of the files are already in " << QDir::toNativeSeparators(dest)
                  << " (" << existing.constFirst() << (existing.size() > 1 ? ", ..." : "")
                  << "). Nothing was written; use --force to replace them.\n";
            return Failed;
        }
        const CollectionExport::Result result = exporter.run(parser.isSet(force));
        out() << result.written << " files exported to " << QDir::toNativeSeparators(dest) << '\n';
        if (!result.error.isEmpty()) {
            err() << result.error << '\n';
            return Failed;
        }
        return Done;
    });
}

int runSongbook(const QStringList &arguments)
{
    const QString syntax = QStringLiteral("songbook [--store NAME] --from CATEGORY[/FOLDER] OUT.pdf");
    QCommandLineParser parser;
    const QCommandLineOption from = fromOption(QStringLiteral("A category or a category's folder."));
    parser.addOption(from);
    if (!parse(parser, arguments, syntax))
        return parser.isSet(QStringLiteral("help")) ? Done : Usage;
    if (!parser.isSet(from) || parser.positionalArguments().size() != 1)
        return usage(syntax);
    return inStore(parser, [&] {
        CollectionExport::Scope scope;
        if (!readScope(parser, from, scope))
            return Failed;
        const QString pdf = parser.positionalArguments().constFirst();
        Songbook book(scope, EditorFont::FromOptions());
        QString error;
        if (!book.write(pdf, error)) {
            err() << error << '\n';
            return Failed;
        }
        out() << book.pageCount() << " pages written to " << QDir::toNativeSeparators(pdf) << '\n';
        return Done;
    });
}

}  // namespace

bool IsCommand(const QString &word)
{
    return word == QStringLiteral("import") || word == QStringLiteral("export") ||
           word == QStringLiteral("songbook");
}

int Run(const QStringList &arguments)
{
    const QString command = arguments.value(1);
    int status = Usage;
    if (command == QStringLiteral("import"))
        status = runImport(arguments);
    else if (command == QStringLiteral("export"))
        status = runExport(arguments);
    else if (command == QStringLiteral("songbook"))
        status = runSongbook(arguments);
    out().flush();
    err().flush();
    modADO::CloseConnection();
    return status;
}

}  // namespace CollectionCommands
