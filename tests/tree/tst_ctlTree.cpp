#include "ScriptedPrompts.h"
#include "TestHome.h"

#include "app/Twips.h"
#include "store/Connection.h"
#include "store/Recordset.h"
#include "store/Targets.h"
#include "store/modADO.h"
#include "store/modMain.h"
#include "tree/ctlTree.h"
#include "tree/TreeControl.h"
#include "tree/TreeViewTarget.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFrame>
#include <QLineEdit>
#include <QMetaMethod>
#include <QSignalSpy>
#include <QToolBar>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <limits>
#include <memory>

namespace {

// Logs the pane's events across all signals, in the order they were raised.
struct Recorder
{
    explicit Recorder(ctlTree &t)
    {
        auto plain = [&](auto signal, const char *name) {
            QObject::connect(&t, signal, &t, [this, name] { log << QString::fromLatin1(name); });
        };
        plain(&ctlTree::OnRootClick, "OnRootClick");
        plain(&ctlTree::OnTreeClick, "OnTreeClick");
        plain(&ctlTree::OnHideTree, "OnHideTree");
        plain(&ctlTree::OnFileAdd, "OnFileAdd");
        plain(&ctlTree::OnNoCategories, "OnNoCategories");
        plain(&ctlTree::OnFolderDoubleClick, "OnFolderDoubleClick");
        plain(&ctlTree::OnFileDoubleClick, "OnFileDoubleClick");
        QObject::connect(&t, &ctlTree::OnCategoryClick, &t, [this](qint32 c) { add("OnCategoryClick", {c}); });
        QObject::connect(&t, &ctlTree::OnFolderClick, &t, [this](qint32 c, qint32 d) { add("OnFolderClick", {c, d}); });
        QObject::connect(&t, &ctlTree::OnFileClick, &t,
                         [this](qint32 c, qint32 d, qint32 f) { add("OnFileClick", {c, d, f}); });
        QObject::connect(&t, &ctlTree::OnControlClick, &t,
                         [this](bool on) { log << QStringLiteral("OnControlClick(%1)").arg(on ? "true" : "false"); });
    }
    void add(const char *name, std::initializer_list<qint32> ids)
    {
        QStringList args;
        for (qint32 id : ids)
            args << QString::number(id);
        log << QStringLiteral("%1(%2)").arg(QLatin1String(name), args.join(','));
    }
    QStringList take() { return std::exchange(log, {}); }
    QStringList log;
};

struct CountingTarget final : TreeTarget
{
    void clear() override { nodes = 0; }
    void addNode(const QString &, const QString &, const QString &, int, int) override { ++nodes; }
    void expand(const QString &) override {}
    int nodes = 0;
};

void exec(const QString &sql)
{
    modADO::Conn().Execute(sql);
}

QVariant scalar(const QString &sql)
{
    Recordset rs;
    rs.Open(sql, modADO::Conn());
    const QVariant v = rs.Eof() ? QVariant() : rs.Fields(0);
    rs.Close();
    return v;
}

QString keyOf(const QTreeWidgetItem *item)
{
    return TreeViewTarget::key(item);
}

// "key text image" and "+" when expanded, for every node, depth first.
QStringList describe(const QTreeWidget &tree)
{
    QStringList out;
    std::function<void(const QTreeWidgetItem *, int)> walk = [&](const QTreeWidgetItem *item, int depth) {
        out << QStringLiteral("%1%2 %3 %4%5")
                   .arg(QString(depth * 2, ' '), keyOf(item), item->text(0))
                   .arg(item->data(0, TreeViewTarget::ImageRole).toInt())
                   .arg(item->isExpanded() ? " +" : "");
        for (int i = 0; i < item->childCount(); ++i)
            walk(item->child(i), depth + 1);
    };
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        walk(tree.topLevelItem(i), 0);
    return out;
}

}  // namespace

class tst_ctlTree : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void signalTable();
    void loadTreeAndCategoryChange();
    void loadTreeWithoutCategories();
    void clickNodes_data();
    void clickNodes();
    void mouseAndKeyboardRules();
    void selectNode_data();
    void selectNode();
    void addNode();
    void addFolderAndCategory();
    void removeNodeAndClearAll();
    void controlClickAndEnabled();
    void layoutFollowsSearchBox();
    void largeCategoryFillsQuickly();

private:
    // Categories 3 Rock, 5 Blues, 7 Empty. Rock's folders list by name (acdc, Beatles,
    // Zeppelin) and hold their files in store order.
    void openStore(bool withRows = true);
    void load();
    QTreeWidgetItem *item(const QString &key) const;
    void showPane();
    void click(const QString &key, Qt::MouseButton button = Qt::LeftButton);

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<ctlTree> m_tree;
    std::unique_ptr<Recorder> m_rec;
};

void tst_ctlTree::initTestCase()
{
    // The offscreen platform looks for themes in the resources only.
    QIcon::setThemeSearchPaths(QIcon::themeSearchPaths() << QStringLiteral("/usr/share/icons"));
    QIcon::setThemeName(QStringLiteral("Tango"));
}

void tst_ctlTree::init()
{
    m_home = std::make_unique<TestHome>();
    m_prompts = std::make_unique<ScriptedPrompts>();
    m_tree = std::make_unique<ctlTree>(*m_prompts);
    m_rec = std::make_unique<Recorder>(*m_tree);
}

void tst_ctlTree::cleanup()
{
    m_rec.reset();
    m_tree.reset();
    modADO::CloseConnection();
    m_prompts.reset();
    m_home.reset();
}

void tst_ctlTree::openStore(bool withRows)
{
    QVERIFY(modADO::OpenConnection(m_home->newStore("Tabs"), "Tabs"));
    if (!withRows)
        return;
    exec("INSERT INTO categories(category_id, category) VALUES (3,'Rock'),(5,'Blues'),(7,'Empty')");
    exec("INSERT INTO directories(directory_id, category_id, directory) VALUES "
         "(12,3,'Zeppelin'),(11,3,'acdc'),(13,3,'Beatles'),(20,5,'King')");
    exec("INSERT INTO file(file_id, directory_id, filename) VALUES (40,12,'Stairway'),(41,11,'Thunder'),"
         "(42,12,'Kashmir'),(43,11,'Back in Black'),(50,20,'The Thrill')");
}

void tst_ctlTree::load()
{
    openStore();
    QVERIFY(m_tree->LoadTree());
    m_rec->take();
}

QTreeWidgetItem *tst_ctlTree::item(const QString &key) const
{
    std::function<QTreeWidgetItem *(QTreeWidgetItem *)> find = [&](QTreeWidgetItem *it) -> QTreeWidgetItem * {
        if (keyOf(it) == key)
            return it;
        for (int i = 0; i < it->childCount(); ++i)
            if (QTreeWidgetItem *found = find(it->child(i)))
                return found;
        return nullptr;
    };
    return find(m_tree->tvw->invisibleRootItem());
}

void tst_ctlTree::showPane()
{
    m_tree->resize(400, 600);
    m_tree->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_tree.get()));
    m_tree->tvw->expandAll();
}

void tst_ctlTree::click(const QString &key, Qt::MouseButton button)
{
    QTreeWidgetItem *it = item(key);
    QVERIFY2(it, qPrintable(key));
    QTest::mouseClick(m_tree->tvw->viewport(), button, {}, m_tree->tvw->visualItemRect(it).center());
}

void tst_ctlTree::signalTable()
{
    const QStringList expected = {
        "OnRootClick()", "OnTreeClick()", "OnHideTree()", "OnBookmarkFile()", "OnNodeClick()",
        "OnCategoryClick(int)", "OnFileAdd()", "OnFileDelete(int)", "OnFileRename(QString)",
        "OnFileClick(int,int,int)", "OnFileMove()", "OnFolderDelete(int,QString)", "OnFolderClick(int,int)",
        "OnFolderRename(int,int,QString)", "OnRemoveBookmark(QString)", "OnControlClick(bool)",
        "OnNoCategories()", "OnFileDragDrop(int,int,int)", "OnFileDragDropCat(int,int,int,int,int)",
        "OnMoveCatFolder(int,int,int)", "OnFolderDoubleClick()", "OnFileDoubleClick()"};
    QStringList declared;
    const QMetaObject &mo = ctlTree::staticMetaObject;
    for (int i = mo.methodOffset(); i < mo.methodCount(); ++i)
        if (mo.method(i).methodType() == QMetaMethod::Signal)
            declared << QString::fromLatin1(mo.method(i).methodSignature());
    QCOMPARE(declared, expected);
}

void tst_ctlTree::loadTreeAndCategoryChange()
{
    openStore();
    // The fill chooses item 0 and LoadTree chooses it again: the change runs both times.
    const QStringList twice = {"OnCategoryClick(3)", "OnTreeClick", "OnCategoryClick(3)", "OnTreeClick"};
    QVERIFY(m_tree->LoadTree());
    QCOMPARE(m_rec->take(), twice);
    QVERIFY(m_tree->LoadTree());
    QCOMPARE(m_rec->take(), twice);
    QCOMPARE(m_tree->CategoryId(), 3);
    QVERIFY(m_tree->CategorySelected());
    QCOMPARE(m_tree->cbo->count(), 3);
    QCOMPARE(m_tree->cbo->itemText(1), QStringLiteral("Blues"));
    QCOMPARE(m_tree->cbo->itemData(1).value<qint32>(), 5);
    QCOMPARE(describe(*m_tree->tvw), (QStringList{"ROOT Tabs 5 +", "  D_11 acdc 1", "    F_41 Thunder 4",
                                                  "    F_43 Back in Black 4", "  D_13 Beatles 1", "  D_12 Zeppelin 1",
                                                  "    F_40 Stairway 4", "    F_42 Kashmir 4"}));

    // A folder shows the open picture while expanded.
    for (int image : {1, 2, 4, 5})
        QVERIFY(!m_tree->imlTree.icon(image).isNull());
    QTreeWidgetItem *acdc = item("D_11");
    acdc->setExpanded(true);
    QCOMPARE(acdc->icon(0).cacheKey(), m_tree->imlTree.icon(2).cacheKey());
    acdc->setExpanded(false);
    QCOMPARE(acdc->icon(0).cacheKey(), m_tree->imlTree.icon(1).cacheKey());
    QCOMPARE(item("ROOT")->icon(0).cacheKey(), m_tree->imlTree.icon(5).cacheKey());

    // The user chooses another category: the tree is refilled; no folder is selected any more.
    QVERIFY(m_tree->SelectNode("3||12"));
    m_rec->take();
    QTest::keyClick(m_tree->cbo, Qt::Key_Down);
    QCOMPARE(m_rec->take(), (QStringList{"OnCategoryClick(5)", "OnTreeClick"}));
    QCOMPARE(m_tree->CategoryId(), 5);
    QVERIFY(!m_tree->FolderSelected());
    QCOMPARE(m_tree->FolderId(), 12);  // kept until the next folder or file click
    QCOMPARE(describe(*m_tree->tvw), (QStringList{"ROOT Tabs 5 +", "  D_20 King 1", "    F_50 The Thrill 4"}));

    // A category without folders shows the root alone, expanded.
    QTest::keyClick(m_tree->cbo, Qt::Key_End);
    QCOMPARE(m_tree->CategoryId(), 7);
    QCOMPARE(describe(*m_tree->tvw), QStringList{"ROOT Tabs 5 +"});
    QCOMPARE(m_prompts->asked.size(), 0);
}

void tst_ctlTree::loadTreeWithoutCategories()
{
    openStore(false);
    QSignalSpy noCategories(m_tree.get(), &ctlTree::OnNoCategories);
    QVERIFY(!m_tree->LoadTree());
    QCOMPARE(noCategories.count(), 1);
    QCOMPARE(m_rec->take(), QStringList{"OnNoCategories"});
    QCOMPARE(m_tree->tvw->topLevelItemCount(), 0);
    QVERIFY(!m_tree->CategorySelected());
    m_tree->SelectRoot();  // a click on the empty tree raises nothing
    QCOMPARE(m_rec->take(), QStringList());
}

void tst_ctlTree::clickNodes_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("button");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<bool>("fileOpened");
    QTest::addColumn<bool>("folderSelected");
    QTest::addColumn<int>("folderId");

    const int left = Qt::LeftButton, right = Qt::RightButton;
    QTest::newRow("folder") << "" << "D_11" << left << QStringList{"OnTreeClick", "OnFolderClick(3,11)"} << false
                            << true << 11;
    QTest::newRow("file") << "D_13" << "F_43" << left << QStringList{"OnTreeClick", "OnFileClick(3,11,43)"} << true
                          << false << 11;
    QTest::newRow("root keeps the file's folder")
        << "F_40" << "ROOT" << left << QStringList{"OnTreeClick", "OnRootClick"} << false << false << 12;
    QTest::newRow("same file again") << "F_41" << "F_41" << left
                                     << QStringList{"OnTreeClick", "OnFileClick(3,11,41)"} << true << false << 11;
    QTest::newRow("right on file") << "" << "F_42" << right << QStringList{"OnTreeClick", "OnFileClick(3,12,42)"}
                                   << true << false << 12;
    QTest::newRow("right on root") << "D_12" << "ROOT" << right << QStringList{"OnTreeClick", "OnRootClick"} << false
                                   << false << 12;
}

void tst_ctlTree::clickNodes()
{
    QFETCH(QString, first);
    QFETCH(QString, target);
    QFETCH(int, button);
    QFETCH(QStringList, events);

    load();
    showPane();
    if (!first.isEmpty())
        click(first);
    m_rec->take();

    click(target, Qt::MouseButton(button));
    QCOMPARE(m_rec->take(), events);
    QTEST(m_tree->FileOpened(), "fileOpened");
    QTEST(m_tree->FolderSelected(), "folderSelected");
    QTEST(int(m_tree->FolderId()), "folderId");
    QCOMPARE(keyOf(m_tree->tvw->currentItem()), target);
    QCOMPARE(keyOf(m_tree->tvw->dropHighlight()), target);
}

void tst_ctlTree::mouseAndKeyboardRules()
{
    load();
    showPane();
    TreeControl *tvw = m_tree->tvw;
    click("F_40");
    m_rec->take();

    // Button down over empty space does nothing.
    const QPoint below(5, tvw->viewport()->height() - 3);
    QVERIFY(!tvw->itemAt(below));
    QTest::mouseClick(tvw->viewport(), Qt::LeftButton, {}, below);
    QTest::mouseClick(tvw->viewport(), Qt::RightButton, {}, below);
    QCOMPARE(m_rec->take(), QStringList());
    QCOMPARE(keyOf(tvw->currentItem()), QStringLiteral("F_40"));

    // A double click clicks the node once, then reports the double click. QTest's double
    // click is the double-click event alone, so the presses and releases around it are sent too.
    auto doubleClick = [&](const QString &key) {
        const QPoint at = tvw->visualItemRect(item(key)).center();
        QTest::mouseClick(tvw->viewport(), Qt::LeftButton, {}, at);
        QTest::mousePress(tvw->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(tvw->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(tvw->viewport(), Qt::LeftButton, {}, at);
    };
    doubleClick("F_42");
    QCOMPARE(m_rec->take(), (QStringList{"OnTreeClick", "OnFileClick(3,12,42)", "OnFileDoubleClick"}));
    doubleClick("D_13");
    QCOMPARE(m_rec->take(), (QStringList{"OnTreeClick", "OnFolderClick(3,13)", "OnFolderDoubleClick"}));
    doubleClick("ROOT");
    QCOMPARE(m_rec->take(), (QStringList{"OnTreeClick", "OnRootClick"}));

    // Moving with the keyboard clicks the node it reaches.
    tvw->setFocus();
    tvw->setCurrentItem(item("D_11"));
    QTest::keyClick(tvw, Qt::Key_Down);
    QCOMPARE(m_rec->take(), (QStringList{"OnTreeClick", "OnFileClick(3,11,41)"}));

    // A left press on a file arms dragging; on a folder it does not.
    click("F_43");
    QVERIFY(tvw->dragEnabled());
    click("D_12");
    QVERIFY(!tvw->dragEnabled());

    m_rec->take();
    auto *hide = m_tree->tbrTools->findChild<QAction *>("x");
    QVERIFY(hide && !hide->toolTip().isEmpty());
    hide->trigger();
    QCOMPARE(m_rec->take(), QStringList{"OnHideTree"});
}

void tst_ctlTree::selectNode_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QString>("current");
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("message");

    // Category 5 is shown, its file F_50 clicked.
    const QString file = "The file could not be found.", folder = "The folder could not be found.";
    QTest::newRow("file of another category")
        << "3||12||40" << QStringList{"OnCategoryClick(3)", "OnTreeClick", "OnTreeClick", "OnFileClick(3,12,40)"}
        << "F_40" << 3 << "";
    QTest::newRow("folder") << "5||20" << QStringList{"OnTreeClick", "OnFolderClick(5,20)"} << "D_20" << 5 << "";
    QTest::newRow("root key") << "ROOT" << QStringList{"OnTreeClick", "OnRootClick"} << "F_50" << 5 << "";
    QTest::newRow("file key") << "F_50" << QStringList{"OnTreeClick", "OnFileClick(5,20,50)"} << "F_50" << 5 << "";
    QTest::newRow("deleted file") << "3||12||99" << QStringList() << "F_50" << 5 << file;
    QTest::newRow("file moved to another folder") << "3||11||40" << QStringList() << "F_50" << 5 << file;
    QTest::newRow("deleted folder") << "5||99" << QStringList() << "F_50" << 5 << folder;
    QTest::newRow("deleted category") << "9||12" << QStringList() << "F_50" << 5 << folder;
    QTest::newRow("key not in the tree") << "F_40" << QStringList() << "F_50" << 5 << file;
    QTest::newRow("not a path") << "x||y" << QStringList() << "F_50" << 5 << folder;
}

void tst_ctlTree::selectNode()
{
    QFETCH(QString, path);
    QFETCH(QStringList, events);
    QFETCH(QString, current);
    QFETCH(int, category);
    QFETCH(QString, message);

    load();
    QVERIFY(m_tree->SelectNode("5||20||50"));
    m_rec->take();

    QCOMPARE(m_tree->SelectNode(path), message.isEmpty());
    QCOMPARE(m_rec->take(), events);
    QCOMPARE(keyOf(m_tree->tvw->currentItem()), current);
    QCOMPARE(int(m_tree->CategoryId()), category);
    QCOMPARE(m_tree->cbo->currentData().value<qint32>(), category);
    if (path.contains("||") && message.isEmpty())
        QVERIFY(item(current)->parent()->isExpanded() && item(current)->isSelected());
    QCOMPARE(m_prompts->asked.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(m_prompts->last().text, message);
        QCOMPARE(m_prompts->last().title, QStringLiteral("Chordex"));
        QCOMPARE(m_prompts->last().icon, Prompts::Icon::Exclamation);
        QCOMPARE(m_prompts->last().buttons, Prompts::Buttons::Ok);
        QVERIFY(m_tree->FileOpened());
    }
}

void tst_ctlTree::addNode()
{
    load();
    QVERIFY(m_tree->SelectNode("3||11"));
    m_rec->take();

    // Into the clicked folder, without tab text: the new file is clicked, then OnFileAdd.
    const qint32 id = m_tree->AddNode(3, 11, "New Song", "");
    QVERIFY(id > 50);
    QCOMPARE(m_rec->take(), (QStringList{"OnTreeClick", QStringLiteral("OnFileClick(3,11,%1)").arg(id), "OnFileAdd"}));
    QTreeWidgetItem *added = item("D_11")->child(2);
    QCOMPARE(keyOf(added), QStringLiteral("F_%1").arg(id));
    QCOMPARE(added->text(0), QStringLiteral("New Song"));
    QCOMPARE(added->data(0, TreeViewTarget::ImageRole).toInt(), 4);
    QCOMPARE(m_tree->tvw->currentItem(), added);
    QCOMPARE(scalar(QStringLiteral("SELECT directory_id||filename FROM file WHERE file_id=%1").arg(id)).toString(),
             QStringLiteral("11New Song"));
    QCOMPARE(scalar(QStringLiteral("SELECT count(*) FROM tablature WHERE file_id=%1 AND tab='' AND notes=''").arg(id))
                 .toInt(),
             1);

    // Into a folder of another category, with tab text: the folder is selected first, no OnFileAdd.
    const qint32 id2 = m_tree->AddNode(5, 20, "Riff", "e|---3---|");
    QCOMPARE(id2, id + 1);
    QCOMPARE(m_rec->take(), (QStringList{"OnCategoryClick(5)", "OnTreeClick", "OnTreeClick", "OnFolderClick(5,20)",
                                         "OnTreeClick", QStringLiteral("OnFileClick(5,20,%1)").arg(id2)}));
    QCOMPARE(keyOf(item("D_20")->child(1)), QStringLiteral("F_%1").arg(id2));
    QCOMPARE(scalar(QStringLiteral("SELECT tab FROM tablature WHERE file_id=%1").arg(id2)).toString(),
             QStringLiteral("e|---3---|"));

    // A folder that is not in the store: nothing is stored, the user is told.
    const QVariant files = scalar("SELECT count(*) FROM file");
    QCOMPARE(m_tree->AddNode(5, 99, "Lost", ""), 0);
    QCOMPARE(m_prompts->last().text, QStringLiteral("The folder could not be found."));

    // A store error after the file row was written: neither row stays, no node is added.
    exec("DROP TABLE tablature");
    QCOMPARE(m_tree->AddNode(5, 20, "Broken", "x"), 0);
    QCOMPARE(scalar("SELECT count(*) FROM file"), files);
    QCOMPARE(item("D_20")->childCount(), 2);
    QCOMPARE(m_rec->take(), QStringList());
    QCOMPARE(m_prompts->last().title, QStringLiteral("Chordex"));
    QCOMPARE(m_prompts->last().icon, Prompts::Icon::Critical);
}

void tst_ctlTree::addFolderAndCategory()
{
    load();
    const qint32 id = m_tree->AddFolder("Aardvark");
    QVERIFY(id > 20);
    QCOMPARE(m_rec->take(), (QStringList{"OnTreeClick", QStringLiteral("OnFolderClick(3,%1)").arg(id)}));
    QVERIFY(m_tree->FolderSelected());
    QCOMPARE(scalar(QStringLiteral("SELECT category_id||directory FROM directories WHERE directory_id=%1").arg(id))
                 .toString(),
             QStringLiteral("3Aardvark"));

    // Appended after its siblings, though its name sorts first; no open picture until the next fill.
    QTreeWidgetItem *added = item("ROOT")->child(3);
    QCOMPARE(keyOf(added), QStringLiteral("D_%1").arg(id));
    QCOMPARE(m_tree->tvw->currentItem(), added);
    QVERIFY(m_tree->AddNode(3, id, "First", "x") > 0);
    QVERIFY(added->isExpanded());
    QCOMPARE(added->icon(0).cacheKey(), m_tree->imlTree.icon(1).cacheKey());
    m_tree->LoadTree();
    QCOMPARE(keyOf(item("ROOT")->child(0)), QStringLiteral("D_%1").arg(id));
    QCOMPARE(item("ROOT")->child(0)->data(0, TreeViewTarget::ExpandedImageRole).toInt(), 2);
    m_rec->take();

    // A category is stored as given, listed trimmed, and shown at once.
    const qint32 cat = m_tree->AddCategory("  Jazz  ");
    QVERIFY(cat > 7);
    QCOMPARE(m_rec->take(), (QStringList{QStringLiteral("OnCategoryClick(%1)").arg(cat), "OnTreeClick"}));
    QCOMPARE(scalar(QStringLiteral("SELECT category FROM categories WHERE category_id=%1").arg(cat)).toString(),
             QStringLiteral("  Jazz  "));
    QCOMPARE(m_tree->cbo->currentIndex(), 3);
    QCOMPARE(m_tree->cbo->currentText(), QStringLiteral("Jazz"));
    QCOMPARE(m_tree->cbo->currentData().value<qint32>(), cat);
    QCOMPARE(m_tree->CategoryId(), cat);
    QCOMPARE(describe(*m_tree->tvw), QStringList{"ROOT Tabs 5 +"});
}

void tst_ctlTree::removeNodeAndClearAll()
{
    load();
    QVERIFY(m_tree->SelectNode("3||12||40"));
    m_rec->take();

    // The tree selects another node in place of the removed one, and that node is clicked.
    m_tree->RemoveNode("F_40");
    QVERIFY(!item("F_40"));
    QCOMPARE(m_rec->take(), (QStringList{"OnTreeClick", "OnFileClick(3,12,42)"}));

    // A folder goes with its files; their keys name nothing any more.
    m_tree->RemoveNode("D_11");
    QVERIFY(!item("D_11") && !item("F_41"));
    m_rec->take();
    QVERIFY(!m_tree->SelectNode("F_41"));
    m_tree->RemoveNode("F_41");
    QCOMPARE(m_rec->take(), QStringList());

    m_tree->ClearAll();
    QCOMPARE(m_tree->tvw->topLevelItemCount(), 0);
    QCOMPARE(m_tree->CategoryId(), 0);
    QCOMPARE(m_tree->FolderId(), 0);
    QVERIFY(!m_tree->FileOpened() && !m_tree->FolderSelected());
    QCOMPARE(m_tree->cbo->count(), 3);
}

void tst_ctlTree::controlClickAndEnabled()
{
    load();
    showPane();
    const QPoint corner(m_tree->width() - 1, m_tree->height() - 1);
    QVERIFY(!m_tree->childAt(corner));
    QTest::mouseClick(m_tree.get(), Qt::LeftButton, {}, corner);
    QCOMPARE(m_rec->take(), QStringList{"OnControlClick(true)"});

    // Disabled, the tree takes no clicks; they reach the pane.
    m_tree->Enabled(false);
    QVERIFY(!m_tree->cbo->isEnabled());
    click("D_12");
    QCOMPARE(m_rec->take(), QStringList{"OnControlClick(false)"});
    m_tree->Enabled(true);
    click("D_12");
    QCOMPARE(m_rec->take(), (QStringList{"OnTreeClick", "OnFolderClick(3,12)"}));
}

void tst_ctlTree::layoutFollowsSearchBox()
{
    m_tree->resize(300, 500);
    m_tree->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_tree.get()));
    auto treeAt = [&](double top) {
        const double w = Twips::FromPixels(m_tree->width()), h = Twips::FromPixels(m_tree->height());
        return QRect(Twips::ToPixels(10), Twips::ToPixels(top + 20), Twips::ToPixels(w - 30),
                     Twips::ToPixels(h - (top + 30)));
    };
    QVERIFY(!m_tree->SearchBox() && !m_tree->fSearch->isVisible());
    QCOMPARE(m_tree->tvw->geometry(), treeAt(340));
    QCOMPARE(m_tree->cbo->width(), Twips::ToPixels(Twips::FromPixels(300) - 670));

    m_tree->setSearchBox(true);
    QVERIFY(m_tree->SearchBox() && m_tree->fSearch->isVisible());
    QCOMPARE(m_tree->tvw->geometry(), treeAt(710));
    m_tree->resize(360, 420);
    QCOMPARE(m_tree->tvw->geometry(), treeAt(710));
    m_tree->setSearchBox(false);
    QCOMPARE(m_tree->tvw->geometry(), treeAt(340));

    QCOMPARE(m_tree->SearchText(), QStringLiteral("Search..."));
    m_tree->setSearchText("blues");
    QCOMPARE(m_tree->txtSearch->selectedText(), QStringLiteral("blues"));
}

void tst_ctlTree::largeCategoryFillsQuickly()
{
    openStore(false);
    exec("INSERT INTO categories(category_id, category) VALUES (1,'Big'),(2,'Small')");
    exec("WITH RECURSIVE n(x) AS (SELECT 0 UNION ALL SELECT x+1 FROM n WHERE x<99) "
         "INSERT INTO directories(directory_id, category_id, directory) SELECT 1000+x, 1, 'Folder '||x FROM n");
    exec("WITH RECURSIVE n(x) AS (SELECT 0 UNION ALL SELECT x+1 FROM n WHERE x<9999) "
         "INSERT INTO file(directory_id, filename) SELECT 1000+(x%100), 'Song '||x FROM n");

    // The fastest of three runs of each, in nanoseconds.
    auto best = [](auto run) {
        qint64 fastest = std::numeric_limits<qint64>::max();
        for (int i = 0; i < 3; ++i)
            fastest = std::min(fastest, run());
        return fastest;
    };
    CountingTarget counter;
    const qint64 counting = best([&] {
        QElapsedTimer t;
        t.start();
        modMain::FillFolders(*m_prompts, 1, counter);
        return t.nsecsElapsed();
    });
    QCOMPARE(counter.nodes, 10101);

    // Each round leaves for the small category, then times the way back to the big one.
    m_tree->LoadTree();
    const qint64 tree = best([&] {
        QTest::keyClick(m_tree->cbo, Qt::Key_Down);
        QElapsedTimer t;
        t.start();
        QTest::keyClick(m_tree->cbo, Qt::Key_Up);
        return t.nsecsElapsed();
    });
    QCOMPARE(m_tree->CategoryId(), 1);
    QCOMPARE(item("D_1099")->childCount(), 100);
    qDebug("counting fill %.1f ms, tree fill %.1f ms", counting / 1e6, tree / 1e6);
    QVERIFY(tree < 3 * counting);
}

QTEST_MAIN(tst_ctlTree)
#include "tst_ctlTree.moc"
