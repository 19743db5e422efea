#include "ScriptedPrompts.h"
#include "StoreRows.h"
#include "TestHome.h"

#include "store/modADO.h"
#include "tree/TreeControl.h"
#include "tree/TreeViewTarget.h"
#include "tree/ctlTree.h"

#include <QAction>
#include <QMenu>
#include <QMimeData>
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
        on(&ctlTree::OnFileDelete, "OnFileDelete");
        on(&ctlTree::OnFileRename, "OnFileRename");
        on(&ctlTree::OnFolderDelete, "OnFolderDelete");
        on(&ctlTree::OnFolderRename, "OnFolderRename");
        on(&ctlTree::OnRemoveBookmark, "OnRemoveBookmark");
        on(&ctlTree::OnFileDragDrop, "OnFileDragDrop");
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

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<ctlTree> m_tree;
    std::unique_ptr<Recorder> m_rec;
    QString m_store;

    QTreeWidgetItem *node(const QString &key) const
    {
        for (QTreeWidgetItemIterator it(m_tree->tvw); *it; ++it) {
            if (TreeViewTarget::key(*it) == key)
                return *it;
        }
        return nullptr;
    }
    QPoint centre(const QString &key) const { return m_tree->tvw->visualItemRect(node(key)).center(); }
    void click(const QString &key) { QTest::mouseClick(m_tree->tvw->viewport(), Qt::LeftButton, {}, centre(key)); }

    // A right click pops up the node's menu; the test runs the entry itself.
    void command(const QString &key, QAction *entry)
    {
        QTest::mouseClick(m_tree->tvw->viewport(), Qt::RightButton, {}, centre(key));
        auto *menu = qobject_cast<QMenu *>(entry->parent());
        QVERIFY(menu && menu->isVisible());  // the node's own menu popped up
        menu->hide();
        m_rec->take();
        entry->trigger();
    }

    void dropText(const QString &key, const QString &text)
    {
        QMimeData data;
        data.setText(text);
        emit m_tree->tvw->nodeDragOver(node(key));
        emit m_tree->tvw->nodeDrop(&data, false);
    }

    QStringList children(const QString &key) const
    {
        QStringList out;
        QTreeWidgetItem *n = node(key);
        for (int i = 0; n && i < n->childCount(); ++i)
            out << TreeViewTarget::key(n->child(i)) + ' ' + n->child(i)->text(0);
        return out;
    }

private slots:
    void init()
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

    void cleanup()
    {
        m_rec.reset();
        m_tree.reset();
        modADO::CloseConnection();
        m_prompts.reset();
        m_home.reset();
    }

    void menus()
    {
        // The folder entries name the folder right-clicked, not the one shown before.
        command("D_12", m_tree->mnuHiddenFolderExport);
        QCOMPARE(m_rec->take(), QStringList{"OnExport(3,12)"});
        command("D_11", m_tree->mnuHiddenFolderSongbook);
        QCOMPARE(m_rec->take(), QStringList{"OnSongbook(3,11)"});
        command("ROOT", m_tree->mnuRootExportCategory);
        QCOMPARE(m_rec->take(), QStringList{"OnExport(3,0)"});
    }

    void deletes_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("byKey");  // the Delete key, else the context menu
        QTest::addColumn<Prompts::Answer>("answer");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("folder without files") << "D_13" << false << Prompts::Answer::Yes
            << "Are you sure you wish to delete the folder \"Beatles\" and all files?" << QStringList{"OnFolderDelete(13,)"};
        QTest::newRow("file, Delete key, No") << "F_42" << true << Prompts::Answer::No
            << "Are you sure you wish to delete the file \"Kashmir\"?" << QStringList{};
    }
    void deletes()
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
        QCOMPARE(m_prompts->last().defaultAnswer, Prompts::Answer::No);
        QTEST(m_rec->take(), "events");
        QVERIFY(node(key));  // the host removes the node once the store has changed
    }

    // The host renames what the pane passes on (trimmed, see the main window's tests); blanks pass nothing.
    void blankNamesRenameNothing()
    {
        for (const QString key : {"F_40", "D_12"}) {
            m_prompts->answerInput("   ");
            command(key, key.startsWith("D_") ? m_tree->mnuHiddenFolderRename : m_tree->mnuHiddenFileRename);
            QCOMPARE(m_prompts->last().defaultText, node(key)->text(0));
            QCOMPARE(m_rec->take(), QStringList{});
        }
    }

    void textDrops_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored");  // folder;title;tab of the new file, empty: none
        QTest::addColumn<QString>("message");
        QTest::newRow("17 characters") << "D_13" << "0123456789abcdefg" << "13;0123456789abcdef...;0123456789abcdefg" << "";
        QTest::newRow("on a file: its folder") << "F_41" << "e|-0-|" << "11;e|-0-|;e|-0-|" << "";
        QTest::newRow("line ends held as CR LF") << "D_13" << "e|-0-|\nB|-1-|" << "13;e|-0-|\r\nB|-1-|;e|-0-|\r\nB|-1-|" << "";
        QTest::newRow("on the root") << "ROOT" << "e|-0-|" << "" << "You can not drag to the root node!";
    }
    void textDrops()
    {
        QFETCH(QString, target);
        QFETCH(QString, text);
        QFETCH(QString, stored);
        dropText(target, text);
        const QString made = StoreRows::scalar(m_store, "SELECT directory_id||';'||filename||';'||tab FROM file JOIN tablature "
                                                        "USING(file_id) WHERE file_id=44").toString();
        QCOMPARE(made, stored);
        QTEST(m_prompts->asked.isEmpty() ? QString() : m_prompts->last().text, "message");
        if (!stored.isEmpty()) {
            QCOMPARE(TreeViewTarget::key(m_tree->tvw->currentItem()), QString("F_44"));
            QVERIFY(!m_rec->log.contains("OnFileAdd"));
        }
        QCOMPARE(m_tree->tvw->dropHighlight(), m_tree->tvw->currentItem());
    }

    // Dropped through the view's own events: the pane makes one file, the view inserts nothing;
    // a local file is offered for import, not made into a file of its path's text.
    void aDropEventInsertsNoCopies()
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
    // outside makes a file and moves nothing; nor does a node dropped after the drag ended.
    void staleDragSource()
    {
        QTest::mousePress(m_tree->tvw->viewport(), Qt::LeftButton, {}, centre("F_40"));
        dropText("D_11", "Outside text");
        QCOMPARE(children("D_12"), (QStringList{"F_40 Stairway", "F_42 Kashmir"}));
        QCOMPARE(children("D_11").last(), QString("F_44 Outside text"));
        QVERIFY(!m_rec->log.join(' ').contains("OnFileDragDrop"));
        QTest::mousePress(m_tree->tvw->viewport(), Qt::LeftButton, {}, centre("F_42"));
        emit m_tree->tvw->dragFinished();
        QMimeData data;
        data.setData("application/x-chordex-node", "Kashmir");
        emit m_tree->tvw->nodeDragOver(node("D_11"));
        emit m_tree->tvw->nodeDrop(&data, true);
        QCOMPARE(children("D_12"), (QStringList{"F_40 Stairway", "F_42 Kashmir"}));
    }

    // Pressed on one node and released on another: the selection goes back to the node clicked
    // last, which the host holds, and the Delete key asks about that one.
    void pressReleasedElsewhereKeepsTheSelection()
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
};

QTEST_MAIN(tst_ctlTreeEdit)
#include "tst_ctlTreeEdit.moc"
