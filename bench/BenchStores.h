#pragma once

#include "core/Prompts.h"
#include "store/Targets.h"

#include <QString>

#include <algorithm>
#include <functional>
#include <vector>

// A generated store: `files` files spread evenly over `folders` folders, which are spread
// evenly over `categories` categories, each file with about 4.5 KB of tab text.
struct BenchStore
{
    QString path;
    QString name;
    int files = 0;
    int folders = 0;
    int categories = 0;
    qint32 largestCategory = 1;

    int filesPerFolder() const { return files / folders; }
    qint32 folderOf(qint32 file) const { return (file - 1) / filesPerFolder() + 1; }
    qint32 categoryOf(qint32 file) const { return (folderOf(file) - 1) / (folders / categories) + 1; }
    // Files spread over the store, so that repeated runs do not hit one cached page.
    qint32 sampleFile(int i) const { return 1 + (i * 7919) % files; }
};

BenchStore MakeBenchStore(const QString &dir, const QString &name, int files, int folders, int categories);

struct BenchResult
{
    QString name;
    double smallMs = 0;
    double largeMs = 0;
    double boundRatio = 0;  // when set, largeMs / smallMs must not exceed it
};

int runStoreBench(const QString &dir, std::vector<BenchResult> &results);
void runTreeBench(const BenchStore &store, std::vector<BenchResult> &results);
// Prints one line per search case; false when a bound is not met.
bool runSearchBench(const QString &dir);
// A category of 2,000 folders and a folder of 5,000 files, against 20 and 50.
void runScaleBench(const QString &dir, std::vector<BenchResult> &results);
// Folder import of 5,000 files against the sqlite3 tool, and the export of the 50,000-file
// store against cp -r of the exported tree; each prints its line, false when over its bound.
bool runImportBench(const QString &dir);
bool runExportBench(const QString &dir, const QString &largeStore);
double PeakMemoryMb();

// Answers Yes to every question, so that removals run unattended.
struct BenchPrompts final : Prompts
{
    Answer message(const QString &, const QString &, Icon, Buttons, Answer) override { return Answer::Yes; }
    QString input(const QString &, const QString &, const QString &, bool *ok) override
    {
        if (ok)
            *ok = false;
        return {};
    }
    QString openFile(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFile(const QString &, const QString &, const QString &) override { return {}; }
    QString chooseFolder(const QString &, const QString &) override { return {}; }
    int runModal(QDialog &) override { return 0; }
};

// Counts the nodes of a tree fill, for timing the query without widgets.
struct CountingTree final : TreeTarget
{
    long nodes = 0;
    void clear() override { nodes = 0; }
    void addNode(const QString &, const QString &, const QString &, int, int) override { ++nodes; }
    void expand(const QString &) override {}
};

inline double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
