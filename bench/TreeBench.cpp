// Times filling the tree pane with the largest category against the catalogue fill of the
// same category into a counting target: the widgets should cost at most a few times the query.
#include "BenchStores.h"

#include "store/modADO.h"
#include "store/modMain.h"
#include "tree/ctlTree.h"

#include <QComboBox>
#include <QElapsedTimer>

#include <vector>

void runTreeBench(const BenchStore &store, std::vector<BenchResult> &results)
{
    BenchPrompts prompts;
    modADO::OpenConnection(store.path, store.name);
    ctlTree tree(prompts);
    tree.resize(400, 700);
    tree.show();
    tree.LoadTree();

    std::vector<double> counting;
    std::vector<double> pane;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer t;
        t.start();
        CountingTree target;
        modMain::FillFolders(prompts, 2, target);
        counting.push_back(double(t.nsecsElapsed()) / 1e6);

        // Choose category 2 as the user would, then go back to 1 (untimed).
        t.restart();
        tree.cbo->setCurrentIndex(1);
        emit tree.cbo->activated(1);
        pane.push_back(double(t.nsecsElapsed()) / 1e6);
        tree.cbo->setCurrentIndex(0);
        emit tree.cbo->activated(0);
    }
    BenchResult r;
    r.name = QStringLiteral("Tree pane fill vs FillFolders (10,000 files)");
    r.smallMs = Median(counting);
    r.largeMs = Median(pane);
    r.boundRatio = 3.0;
    results.push_back(r);
    modADO::CloseConnection();
}
