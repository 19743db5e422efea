#include "BenchStores.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QTemporaryDir dir(QDir::currentPath() + "/chordex-bench-XXXXXX");
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot make a folder for the bench stores\n");
        return 1;
    }
    qputenv("CHORDEX_HOME", dir.path().toUtf8());

    // With arguments, only the parts named run: stores, search, import, export.
    const QStringList parts = app.arguments().mid(1);
    const auto wanted = [&](const char *part) { return parts.isEmpty() || parts.contains(QLatin1String(part)); };
    bool ok = true;
    const QString largeStore = dir.path() + "/Large.mdb";
    if (wanted("stores")) {
        std::printf("Generating the bench stores (100 and 50,000 files)...\n");
        std::fflush(stdout);
        std::vector<BenchResult> results;
        runStoreBench(dir.path(), results);
        runScaleBench(dir.path(), results);

        std::printf("\n%-46s %12s %12s %8s\n", "operation", "small", "large", "ratio");
        std::printf("(store rows: 100 against 50,000 files; tree pane: counting target against the pane;\n"
                    " 2,000 folders and 5,000 files against 20 and 50)\n");
        for (const BenchResult &r : results) {
            const double ratio = r.smallMs > 0 ? r.largeMs / r.smallMs : 0;
            const bool bad = r.boundRatio > 0 && ratio > r.boundRatio;
            ok = ok && !bad;
            std::printf("%-46s %9.3f ms %9.3f ms %8.2f%s\n", qPrintable(r.name), r.smallMs, r.largeMs, ratio,
                        bad ? qPrintable(QString("  (over %1)").arg(r.boundRatio)) : "");
        }
    }
    if (wanted("search"))
        ok = runSearchBench(dir.path()) && ok;
    if (wanted("import"))
        ok = runImportBench(dir.path()) && ok;
    if (wanted("export")) {
        if (!QFile::exists(largeStore))
            MakeBenchStore(dir.path(), "Large", 50000, 500, 5);
        ok = runExportBench(dir.path(), largeStore) && ok;
    }
    const double peak = PeakMemoryMb();
    std::printf("\npeak memory: %.1f MB (bound 200 MB)\n", peak);
    ok = ok && peak < 200;
    std::printf("%s\n", ok ? "bounds met" : "BOUNDS NOT MET");
    return ok ? 0 : 1;
}
