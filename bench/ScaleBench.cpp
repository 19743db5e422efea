// Times the two catalogue statements that once grew with the data: filling the tree with a
// category of 2,000 folders, and removing a folder of 5,000 files. The small runs use the same
// shape with 20 folders and 50 files.
#include "BenchStores.h"

#include "store/modADO.h"
#include "store/modMain.h"

#include <QElapsedTimer>
#include <QFile>

#include <sqlite3.h>

namespace {

// Category 1 holds `folders` folders of one file each; category 2 holds folder `folders` + 1
// with `files` files.
QString makeScaleStore(const QString &dir, const QString &name, int folders, int files)
{
    const QString path = dir + '/' + name + ".mdb";
    QFile::remove(path);
    if (!QFile::copy(QStringLiteral(CHORDEX_BENCH_TEMPLATE), path))
        qFatal("bench store: cannot copy the template to %s", qPrintable(path));
    QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    sqlite3 *db = nullptr;
    if (sqlite3_open(path.toUtf8().constData(), &db) != SQLITE_OK)
        qFatal("bench store: cannot open %s", qPrintable(path));
    const QByteArray sql = QStringLiteral(
        "PRAGMA synchronous=OFF; BEGIN;"
        "INSERT INTO categories(category_id, category) VALUES (1,'Wide'),(2,'Deep');"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<%1) "
        "INSERT INTO directories(directory_id, category_id, directory) SELECT i, 1, 'Folder ' || i FROM n;"
        "INSERT INTO directories(directory_id, category_id, directory) VALUES (%1+1, 2, 'Big folder');"
        "INSERT INTO file(directory_id, filename) SELECT directory_id, 'Tab ' || directory_id FROM directories;"
        "WITH RECURSIVE n(i) AS (SELECT 2 UNION ALL SELECT i+1 FROM n WHERE i<%2) "
        "INSERT INTO file(directory_id, filename) SELECT %1+1, 'Tab ' || i FROM n;"
        "INSERT INTO tablature(file_id, tab, notes) SELECT file_id, 'e|--0--2--3--|', '' FROM file;"
        "COMMIT;").arg(folders).arg(files).toUtf8();
    char *err = nullptr;
    if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, &err) != SQLITE_OK)
        qFatal("bench store: %s", err);
    sqlite3_close(db);
    return path;
}

double timedMs(const std::function<void()> &work)
{
    QElapsedTimer t;
    t.start();
    work();
    return double(t.nsecsElapsed()) / 1e6;
}

}  // namespace

void runScaleBench(const QString &dir, std::vector<BenchResult> &results)
{
    BenchPrompts prompts;
    struct Shape
    {
        const char *name;
        int folders;
        int files;
    };
    const Shape shapes[2] = {{"ScaleSmall", 20, 50}, {"ScaleLarge", 2000, 5000}};
    std::vector<double> fill[2];
    std::vector<double> removal[2];
    for (int run = 0; run < 3; ++run) {
        for (int s = 0; s < 2; ++s) {
            const QString path = makeScaleStore(dir, shapes[s].name, shapes[s].folders, shapes[s].files);
            modADO::OpenConnection(path, shapes[s].name);
            CountingTree tree;
            fill[s].push_back(timedMs([&] { modMain::FillFolders(prompts, 1, tree); }));
            if (tree.nodes != 1 + 2L * shapes[s].folders)
                qFatal("bench: the tree fill of %s gave %ld nodes", shapes[s].name, tree.nodes);
            bool removed = false;
            removal[s].push_back(timedMs([&] { removed = modMain::RemoveFolder(prompts, shapes[s].folders + 1, "Big folder"); }));
            if (!removed)
                qFatal("bench: the folder of %s was not removed", shapes[s].name);
            modADO::CloseConnection();
        }
    }
    results.push_back({QStringLiteral("FillFolders (2,000 folders)"), Median(fill[0]), Median(fill[1]), 0});
    results.push_back({QStringLiteral("RemoveFolder (5,000 files)"), Median(removal[0]), Median(removal[1]), 0});
}
