// Times the store operations on a large generated store (50,000 files of about 4.5 KB of tab
// text in 500 folders of 5 categories) and a small one of the same shape (100 files), and
// prints both times with the ratio large/small. Single-row operations should not grow with
// the store; the peak memory shows that nothing loads every tab text.
#include "BenchStores.h"

#include "app/Prompts.h"
#include "store/Connection.h"
#include "store/Recordset.h"
#include "store/Targets.h"
#include "store/clsTablature.h"
#include "store/modADO.h"
#include "store/modMain.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <sys/resource.h>

namespace {

struct YesPrompts final : Prompts
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
    int runModal(QDialog &) override { return 0; }
};

struct CountingTree final : TreeTarget
{
    long nodes = 0;
    void clear() override { nodes = 0; }
    void addNode(const QString &, const QString &, const QString &, int, int) override { ++nodes; }
    void expand(const QString &) override {}
};

// Median time in milliseconds of `runs` calls of op(i).
double median(int runs, const std::function<void(int)> &op)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        op(i);
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

struct Row
{
    const char *name;
    bool singleRow;
    std::function<double(const BenchStore &)> run;
};

double peakMb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_maxrss) / 1024.0;
}

}  // namespace

int runStoreBench(const QString &dir, std::vector<BenchResult> &results)
{
    YesPrompts prompts;
    const BenchStore small = MakeBenchStore(dir, "Small", 100, 1, 1);
    const BenchStore large = MakeBenchStore(dir, "Large", 50000, 500, 5);

    const std::vector<Row> rows = {
        {"OpenConnection", true,
         [](const BenchStore &s) {
             return median(9, [&](int) { modADO::OpenConnection(s.path, s.name); });
         }},
        {"FillFolders (largest category)", false,
         [&](const BenchStore &s) {
             modADO::OpenConnection(s.path, s.name);
             return median(5, [&](int) {
                 CountingTree tree;
                 modMain::FillFolders(prompts, s.largestCategory, tree);
             });
         }},
        {"SelectTabFile", true,
         [](const BenchStore &s) {
             modADO::OpenConnection(s.path, s.name);
             return median(15, [&](int i) {
                 clsTablature doc;
                 const qint32 file = s.sampleFile(i);
                 doc.SelectTabFile(s.categoryOf(file), s.folderOf(file), file);
             });
         }},
        {"Append file + tablature row", true,
         [](const BenchStore &s) {
             modADO::OpenConnection(s.path, s.name);
             return median(15, [&](int) {
                 Recordset rs;
                 rs.Open("SELECT * FROM file", modADO::Conn(), CursorType::Static, LockType::Pessimistic);
                 rs.AddNew();
                 rs.SetField("directory_id", 1);
                 rs.SetField("FileName", "Bench file");
                 rs.Update();
                 rs.Close();
                 rs.Open("SELECT MAX(file_id) FROM file", modADO::Conn(), CursorType::ForwardOnly, LockType::ReadOnly);
                 const QVariant id = rs.Fields(0);
                 rs.Close();
                 rs.Open("SELECT * FROM tablature", modADO::Conn(), CursorType::Static, LockType::Pessimistic);
                 rs.AddNew();
                 rs.SetField("file_id", id);
                 rs.SetField("Tab", "e|-----|");
                 rs.SetField("Notes", "");
                 rs.Update();
                 rs.Close();
             });
         }},
        {"InsertBookmark", true,
         [](const BenchStore &s) {
             modADO::OpenConnection(s.path, s.name);
             return median(15, [&](int i) {
                 clsTablature doc;
                 const qint32 file = s.sampleFile(i);
                 doc.SelectTabFile(s.categoryOf(file), s.folderOf(file), file);
                 doc.InsertBookmark("Bench", "Bookmark");
             });
         }},
        {"UpdateFile", true,
         [](const BenchStore &s) {
             modADO::OpenConnection(s.path, s.name);
             return median(15, [&](int i) {
                 clsTablature doc;
                 const qint32 file = s.sampleFile(i);
                 doc.SelectTabFile(s.categoryOf(file), s.folderOf(file), file);
                 doc.UpdateFile(doc.Tablature() + "\r\n", doc.Notes());
             });
         }},
        {"RemoveFolder (100 files)", true,
         [&](const BenchStore &s) {
             modADO::OpenConnection(s.path, s.name);
             // the small store has one folder: remove it once; the large one, five of its folders
             const int runs = s.folders == 1 ? 1 : 5;
             return median(runs, [&](int i) { modMain::RemoveFolder(prompts, s.folders - i, "Bench"); });
         }},
    };

    for (const Row &row : rows) {
        BenchResult r;
        r.name = row.name;
        r.singleRow = row.singleRow;
        r.smallMs = row.run(small);
        r.largeMs = row.run(large);
        results.push_back(r);
    }
    modADO::CloseConnection();
    return 0;
}

double PeakMemoryMb()
{
    return peakMb();
}
