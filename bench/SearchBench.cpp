// Times the full-text search on a 50,000-file store end to end (the statement, the rows read,
// the result list filled through the details pane) against grep over the same texts written as
// files, and against the bare statement through the SQLite C API with its own LIKE, which
// folds the case of A to Z only: the difference is what folding every alphabet costs.
#include "BenchStores.h"

#include "details/ctlDetails.h"
#include "store/modADO.h"
#include "store/modSearch.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTreeWidget>

#include <sqlite3.h>

#include <cstdio>

namespace {

struct SearchCase
{
    const char *name;
    const char *word;
    bool inTitles;
    bool inTab;
};

double ms(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

void exec(sqlite3 *db, const char *sql)
{
    char *err = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &err) != SQLITE_OK)
        qFatal("search bench: %s", err);
}

// Plants the words the cases look for: one in three files, one in every tenth file.
void plantWords(const BenchStore &store)
{
    sqlite3 *db = nullptr;
    sqlite3_open(store.path.toUtf8().constData(), &db);
    exec(db, "UPDATE tablature SET tab = tab || 'Capo 2, let ring' WHERE file_id % 10 = 3");
    exec(db, "UPDATE tablature SET tab = 'Zebrawood neck' || char(13,10) || tab WHERE file_id IN (17, 25000, 49999)");
    sqlite3_close(db);
}

// Every file's title, tab text and notes as one text file, as a user of grep would keep them.
void writeFiles(const BenchStore &store, const QString &dir)
{
    QDir().mkpath(dir);
    sqlite3 *db = nullptr;
    sqlite3_open(store.path.toUtf8().constData(), &db);
    sqlite3_stmt *st = nullptr;
    sqlite3_prepare_v2(db, "SELECT file.file_id, file.filename, tablature.tab, tablature.notes FROM file "
                           "JOIN tablature ON tablature.file_id = file.file_id", -1, &st, nullptr);
    while (sqlite3_step(st) == SQLITE_ROW) {
        QFile out(dir + '/' + QString::number(sqlite3_column_int(st, 0)) + ".txt");
        if (!out.open(QIODevice::WriteOnly))
            qFatal("search bench: cannot write %s", qPrintable(out.fileName()));
        for (int c = 1; c <= 3; ++c) {
            out.write(reinterpret_cast<const char *>(sqlite3_column_text(st, c)), sqlite3_column_bytes(st, c));
            out.write("\r\n");
        }
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
}

double timeGrep(const QString &word, const QString &dir)
{
    QElapsedTimer t;
    t.start();
    QProcess grep;
    grep.start(QStringLiteral("grep"), {QStringLiteral("-rilF"), word, dir});
    grep.waitForFinished(-1);
    grep.readAllStandardOutput();
    return ms(t);
}

double timeBare(const BenchStore &store, const QString &sql, long &rows)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(store.path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    QElapsedTimer t;
    t.start();
    sqlite3_stmt *st = nullptr;
    const QByteArray text = sql.toUtf8();
    sqlite3_prepare_v2(db, text.constData(), int(text.size()), &st, nullptr);
    rows = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        for (int c = 0; c < 6; ++c)
            sqlite3_column_text(st, c);
        ++rows;
    }
    sqlite3_finalize(st);
    const double elapsed = ms(t);
    sqlite3_close(db);
    return elapsed;
}

}  // namespace

bool runSearchBench(const QString &dir)
{
    std::printf("\nGenerating the search store (50,000 files) and its texts as files...\n");
    std::fflush(stdout);
    const BenchStore store = MakeBenchStore(dir, QStringLiteral("Search"), 50000, 500, 5);
    plantWords(store);
    const QString filesDir = dir + QStringLiteral("/grep");
    writeFiles(store, filesDir);

    BenchPrompts prompts;
    modADO::OpenConnection(store.path, store.name);
    ctlDetails pane(prompts);
    pane.resize(900, 300);
    pane.show();

    const SearchCase cases[] = {
        {"rare word", "zebrawood", true, true},
        {"word in 10% of files", "capo", true, true},
        {"title only", "tab 4999", true, false},
    };
    bool ok = true;
    std::vector<std::pair<long, double>> perRow;
    for (const SearchCase &c : cases) {
        const QString word = QString::fromLatin1(c.word);
        std::vector<double> ends;
        std::vector<double> greps;
        std::vector<double> bares;
        long rows = 0;
        for (int run = 0; run < 3; ++run) {
            QElapsedTimer t;
            t.start();
            pane.Search(word, c.inTitles, c.inTab, false);
            ends.push_back(ms(t));
            greps.push_back(timeGrep(word, filesDir));
            bares.push_back(timeBare(store, modSearch::SearchStatement(word, c.inTitles, c.inTab, false), rows));
        }
        const double end = Median(ends);
        const double grep = Median(greps);
        const double bare = Median(bares);
        const bool met = end <= grep * 1.0 && end <= bare * 1.5;
        ok = ok && met;
        std::printf("search %s: %.1f ms; grep %.1f ms; bare %.1f ms; vs grep %.2f; vs bare %.2f  (%ld rows)%s\n",
                    c.name, end, grep, bare, end / grep, end / bare, rows, met ? "" : "  (BOUND NOT MET)");
        if (pane.lvwSearchResults->topLevelItemCount() != rows) {
            std::printf("  the result list holds %d rows, the statement %ld\n",
                        pane.lvwSearchResults->topLevelItemCount(), rows);
            ok = false;
        }
    }

    // The list's cost per row must not grow with its length: 5,000 against 50,000 rows.
    const auto listCost = [&](const QString &word, bool inTitles, bool inTab) {
        long rows = 0;
        const double bare = timeBare(store, modSearch::SearchStatement(word, inTitles, inTab, false), rows);
        QElapsedTimer t;
        t.start();
        pane.Search(word, inTitles, inTab, false);
        return std::pair<long, double>(rows, (ms(t) - bare) * 1000.0 / double(std::max(1L, rows)));
    };
    const auto small = listCost(QStringLiteral("capo"), false, true);
    const auto large = listCost(QStringLiteral("tab"), true, false);
    const bool linear = large.second <= small.second * 2.0;
    ok = ok && linear;
    std::printf("search list: %ld rows %.1f us/row; %ld rows %.1f us/row%s\n", small.first, small.second,
                large.first, large.second, linear ? "" : "  (GROWS FASTER THAN LINEARLY)");
    modADO::CloseConnection();
    return ok;
}
