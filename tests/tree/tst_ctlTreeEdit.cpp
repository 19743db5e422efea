#include "ScriptedPrompts.h"
#include "StoreRows.h"
#include "TestHome.h"

#include "dialogs/frmSelector.h"
#include "store/modADO.h"
#include "tree/TreeControl.h"
#include "tree/TreeViewTarget.h"
#include "tree/ctlTree.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>

#include <memory>
#include <utility>

namespace {

// Logs the pane's editing and click events in one list, in the order raised: "Name(arg,...)".
struct Recorder
{
    explicit Recorder(ctlTree &t)
    {
        auto on = [&](auto signal, const char *name) {
            QObject::connect(&t, signal, &t, [this, name](auto... args) {
                const QStringList text{QVariant::fromValue(args).toString()...};
                log << QString::fromLatin1(name) + (text.isEmpty() ? QString() : '(' + text.join(',') + ')');
            });
        };
        on(&ctlTree::OnFolderClick, "OnFolderClick");
        on(&ctlTree::OnFileClick, "OnFileClick");
        on(&ctlTree::OnBookmarkFile, "OnBookmarkFile");
        on(&ctlTree::OnFileDelete, "OnFileDelete");
        on(&ctlTree::OnFileRename, "OnFileRename");
        on(&ctlTree::OnFolderDelete, "OnFolderDelete");
        on(&ctlTree::OnFolderRename, "OnFolderRename");
        on(&ctlTree::OnRemoveBookmark, "OnRemoveBookmark");
        on(&ctlTree::OnFileDragDrop, "OnFileDragDrop");
        on(&ctlTree::OnFileDragDropCat, "OnFileDragDropCat");
        on(&ctlTree::OnMoveCatFolder, "OnMoveCatFolder");
        on(&ctlTree::OnFileAdd, "OnFileAdd");
        on(&ctlTree::OnExport, "OnExport");
        on(&ctlTree::OnSongbook, "OnSongbook");
        QObject::connect(&t, &ctlTree::OnImportPaths, &t, [this](qint32 category, qint32 folder, const QStringList &paths) {
            log << QStringLiteral("OnImportPaths(%1,%2,%3)").arg(category).arg(folder).arg(paths.join('|'));
        });
    }
    QStringList take() { return std::exchange(log, {}); }
    QStringList log;
};

// Categories 3 Rock (folders 11 acdc: 41, 43; 12 Zeppelin: 40, 42; 13 Beatles), 5 Blues (20 King).
const char *const Rows =
    "INSERT INTO categories(category_id, category) VALUES (3,'Rock'),(5,'Blues');"
    "INSERT INTO directories(directory_id, category_id, directory) VALUES "
    "(12,3,'Zeppelin'),(11,3,'acdc'),(13,3,'Beatles'),(20,5,'King');"
    "INSERT INTO file(file_id, directory_id, filename) VALUES (40,12,'Stairway'),(41,11,'Thunder'),"
    "(42,12,'Kashmir'),(43,11,'Back in Black');";

}  // namespace

class tst_ctlTreeEdit : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void menus();
    void deletes_data();
    void deletes();
    void renames_data();
    void renames();
    void movesThroughTheChooser_data();
    void movesThroughTheChooser();
    void fileDrops_data();
    void fileDrops();
    void textDrops_data();
    void textDrops();
    void pathDrops();
    void aDropEventInsertsNoCopies();
    void staleDragSource();
    void pressReleasedElsewhereKeepsTheSelection();

private:
    QTreeWidgetItem *node(const QString &key) const;
    QPoint centre(const QString &key) const { return m_tree->tvw->visualItemRect(node(key)).center(); }
    void click(const QString &key) { QTest::mouseClick(m_tree->tvw->viewport(), Qt::LeftButton, {}, centre(key)); }
    // A right click pops up the node's menu; the test runs the entry itself.
    void command(const QString &key, QAction *entry);
    void dropText(const QString &key, const QString &text);
    QStringList children(const QString &key) const;

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<ctlTree> m_tree;
    std::unique_ptr<Recorder> m_rec;
    QString m_store;
};

void tst_ctlTreeEdit::init()
{
    m_home = std::make_unique<TestHome>();
    m_prompts = std::make_unique<ScriptedPrompts>();
    m_tree = std::make_unique<ctlTree>(*m_prompts);
    m_tree->resize(400, 600);
    m_tree->show();
    m_store = m_home->newStore("Tabs");
    StoreRows::exec(m_store, Rows);
    QVERIFY(modADO::OpenConnection(m_store, "Tabs"));
    QVERIFY(m_tree->LoadTree());
    m_tree->tvw->expandAll();
    m_rec = std::make_unique<Recorder>(*m_tree);
}

void tst_ctlTreeEdit::cleanup()
{
    m_rec.reset();
    m_tree.reset();
    modADO::CloseConnection();
    m_prompts.reset();
    m_home.reset();
}

QTreeWidgetItem *tst_ctlTreeEdit::node(const QString &key) const
{
    for (QTreeWidgetItemIterator it(m_tree->tvw); *it; ++it) {
        if (TreeViewTarget::key(*it) == key)
            return *it;
    }
    return nullptr;
}

void tst_ctlTreeEdit::command(const QString &key, QAction *entry)
{
    QTest::mouseClick(m_tree->tvw->viewport(), Qt::RightButton, {}, centre(key));
    auto *menu = qobject_cast<QMenu *>(entry->parent());
    QVERIFY(menu && menu->isVisible());  // the node's own menu popped up
    menu->hide();
    m_rec->take();
    entry->trigger();
}

QStringList tst_ctlTreeEdit::children(const QString &key) const
{
    QStringList out;
    QTreeWidgetItem *n = node(key);
    for (int i = 0; n && i < n->childCount(); ++i)
        out << TreeViewTarget::key(n->child(i)) + ' ' + n->child(i)->text(0);
    return out;
}

void tst_ctlTreeEdit::menus()
{
    auto captions = [](QMenu *m) {
        QStringList out;
        for (QAction *a : m->actions())
            out << (a->isSeparator() ? QString("-") : a->text());
        return out;
    };
    QCOMPARE(captions(m_tree->mnuHiddenRoot),
             (QStringList{"Add Folder", "-", "Export Category...", "Songbook PDF...", "Export Chordex..."}));
    QCOMPARE(captions(m_tree->mnuHiddenFolder), (QStringList{"Delete", "Rename...", "Move Folder...", "-",
                                                             "Export Folder...", "Songbook PDF..."}));
    QCOMPARE(captions(m_tree->mnuHiddenFile), (QStringList{"Delete", "-", "Rename...", "Move File...", "-", "Bookmark..."}));

    command("F_40", m_tree->mnuHiddenFileBookmark);
    QCOMPARE(m_rec->take(), QStringList{"OnBookmarkFile"});
    // The folder entries name the folder right-clicked, not the one shown before.
    command("D_12", m_tree->mnuHiddenFolderExport);
    QCOMPARE(m_rec->take(), QStringList{"OnExport(3,12)"});
    command("D_11", m_tree->mnuHiddenFolderSongbook);
    QCOMPARE(m_rec->take(), QStringList{"OnSongbook(3,11)"});
    command("ROOT", m_tree->mnuRootExportCategory);
    QCOMPARE(m_rec->take(), QStringList{"OnExport(3,0)"});
    command("ROOT", m_tree->mnuRootSongbook);
    QCOMPARE(m_rec->take(), QStringList{"OnSongbook(3,0)"});
    command("ROOT", m_tree->mnuRootExportChordex);
    QCOMPARE(m_rec->take(), QStringList{"OnExport(0,0)"});

    m_prompts->answerInput("  Queen ");
    command("ROOT", m_tree->mnuRootAddFolder);
    QCOMPARE(m_prompts->last().text, QString("New Folder..."));
    QCOMPARE(m_prompts->last().title, QString("New Folder"));
    QCOMPARE(m_prompts->last().defaultText, QString("Folder"));
    QCOMPARE(StoreRows::scalar(m_store, "SELECT category_id||directory FROM directories WHERE directory_id=21").toString(),
             QString("3Queen"));
    QCOMPARE(children("ROOT").last(), QString("D_21 Queen"));
}

void tst_ctlTreeEdit::deletes_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("byKey");  // the Delete key, else the context menu
    QTest::addColumn<Prompts::Answer>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QStringList>("events");
    const QString zeppelin = "Are you sure you wish to delete the folder \"Zeppelin\" and all files?";
    QTest::newRow("folder with files") << "D_12" << false << Prompts::Answer::Yes << zeppelin
        << QStringList{"OnRemoveBookmark(3||12||40)", "OnRemoveBookmark(3||12||42)", "OnFolderDelete(12,file_id=40 OR file_id=42)"};
    QTest::newRow("folder with files, Delete key") << "D_12" << true << Prompts::Answer::Yes << zeppelin
        << QStringList{"OnRemoveBookmark(3||12||40)", "OnRemoveBookmark(3||12||42)", "OnFolderDelete(12,file_id=40 OR file_id=42)"};
    QTest::newRow("folder without files") << "D_13" << false << Prompts::Answer::Yes
        << "Are you sure you wish to delete the folder \"Beatles\" and all files?" << QStringList{"OnFolderDelete(13,)"};
    QTest::newRow("folder, No") << "D_12" << true << Prompts::Answer::No << zeppelin << QStringList{};
    QTest::newRow("file") << "F_42" << false << Prompts::Answer::Yes
        << "Are you sure you wish to delete the file \"Kashmir\"?" << QStringList{"OnFileDelete(42)"};
    QTest::newRow("file, Delete key, No") << "F_42" << true << Prompts::Answer::No
        << "Are you sure you wish to delete the file \"Kashmir\"?" << QStringList{};
}

void tst_ctlTreeEdit::deletes()
{
    QFETCH(QString, key);
    QFETCH(bool, byKey);
    QFETCH(Prompts::Answer, answer);
    m_prompts->answer(answer);
    if (byKey) {
        click(key);
        m_rec->take();
        QTest::keyClick(m_tree->tvw, Qt::Key_Delete);
    } else {
        command(key, key.startsWith("D_") ? m_tree->mnuHiddenFolderDelete : m_tree->mnuHiddenFileDelete);
    }
    QTEST(m_prompts->last().text, "question");
    QCOMPARE(m_prompts->last().title, QString("Confirm Delete"));
    QCOMPARE(m_prompts->last().icon, Prompts::Icon::Exclamation);
    QCOMPARE(m_prompts->last().buttons, Prompts::Buttons::YesNo);
    QCOMPARE(m_prompts->last().defaultAnswer, Prompts::Answer::No);
    QTEST(m_rec->take(), "events");
    QVERIFY(node(key));  // the host removes the node once the store has changed
}

void tst_ctlTreeEdit::renames_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("answer");  // null: cancelled
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("events");
    QTest::newRow("file") << "F_40" << "  Stairway (live) " << "Stairway (live)" << QStringList{"OnFileRename(Stairway (live))"};
    QTest::newRow("file, unchanged") << "F_40" << "Stairway" << "Stairway" << QStringList{"OnFileRename(Stairway)"};
    QTest::newRow("file, blanks") << "F_40" << "   " << "Stairway" << QStringList{};
    QTest::newRow("file, cancelled") << "F_40" << QString() << "Stairway" << QStringList{};
    QTest::newRow("folder") << "D_12" << " Led Zeppelin" << "Led Zeppelin" << QStringList{"OnFolderRename(3,12,Led Zeppelin)"};
    QTest::newRow("folder, blanks") << "D_12" << "  " << "Zeppelin" << QStringList{};
}

void tst_ctlTreeEdit::renames()
{
    QFETCH(QString, key);
    QFETCH(QString, answer);
    if (answer.isNull())
        m_prompts->cancelInput();
    else
        m_prompts->answerInput(answer);
    command(key, key.startsWith("D_") ? m_tree->mnuHiddenFolderRename : m_tree->mnuHiddenFileRename);
    const QString old = key == "F_40" ? "Stairway" : "Zeppelin";
    QCOMPARE(m_prompts->last().text, QString("Rename file..."));
    QCOMPARE(m_prompts->last().title, QString("Rename"));
    QCOMPARE(m_prompts->last().defaultText, old);
    QTEST(node(key)->text(0), "text");
    QTEST(m_rec->take(), "events");
}

void tst_ctlTreeEdit::movesThroughTheChooser_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("category");  // list index chosen in the chooser
    QTest::addColumn<int>("folder");    // list index (acdc, Beatles, Zeppelin); -1 keeps the first
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("zeppelin");  // D_12's children afterwards
    QTest::addColumn<QStringList>("acdc");
    const QStringList acdc{"F_41 Thunder", "F_43 Back in Black"};
    QTest::newRow("file, same folder") << "F_40" << 0 << 2 << QStringList{}
        << QStringList{"F_40 Stairway", "F_42 Kashmir"} << acdc;
    QTest::newRow("file, same category") << "F_40" << 0 << 0
        << QStringList{"OnFileClick(3,12,42)", "OnFileDragDrop(11,40,12)"}
        << QStringList{"F_42 Kashmir"} << acdc + QStringList{"F_40 Stairway"};
    QTest::newRow("file, other category") << "F_40" << 1 << -1
        << QStringList{"OnFileClick(3,12,42)", "OnFileDragDropCat(5,20,40,12,3)"} << QStringList{"F_42 Kashmir"} << acdc;
    QTest::newRow("folder, same category") << "D_12" << 0 << -1 << QStringList{}
        << QStringList{"F_40 Stairway", "F_42 Kashmir"} << acdc;
    QTest::newRow("folder, other category") << "D_12" << 1 << -1
        << QStringList{"OnFolderClick(3,13)", "OnMoveCatFolder(5,12,3)"} << QStringList{} << acdc;
}

void tst_ctlTreeEdit::movesThroughTheChooser()
{
    QFETCH(QString, key);
    QFETCH(int, category);
    QFETCH(int, folder);
    QString caption, heading;
    m_prompts->answerModal([&](QDialog &d) {
        auto &chooser = static_cast<frmSelector &>(d);
        caption = chooser.windowTitle();
        heading = chooser.lblCaption[0]->text() + '/' + chooser.cbo->currentText() + '/' + chooser.cboFolders->currentText();
        chooser.cbo->setCurrentIndex(category);
        emit chooser.cbo->activated(category);
        if (folder >= 0)
            chooser.cboFolders->setCurrentIndex(folder);
        chooser.cmdOk->click();
        return chooser.result();
    });
    const bool file = key.startsWith("F_");
    command(key, file ? m_tree->mnuHiddenFileMove : m_tree->mnuHiddenFolderMove);
    QCOMPARE(caption, QString(file ? "Move Tab File" : "Move Folder"));
    QCOMPARE(heading, QString(file ? "Stairway/Rock/Zeppelin" : "Zeppelin/Rock/"));
    QTEST(m_rec->take(), "events");
    QTEST(children("D_12"), "zeppelin");
    QTEST(children("D_11"), "acdc");
}

void tst_ctlTreeEdit::fileDrops_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("acdc");
    const QStringList acdc{"F_41 Thunder", "F_43 Back in Black"};
    QTest::newRow("on a file of its own folder") << "F_42" << QStringList{"OnFolderClick(3,12)"} << acdc;
    QTest::newRow("on its own folder") << "D_12" << QStringList{} << acdc;
    QTest::newRow("on the root") << "ROOT" << QStringList{} << acdc;
    QTest::newRow("on a file of another folder") << "F_43"
        << QStringList{"OnFolderClick(3,11)", "OnFolderClick(3,11)", "OnFileDragDrop(11,40,12)"}
        << acdc + QStringList{"F_40 Stairway"};
    QTest::newRow("on another folder") << "D_11" << QStringList{"OnFolderClick(3,11)", "OnFileDragDrop(11,40,12)"}
        << acdc + QStringList{"F_40 Stairway"};
}

// A file node dragged within the tree: the press names the source, the drop the target.
void tst_ctlTreeEdit::fileDrops()
{
    QFETCH(QString, target);
    QTest::mousePress(m_tree->tvw->viewport(), Qt::LeftButton, {}, centre("F_40"));
    m_rec->take();
    QMimeData data;
    data.setData("application/x-chordex-node", "Stairway");
    emit m_tree->tvw->nodeDragOver(node(target));
    emit m_tree->tvw->nodeDrop(&data, true);
    QTEST(m_rec->take(), "events");
    QTEST(children("D_11"), "acdc");
    QCOMPARE(m_tree->tvw->dropHighlight(), m_tree->tvw->currentItem());
    // The drag is over: a later drop from this tree moves nothing.
    emit m_tree->tvw->nodeDragOver(node("D_13"));
    emit m_tree->tvw->nodeDrop(&data, true);
    QCOMPARE(m_rec->take(), QStringList{});
}

void tst_ctlTreeEdit::textDrops_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");  // folder;title;tab of the new file, empty: none
    QTest::addColumn<QString>("message");
    QTest::newRow("16 characters") << "D_13" << "0123456789abcdef" << "13;0123456789abcdef;0123456789abcdef" << "";
    QTest::newRow("17 characters") << "D_13" << "0123456789abcdefg" << "13;0123456789abcdef...;0123456789abcdefg" << "";
    QTest::newRow("on a file: its folder") << "F_41" << "e|-0-|" << "11;e|-0-|;e|-0-|" << "";
    QTest::newRow("line ends held as CR LF") << "D_13" << "e|-0-|\nB|-1-|" << "13;e|-0-|\r\nB|-1-|;e|-0-|\r\nB|-1-|" << "";
    QTest::newRow("blank") << "D_13" << " \r\n\t " << "" << "";
    QTest::newRow("on the root") << "ROOT" << "e|-0-|" << "" << "You can not drag to the root node!";
}

void tst_ctlTreeEdit::textDrops()
{
    QFETCH(QString, target);
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QFETCH(QString, message);
    dropText(target, text);
    const QString made = StoreRows::scalar(m_store, "SELECT directory_id||';'||filename||';'||tab FROM file JOIN tablature "
                                                    "USING(file_id) WHERE file_id=44").toString();
    QCOMPARE(made, stored);
    QCOMPARE(m_prompts->asked.isEmpty() ? QString() : m_prompts->last().text, message);
    if (!message.isEmpty()) {
        QCOMPARE(m_prompts->last().title, QString("Error"));
        QCOMPARE(m_prompts->last().icon, Prompts::Icon::Critical);
    }
    if (!stored.isEmpty()) {
        QCOMPARE(TreeViewTarget::key(m_tree->tvw->currentItem()), QString("F_44"));
        QVERIFY(!m_rec->log.contains("OnFileAdd"));
    }
    QCOMPARE(m_tree->tvw->dropHighlight(), m_tree->tvw->currentItem());
}

void tst_ctlTreeEdit::dropText(const QString &key, const QString &text)
{
    QMimeData data;
    data.setText(text);
    emit m_tree->tvw->nodeDragOver(node(key));
    emit m_tree->tvw->nodeDrop(&data, false);
}

// Files and folders of the file system are imported into the folder they are dropped on,
// and not made into a file of their paths' text.
void tst_ctlTreeEdit::pathDrops()
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile("/tmp/song.tab"), QUrl("https://example.org/x.tab"),
                  QUrl::fromLocalFile("/tmp/tabs")});
    data.setText("/tmp/song.tab\n/tmp/tabs");
    const QStringList targets{"D_13", "F_40", "ROOT"};
    const QStringList events{"OnImportPaths(3,13,/tmp/song.tab|/tmp/tabs)", "OnImportPaths(3,12,/tmp/song.tab|/tmp/tabs)",
                             "OnImportPaths(3,0,/tmp/song.tab|/tmp/tabs)"};
    for (int i = 0; i < targets.size(); ++i) {
        m_rec->take();
        emit m_tree->tvw->nodeDragOver(node(targets[i]));
        emit m_tree->tvw->nodeDrop(&data, false);
        QCOMPARE(m_rec->take().filter("OnImportPaths"), QStringList{events[i]});
    }
    QCOMPARE(StoreRows::scalar(m_store, "SELECT COUNT(*) FROM file").toInt(), 4);
}

// Dropped through the view's own events: the pane makes one file, the view inserts nothing;
// a local file is offered for import.
void tst_ctlTreeEdit::aDropEventInsertsNoCopies()
{
    QWidget *viewport = m_tree->tvw->viewport();
    auto drop = [&](QMimeData &data) {
        QDragEnterEvent enter(centre("D_13"), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(viewport, &enter);
        QDragMoveEvent move(centre("D_13"), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(viewport, &move);
        QDropEvent dropped(centre("D_13"), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(viewport, &dropped);
        return dropped.isAccepted();
    };
    QMimeData path;
    path.setUrls({QUrl::fromLocalFile("/tmp/song.tab")});
    path.setText("/tmp/song.tab");
    QVERIFY(drop(path));
    QCOMPARE(m_rec->take().filter("OnImportPaths"), QStringList{"OnImportPaths(3,13,/tmp/song.tab)"});
    QMimeData text;
    text.setText("A riff");
    QVERIFY(drop(text));
    QCOMPARE(children("D_13"), QStringList{"F_44 A riff"});
    QCOMPARE(StoreRows::scalar(m_store, "SELECT COUNT(*) FROM file").toInt(), 5);
    int nodes = 0;
    for (QTreeWidgetItemIterator it(m_tree->tvw); *it; ++it)
        ++nodes;
    QCOMPARE(nodes, 1 + 3 + 5);  // root, folders, files
}

// A press on a file that became a drag out of the tree is forgotten: text dropped later from
// outside makes a file and moves nothing.
void tst_ctlTreeEdit::staleDragSource()
{
    QTest::mousePress(m_tree->tvw->viewport(), Qt::LeftButton, {}, centre("F_40"));
    dropText("D_11", "Outside text");
    QCOMPARE(children("D_12"), (QStringList{"F_40 Stairway", "F_42 Kashmir"}));
    QCOMPARE(children("D_11").last(), QString("F_44 Outside text"));
    QVERIFY(!m_rec->log.join(' ').contains("OnFileDragDrop"));
    // and a drag that ended outside the tree forgets its source as well
    QTest::mousePress(m_tree->tvw->viewport(), Qt::LeftButton, {}, centre("F_42"));
    emit m_tree->tvw->dragFinished();
    QMimeData node;
    node.setData("application/x-chordex-node", "Kashmir");
    emit m_tree->tvw->nodeDragOver(this->node("D_11"));
    emit m_tree->tvw->nodeDrop(&node, true);
    QCOMPARE(children("D_12"), (QStringList{"F_40 Stairway", "F_42 Kashmir"}));
}

// Pressed on one node and released on another: the selection goes back to the node clicked
// last, which the host holds, and the Delete key asks about that one.
void tst_ctlTreeEdit::pressReleasedElsewhereKeepsTheSelection()
{
    click("F_41");
    QTest::mousePress(m_tree->tvw->viewport(), Qt::LeftButton, {}, centre("F_40"));
    QTest::mouseRelease(m_tree->tvw->viewport(), Qt::LeftButton, {}, centre("D_13"));
    QCOMPARE(TreeViewTarget::key(m_tree->tvw->currentItem()), QString("F_41"));
    QCOMPARE(TreeViewTarget::key(m_tree->tvw->dropHighlight()), QString("F_41"));
    m_prompts->answer(Prompts::Answer::No);
    QTest::keyClick(m_tree->tvw, Qt::Key_Delete);
    QCOMPARE(m_prompts->last().text, QString("Are you sure you wish to delete the file \"Thunder\"?"));
}

QTEST_MAIN(tst_ctlTreeEdit)
#include "tst_ctlTreeEdit.moc"
