#include "ScriptedPrompts.h"
#include "StoreRows.h"
#include "TestHome.h"

#include "store/modADO.h"
#include "tree/TreeControl.h"
#include "tree/TreeViewTarget.h"
#include "tree/ctlTree.h"

#include <QComboBox>
#include <QtTest>

#include <memory>
#include <utility>

namespace {

// Logs the pane's click, add and load events in one list, in the order raised: "Name(arg,...)".
struct Recorder
{
    explicit Recorder(ctlTree &t)
    {
        auto on = [&](auto signal, const char *name) {
            QObject::connect(&t, signal, &t, [this, name](auto... ids) {
                const QStringList args{QString::number(ids)...};
                log << QString::fromLatin1(name) + (args.isEmpty() ? QString() : '(' + args.join(',') + ')');
            });
        };
        on(&ctlTree::OnRootClick, "OnRootClick");
        on(&ctlTree::OnTreeClick, "OnTreeClick");
        on(&ctlTree::OnFileAdd, "OnFileAdd");
        on(&ctlTree::OnCategoryClick, "OnCategoryClick");
        on(&ctlTree::OnFolderClick, "OnFolderClick");
        on(&ctlTree::OnFileClick, "OnFileClick");
    }
    QStringList take() { return std::exchange(log, {}); }
    QStringList log;
};

const auto keyOf = &TreeViewTarget::key;

// "key text image", and "+" when expanded, for every node, depth first.
QStringList describe(QTreeWidget &tree)
{
    QStringList out;
    for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
        int depth = 0;
        for (const QTreeWidgetItem *p = (*it)->parent(); p; p = p->parent())
            ++depth;
        out << QStringLiteral("%1%2 %3 %4%5")
                   .arg(QString(depth * 2, ' '), keyOf(*it), (*it)->text(0))
                   .arg((*it)->data(0, TreeViewTarget::ImageRole).toInt())
                   .arg((*it)->isExpanded() ? " +" : "");
    }
    return out;
}

// Categories 3 Rock, 5 Blues, 7 Empty. Rock's folders list by name (acdc, Beatles, Zeppelin) and
// hold their files in store order.
const char *const Rows =
    "INSERT INTO categories(category_id, category) VALUES (3,'Rock'),(5,'Blues'),(7,'Empty');"
    "INSERT INTO directories(directory_id, category_id, directory) VALUES "
    "(12,3,'Zeppelin'),(11,3,'acdc'),(13,3,'Beatles'),(20,5,'King');"
    "INSERT INTO file(file_id, directory_id, filename) VALUES (40,12,'Stairway'),(41,11,'Thunder'),"
    "(42,12,'Kashmir'),(43,11,'Back in Black'),(50,20,'The Thrill')";

}  // namespace

class tst_ctlTree : public QObject
{
    Q_OBJECT

    QString scalar(const QString &sql) { return StoreRows::scalar(m_store, sql).toString(); }

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<ctlTree> m_tree;
    std::unique_ptr<Recorder> m_rec;
    QString m_store;
    qint32 m_added = 0;

    void openStore(const QString &rows)
    {
        m_store = m_home->newStore("Tabs");
        StoreRows::exec(m_store, rows);
        QVERIFY(modADO::OpenConnection(m_store, "Tabs"));
    }

    void load()
    {
        openStore(Rows);
        QVERIFY(m_tree->LoadTree());
    }

    // One user or host action: "click KEY", "down" (next category), "load",
    // "select PATH", "add CATEGORY;FOLDER;TITLE;TAB", "folder NAME" or "category NAME" (the new
    // id goes to m_added).
    void run(const QString &step)
    {
        const QString verb = step.section(' ', 0, 0), arg = step.section(' ', 1);
        if (verb == "click") {
            QTreeWidgetItemIterator it(m_tree->tvw);
            while (*it && keyOf(*it) != arg)
                ++it;
            QVERIFY2(*it, qPrintable(arg));
            QTest::mouseClick(m_tree->tvw->viewport(), Qt::LeftButton, {}, m_tree->tvw->visualItemRect(*it).center());
        } else if (verb == "down") {
            QTest::keyClick(m_tree->cbo, Qt::Key_Down);
        } else if (verb == "load") {
            QVERIFY(m_tree->LoadTree());
        } else if (verb == "select") {  // true exactly when the user is not told
            const qsizetype told = m_prompts->asked.size();
            const bool found = m_tree->SelectNode(arg);
            QCOMPARE(found, m_prompts->asked.size() == told);
        } else if (verb == "add") {  // with the stored rows "folder;title;tab"
            const QStringList a = arg.split(';');
            m_added = m_tree->AddNode(a[0].toInt(), a[1].toInt(), a[2], a[3]);
            QCOMPARE(scalar(QStringLiteral("SELECT directory_id||';'||filename||';'||tab FROM file JOIN tablature "
                                           "USING(file_id) WHERE file_id=%1").arg(m_added)), a.mid(1).join(';'));
        } else if (verb == "folder") {  // always into the shown category 3
            m_added = m_tree->AddFolder(arg);
            QCOMPARE(scalar(QStringLiteral("SELECT category_id||directory FROM directories WHERE directory_id=%1")
                                .arg(m_added)), "3" + arg);
        } else if (verb == "category") {  // stored as given, listed trimmed
            m_added = m_tree->AddCategory(arg);
            QCOMPARE(scalar(QStringLiteral("SELECT category FROM categories WHERE category_id=%1").arg(m_added)), arg);
            QCOMPARE(m_tree->cbo->currentText(), arg.trimmed());
        } else {
            QFAIL(qPrintable(step));
        }
    }

private slots:

    void init()
    {
        m_home = std::make_unique<TestHome>();
        m_prompts = std::make_unique<ScriptedPrompts>();
        m_tree = std::make_unique<ctlTree>(*m_prompts);
        m_rec = std::make_unique<Recorder>(*m_tree);
        m_added = 0;
    }

    void cleanup()
    {
        m_rec.reset();
        m_tree.reset();
        modADO::CloseConnection();
        m_prompts.reset();
        m_home.reset();
    }

    void fillKeysAndOrder()
    {
        load();
        QCOMPARE(describe(*m_tree->tvw), (QStringList{"ROOT Tabs 5 +", "  D_11 acdc 1", "    F_41 Thunder 4",
                                                      "    F_43 Back in Black 4", "  D_13 Beatles 1", "  D_12 Zeppelin 1",
                                                      "    F_40 Stairway 4", "    F_42 Kashmir 4"}));
        run("down");
        QCOMPARE(describe(*m_tree->tvw), (QStringList{"ROOT Tabs 5 +", "  D_20 King 1", "    F_50 The Thrill 4"}));
        QTest::keyClick(m_tree->cbo, Qt::Key_End);  // a category without folders: the root alone
        QCOMPARE(describe(*m_tree->tvw), QStringList{"ROOT Tabs 5 +"});
    }

    void events_data()
    {
        // Steps (see run()) split by " / "; events raised by the last one, then the messages shown,
        // "%1" standing for the new id; the state after it (see events()).
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QString>("state");

        auto row = [](const char *name, const QString &steps, const QString &events, const QString &state) {
            QTest::newRow(name) << steps << events.split(", ", Qt::SkipEmptyParts) << state;
        };
        row("LoadTree: the fill and LoadTree both choose the first category", "load",
            "OnCategoryClick(3), OnTreeClick, OnCategoryClick(3), OnTreeClick", "3 0 -");
        row("root keeps the file's folder", "click F_40 / click ROOT", "OnTreeClick, OnRootClick", "3 12 ROOT");
        row("category change: no folder selected any more", "select 3||12 / down", "OnCategoryClick(5), OnTreeClick",
            "5 12 -");
        row("SelectNode in another category", "select 5||20||50",
            "OnCategoryClick(5), OnTreeClick, OnTreeClick, OnFileClick(5,20,50)", "5 20 F_50 file");
        row("AddNode without tab text: OnFileAdd last", "select 3||11 / add 3;11;Tři čuníci;",
            "OnTreeClick, OnFileClick(3,11,%1), OnFileAdd", "3 11 F_%1 file");
        row("AddNode with tab text, other category: folder first, no OnFileAdd", "select 3||11 / add 5;20;Café über;e-3-",
            "OnCategoryClick(5), OnTreeClick, OnTreeClick, OnFolderClick(5,20), OnTreeClick, OnFileClick(5,20,%1)",
            "5 20 F_%1 file");
        row("AddFolder after its siblings", "folder Ärger Aardvark", "OnTreeClick, OnFolderClick(3,%1)", "3 %1 D_%1 folder");
        row("AddCategory", "category   Jaromír Jazz  ", "OnCategoryClick(%1), OnTreeClick", "%1 0 -");
        // A stale path changes nothing; the user is told.
        const QString on50 = "select 5||20||50 / select ", file = "The file could not be found.",
                      folder = "The folder could not be found.", stay = "5 20 F_50 file";
        row("deleted file, other category", on50 + "3||12||99", file, stay);
        row("file moved to another folder", on50 + "3||11||40", file, stay);
        row("not a path", on50 + "x||y", folder, stay);
    }

    // The state: "CategoryId FolderId current-node ('-' for none) [file if opened] [folder if selected]".
    void events()
    {
        QFETCH(QString, steps);
        QFETCH(QStringList, events);
        QFETCH(QString, state);

        load();
        m_tree->resize(400, 600);
        m_tree->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_tree.get()));
        m_tree->tvw->expandAll();
        for (const QString &step : steps.split(" / ")) {
            m_rec->take();
            run(step);
            if (QTest::currentTestFailed())
                return;
        }
        const QString added = QString::number(m_added);
        QStringList got = m_rec->take();
        for (const ScriptedPrompts::Question &q : m_prompts->asked)
            got << q.text;
        QCOMPARE(got, events.replaceInStrings("%1", added));
        QTreeWidgetItem *current = m_tree->tvw->currentItem();
        QStringList now{QString::number(m_tree->CategoryId()), QString::number(m_tree->FolderId()),
                        current ? keyOf(current) : "-"};
        if (m_tree->FileOpened())
            now << "file";
        if (m_tree->FolderSelected())
            now << "folder";
        QCOMPARE(now.join(' '), state.replace("%1", added));
        QCOMPARE(m_tree->cbo->currentData().value<qint32>(), m_tree->CategoryId());
        if (m_added && current)  // a new node is the last of its parent, whatever its name
            QCOMPARE(current->parent()->indexOfChild(current), current->parent()->childCount() - 1);
    }

    void identifiersPast32767()
    {
        openStore("INSERT INTO categories(category_id, category) VALUES (3,'Rock'),(40000,'Big');"
                  "INSERT INTO directories(directory_id, category_id, directory) VALUES (70000,40000,'Far');"
                  "INSERT INTO file(file_id, directory_id, filename) VALUES (100000,70000,'Deep')");
        QVERIFY(m_tree->LoadTree());
        m_rec->take();
        QVERIFY(m_tree->SelectNode("40000||70000||100000"));
        QCOMPARE(m_rec->take(), (QStringList{"OnCategoryClick(40000)", "OnTreeClick", "OnTreeClick",
                                             "OnFileClick(40000,70000,100000)"}));
        QCOMPARE(describe(*m_tree->tvw), (QStringList{"ROOT Tabs 5 +", "  D_70000 Far 1 +", "    F_100000 Deep 4"}));
        QCOMPARE(m_tree->AddNode(40000, 70000, "Next", "x"), 100001);
        QCOMPARE(m_tree->AddFolder("Near"), 70001);
        QCOMPARE(m_tree->AddCategory("Huge"), 40001);
    }
};

QTEST_MAIN(tst_ctlTree)
#include "tst_ctlTree.moc"
