// Times the store operations on a large generated store (50,000 files of about 4.5 KB of tab
// text in 500 folders of 5 categories) and a small one of the same shape (100 files), and
// prints both times with the ratio large/small. Single-row operations should not grow with
// the store; the peak memory shows that nothing loads every tab text.
#include "BenchStores.h"

#include "store/Connection.h"
#include "store/Recordset.h"
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

// One operation: `prepare` runs untimed before each timed call of `op`.
struct Row
{
    const char *name;
    bool singleRow;
    int runs;
    std::function<void(const BenchStore &)> prepare;
    std::function<void(const BenchStore &, int)> op;
};

double timed(const std::function<void()> &work)
{
    QElapsedTimer t;
    t.start();
    work();
    return double(t.nsecsElapsed()) / 1e6;
}

void open(const BenchStore &s)
{
    modADO::OpenConnection(s.path, s.name);
}

double peakMb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_maxrss) / 1024.0;
}

}  // namespace

int runStoreBench(const QString &dir, std::vector<BenchResult> &results)
{
    BenchPrompts prompts;
    const BenchStore smallStore = MakeBenchStore(dir, "Small", 100, 1, 1);
    const BenchStore largeStore = MakeBenchStore(dir, "Large", 50000, 500, 5);

    const std::vector<Row> rows = {
        {"OpenConnection", true, 15, [](const BenchStore &) { modADO::CloseConnection(); },
         [](const BenchStore &s, int) { open(s); }},
        {"FillFolders (largest category)", false, 5, open,
         [&](const BenchStore &s, int) {
             CountingTree tree;
             modMain::FillFolders(prompts, s.largestCategory, tree);
         }},
        {"SelectTabFile", true, 21, open,
         [](const BenchStore &s, int i) {
             clsTablature doc;
             const qint32 file = s.sampleFile(i);
             doc.SelectTabFile(s.categoryOf(file), s.folderOf(file), file);
         }},
        {"Append file + tablature row", true, 21, open,
         [](const BenchStore &, int) {
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
         }},
        {"InsertBookmark", true, 21, open,
         [](const BenchStore &s, int i) {
             clsTablature doc;
             const qint32 file = s.sampleFile(i);
             doc.SelectTabFile(s.categoryOf(file), s.folderOf(file), file);
             doc.InsertBookmark("Bench", "Bookmark");
         }},
        {"UpdateFile", true, 21, open,
         [](const BenchStore &s, int i) {
             clsTablature doc;
             const qint32 file = s.sampleFile(i);
             doc.SelectTabFile(s.categoryOf(file), s.folderOf(file), file);
             doc.UpdateFile(doc.Tablature() + "\r\n", doc.Notes());
         }},
        // the small store's one folder is made again before each run; the large store loses
        // its last remaining folder each time
        {"RemoveFolder (100 files)", true, 7,
         [&](const BenchStore &s) {
             if (s.folders == 1) {
                 modADO::CloseConnection();
                 MakeBenchStore(dir, s.name, s.files, s.folders, s.categories);
             }
             open(s);
         },
         [&](const BenchStore &s, int i) { modMain::RemoveFolder(prompts, s.folders == 1 ? 1 : s.folders - i, "Bench"); }},
    };

    // Small and large runs alternate, so that a busy moment of the machine hits both alike.
    for (const Row &row : rows) {
        std::vector<double> small;
        std::vector<double> large;
        for (int i = 0; i < row.runs; ++i) {
            for (const BenchStore *s : {&smallStore, &largeStore}) {
                row.prepare(*s);
                (s == &smallStore ? small : large).push_back(timed([&] { row.op(*s, i); }));
            }
        }
        BenchResult r;
        r.name = row.name;
        r.boundRatio = row.singleRow ? 1.5 : 0;
        r.smallMs = Median(small);
        r.largeMs = Median(large);
        results.push_back(r);
    }
    modADO::CloseConnection();
    // The tree pane on a fresh large store (the rows above removed some of its folders).
    runTreeBench(MakeBenchStore(dir, "Tree", 50000, 500, 5), results);
    return 0;
}

double PeakMemoryMb()
{
    return peakMb();
}
