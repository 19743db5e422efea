#include "BenchStores.h"

#include "core/TextCodec.h"
#include "store/CollectionExport.h"
#include "store/CollectionImport.h"
#include "store/modADO.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

// About 4 to 6 KB of tab text with a title line that differs per file.
QString generatedTab(int i)
{
    QString text = QStringLiteral("“Song %1” – riff in A\n").arg(i);
    const int lines = 60 + i % 30;
    for (int l = 0; l < lines; ++l)
        text += QStringLiteral("e|--%1--3--5--|--0--2--3--|\n").arg((i + l) % 12, 2, 10, QChar(u'0'));
    return text;
}

// The file's bytes in one of several encodings, as a collection gathered over the years is.
QByteArray encoded(const QString &text, int i)
{
    TextCodec::Format format;
    format.lineEnd = TextCodec::LineEnd::Lf;
    switch (i % 4) {
    case 0: format.encoding = TextCodec::Encoding::Utf8; break;
    case 1: format.encoding = TextCodec::Encoding::Windows1252; format.lineEnd = TextCodec::LineEnd::CrLf; break;
    case 2: format.encoding = TextCodec::Encoding::MacRoman; format.lineEnd = TextCodec::LineEnd::Cr; break;
    default: format.encoding = TextCodec::Encoding::Utf16LE; format.bom = true; break;
    }
    return TextCodec::encode(text, format);
}

double ms(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

double runTool(const QString &program, const QStringList &args, const QString &input = QString())
{
    QProcess p;
    if (!input.isEmpty())
        p.setStandardInputFile(input);
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    if (!p.waitForFinished(600000) || p.exitCode() != 0)
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program), p.readAllStandardError().constData());
    return ms(t);
}

bool line(const char *what, double ours, const char *tool, double theirs, double bound)
{
    const double ratio = theirs > 0 ? ours / theirs : 0;
    const bool ok = ratio <= bound;
    std::printf("%s: %.0f ms; %s %.0f ms; ratio %.2f%s\n", what, ours, tool, theirs, ratio,
                ok ? "" : qPrintable(QStringLiteral("  (over %1)").arg(bound)));
    return ok;
}

QString sqlText(const QString &text)
{
    QString quoted = text;
    quoted.replace(u'\'', QStringLiteral("''"));
    return u'\'' + quoted + u'\'';
}

bool bulkImport(const QString &dir)
{
    const int files = 5000;
    const QString source = dir + QStringLiteral("/import-source");
    QFile sql(dir + QStringLiteral("/import.sql"));
    if (!sql.open(QIODevice::WriteOnly))
        qFatal("bench: cannot write the import script");
    sql.write("BEGIN;\n");
    for (int i = 0; i < files; ++i) {
        const QString folder = source + QStringLiteral("/band %1").arg(i / 100);
        if (i % 100 == 0)
            QDir().mkpath(folder);
        const QString text = generatedTab(i);
        QFile f(folder + QStringLiteral("/song %1.tab").arg(i));
        if (!f.open(QIODevice::WriteOnly) || f.write(encoded(text, i)) < 0)
            qFatal("bench: cannot write the import files");
        // The tool gets the same rows: a file row and its tab row.
        sql.write(QStringLiteral("INSERT INTO file(directory_id, filename) VALUES (%1, %2);\n"
                                 "INSERT INTO tablature(file_id, tab, notes) VALUES (last_insert_rowid(), %3, '');\n")
                      .arg(1 + i / 100)
                      .arg(sqlText(QStringLiteral("song %1").arg(i)), sqlText(TextCodec::toCrLf(text)))
                      .toUtf8());
    }
    sql.write("COMMIT;\n");
    sql.close();

    const BenchStore ours = MakeBenchStore(dir, QStringLiteral("ImportOurs"), 0, 1, 1);
    const BenchStore tool = MakeBenchStore(dir, QStringLiteral("ImportTool"), 0, 1, 1);
    if (!modADO::OpenConnection(ours.path, ours.name))
        qFatal("bench: cannot open %s", qPrintable(ours.path));
    QElapsedTimer t;
    t.start();
    const CollectionImport::Result result = CollectionImport(1).run({source});
    const double importMs = ms(t);
    modADO::CloseConnection();
    if (result.imported != files)
        std::fprintf(stderr, "bulk import: %d of %d files imported (%s)\n", result.imported, files,
                     qPrintable(result.error));
    for (int k = 0; k < 50; ++k)
        runTool(QStringLiteral("sqlite3"), {tool.path, QStringLiteral("INSERT INTO directories(category_id, directory) VALUES (1, 'f')")});
    const double toolMs = runTool(QStringLiteral("sqlite3"), {tool.path}, sql.fileName());
    return line("bulk import", importMs, "sqlite3", toolMs, 3.0) && result.imported == files;
}

// Both sides create 50,000 files, which costs the file system more right after many files
// were removed or while the other side's writes are still being flushed: each side starts
// after a sync, runs twice, alternating, and the faster run of each counts.
bool exportAll(const QString &dir, const QString &largeStore)
{
    if (!modADO::OpenConnection(largeStore, QStringLiteral("Large")))
        qFatal("bench: cannot open %s", qPrintable(largeStore));
    std::vector<double> exports;
    std::vector<double> copies;
    QString error;
    for (int round = 0; round < 2; ++round) {
        const QString tree = dir + QStringLiteral("/export%1").arg(round);
        ::sync();
        QElapsedTimer t;
        t.start();
        const CollectionExport::Result result = CollectionExport({}, tree).run(false);
        exports.push_back(ms(t));
        if (!result.error.isEmpty())
            error = result.error;
        ::sync();
        copies.push_back(runTool(QStringLiteral("cp"), {QStringLiteral("-r"), tree, tree + QStringLiteral("-copy")}));
    }
    modADO::CloseConnection();
    if (!error.isEmpty())
        std::fprintf(stderr, "export: %s\n", qPrintable(error));
    const bool ok = line("export", *std::min_element(exports.begin(), exports.end()), "cp",
                         *std::min_element(copies.begin(), copies.end()), 2.0) &&
                    error.isEmpty();
    for (int round = 0; round < 2; ++round) {
        QDir(dir + QStringLiteral("/export%1").arg(round)).removeRecursively();
        QDir(dir + QStringLiteral("/export%1-copy").arg(round)).removeRecursively();
    }
    return ok;
}

}  // namespace

bool runImportBench(const QString &dir)
{
    std::printf("\nFolder import (5,000 generated files in four encodings):\n");
    std::fflush(stdout);
    return bulkImport(dir);
}

bool runExportBench(const QString &dir, const QString &largeStore)
{
    std::printf("\nExport of the 50,000-file store:\n");
    std::fflush(stdout);
    return exportAll(dir, largeStore);
}
