#include "MainFixture.h"
#include "StoreRows.h"

#include "details/ctlDetails.h"
#include "dialogs/frmSelector.h"
#include "tree/TreeControl.h"
#include "tree/TreeViewTarget.h"
#include "tree/ctlTree.h"
#include "ui/ListViewAdapter.h"
#include "view/ctlView.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

namespace {

// The bookmark list as "key file|folder|category", in list order.
QStringList bookmarks(const frmMain &w)
{
    QStringList out;
    QTreeWidget *list = w.ctlDetails1->lvwBookmarks;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = list->topLevelItem(i);
        out << ListViewAdapter::key(*item) + ' ' + item->text(2) + '|' + item->text(3) + '|' + item->text(4);
    }
    return out;
}

// The bookmark rows of the store, in the same form.
QStringList storedBookmarks(const QString &store)
{
    return StoreRows::column(store,
        "SELECT b.category_id||'||'||b.directory_id||'||'||b.file_id||' '||f.filename||'|'||d.directory||'|'||c.category "
        "FROM bookmarks b JOIN file f USING(file_id) JOIN directories d ON d.directory_id=b.directory_id "
        "JOIN categories c ON c.category_id=b.category_id ORDER BY b.bookmark_id");
}

// "key text" of the shown tree's nodes, depth first.
QStringList nodes(const frmMain &w)
{
    QStringList out;
    for (QTreeWidgetItemIterator it(w.ctlTree1->tvw); *it; ++it)
        out << TreeViewTarget::key(*it) + ' ' + (*it)->text(0);
    return out;
}

QStringList catalogue(const QString &store)
{
    return StoreRows::column(store, "SELECT 'd'||directory_id||':'||category_id||','||directory FROM directories") +
           StoreRows::column(store, "SELECT 'f'||file_id||':'||directory_id||','||filename FROM file") +
           StoreRows::column(store, "SELECT 't'||file_id FROM tablature") + storedBookmarks(store);
}

// The fixture's store with a second bookmark, on file 2 "Two" in Guitar/Riffs.
void open(MainFixture &f)
{
    StoreRows::exec(f.store, "INSERT INTO bookmarks(bookmark, description, category_id, directory_id, file_id) "
                             "VALUES ('Mine','',1,1,2);");
    f.openTestStore();
}

void refuse(MainFixture &f, const char *when)
{
    StoreRows::exec(f.store, QString("CREATE TRIGGER nope %1 BEGIN SELECT RAISE(ABORT, 'disk full'); END;").arg(when));
}

}  // namespace

class tst_frmMainChanges : public QObject
{
    Q_OBJECT

private slots:
    // A folder goes with its files, their text and their bookmarks; a refusal changes nothing.
    void folderDelete_data()
    {
        QTest::addColumn<bool>("refused");
        QTest::newRow("with files and a bookmark") << false;
        QTest::newRow("refused by the store") << true;
    }

    void folderDelete()
    {
        QFETCH(bool, refused);
        MainFixture f;
        open(f);
        if (refused)
            refuse(f, "BEFORE DELETE ON directories");
        const QStringList before = catalogue(f.store);
        const QStringList treeBefore = nodes(*f.w);
        QVERIFY(f.w->ctlTree1->SelectNode("1||1"));
        f.prompts.answer(Prompts::Answer::Yes);
        f.w->mnuFileDeleteFolder->trigger();
        QCOMPARE(storedBookmarks(f.store), bookmarks(*f.w));
        if (refused) {
            QVERIFY(f.prompts.last().text.contains("disk full"));
            QCOMPARE(catalogue(f.store), before);
            QCOMPARE(nodes(*f.w), treeBefore);
            return;
        }
        QCOMPARE(bookmarks(*f.w), QStringList{"2||3||3 Three|Lines|Bass"});
        QCOMPARE(f.prompts.count(ScriptedPrompts::Kind::Message), 1);  // the question only
        QCOMPARE(StoreRows::scalar(f.store, "SELECT COUNT(*) FROM directories WHERE directory_id=1").toInt(), 0);
        QCOMPARE(StoreRows::scalar(f.store, "SELECT COUNT(*) FROM tablature WHERE file_id NOT IN (SELECT file_id FROM file)").toInt(), 0);
        QCOMPARE(nodes(*f.w).size(), treeBefore.size() - 3);
    }

    // The tree's filter names each of the 5,000 files; the store is asked by folder instead.
    void deletesAFolderOf5000Files()
    {
        MainFixture f;
        StoreRows::exec(f.store,
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<5000) "
            "INSERT INTO file(directory_id, filename) SELECT 2, 'f'||i FROM n;"
            "INSERT INTO tablature(file_id, tab, notes) SELECT file_id, 'x', '' FROM file WHERE directory_id=2;");
        f.openTestStore();
        QVERIFY(f.w->ctlTree1->SelectNode("1||2"));
        QString filter;
        connect(f.w->ctlTree1, &ctlTree::OnFolderDelete, this, [&](qint32, const QString &text) { filter = text; });
        f.prompts.answer(Prompts::Answer::Yes);
        f.w->mnuFileDeleteFolder->trigger();
        QCOMPARE(filter.count(" OR "), 4999);
        QCOMPARE(f.prompts.count(ScriptedPrompts::Kind::Message), 1);
        QCOMPARE(StoreRows::scalar(f.store, "SELECT COUNT(*) FROM file").toInt(), 3);
        QCOMPARE(StoreRows::scalar(f.store, "SELECT COUNT(*) FROM tablature").toInt(), 3);
    }

    void renames_data()
    {
        QTest::addColumn<QString>("node");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("bookmarksAfter");
        const QStringList before{"2||3||3 Three|Lines|Bass", "1||1||2 Two|Riffs|Guitar"};
        QTest::newRow("file") << "2||3||3" << false << "Bass line"
            << QStringList{"2||3||3 Bass line|Lines|Bass", "1||1||2 Two|Riffs|Guitar"};
        QTest::newRow("folder, refused") << "1||1" << true << "Riffs" << before;
    }

    void renames()
    {
        QFETCH(QString, node);
        QFETCH(bool, refused);
        QFETCH(QString, stored);
        MainFixture f;
        open(f);
        const bool file = node.count("||") == 2;
        if (refused)
            refuse(f, file ? "BEFORE UPDATE ON file" : "BEFORE UPDATE ON directories");
        QVERIFY(f.w->ctlTree1->SelectNode(node));
        f.prompts.answerInput("  Bass line ");
        (file ? f.w->ctlTree1->mnuHiddenFileRename : f.w->ctlTree1->mnuHiddenFolderRename)->trigger();
        const QString key = file ? "F_3" : "D_1";
        QCOMPARE(StoreRows::scalar(f.store, file ? "SELECT filename FROM file WHERE file_id=3"
                                                 : "SELECT directory FROM directories WHERE directory_id=1").toString(), stored);
        QVERIFY2(nodes(*f.w).contains(key + ' ' + stored), qPrintable(nodes(*f.w).join(',')));
        QTEST(bookmarks(*f.w), "bookmarksAfter");
        if (file)
            QCOMPARE(f.w->ctlView1->TitleText(), stored);
        QCOMPARE(f.prompts.count(ScriptedPrompts::Kind::Message), refused ? 1 : 0);
    }

    // The moved file's bookmark follows it, in the list and in the store; a refusal moves nothing.
    void moves_data()
    {
        QTest::addColumn<QString>("how");  // "file|folder <category index> [<folder index>]"
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("bookmarkAfter");
        QTest::newRow("file to a folder of its category") << "file 0 1" << false << "1||2||2 Two|Scales|Guitar";
        QTest::newRow("file to another category") << "file 1 0" << false << "2||3||2 Two|Lines|Bass";
        QTest::newRow("folder move refused") << "folder 1" << true << "1||1||2 Two|Riffs|Guitar";
    }

    void moves()
    {
        QFETCH(QString, how);
        QFETCH(bool, refused);
        MainFixture f;
        open(f);
        if (refused)
            refuse(f, "BEFORE UPDATE ON bookmarks");
        const QStringList before = catalogue(f.store);
        const QStringList treeBefore = nodes(*f.w);
        const QStringList a = how.split(' ');
        f.prompts.answerModal([&](QDialog &d) {
            auto &chooser = static_cast<frmSelector &>(d);
            const int category = a[1].toInt();
            chooser.cbo->setCurrentIndex(category);
            emit chooser.cbo->activated(category);
            if (a.size() > 2)
                chooser.cboFolders->setCurrentIndex(a[2].toInt());
            chooser.cmdOk->click();
            return chooser.result();
        });
        ctlTree *tree = f.w->ctlTree1;
        QVERIFY(tree->SelectNode(a[0] == "file" ? "1||1||2" : "1||1"));
        (a[0] == "file" ? tree->mnuHiddenFileMove : tree->mnuHiddenFolderMove)->trigger();
        QTEST(bookmarks(*f.w).last(), "bookmarkAfter");
        QCOMPARE(storedBookmarks(f.store), bookmarks(*f.w));
        if (refused) {
            QVERIFY(f.prompts.last().text.contains("disk full"));
            QCOMPARE(catalogue(f.store), before);
            QCOMPARE(nodes(*f.w), treeBefore);
        } else {
            QCOMPARE(f.prompts.count(ScriptedPrompts::Kind::Message), 0);
        }
    }
};

QTEST_MAIN(tst_frmMainChanges)
#include "tst_frmMainChanges.moc"
