#pragma once

#include <QString>

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
double PeakMemoryMb();
