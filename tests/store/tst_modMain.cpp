#include "ScriptedPrompts.h"
#include "StoreRows.h"
#include "TestHome.h"
#include "store/DbError.h"
#include "store/Targets.h"
#include "store/modADO.h"
#include "store/modMain.h"

#include <QtTest>

namespace {

// Targets that log what the fills do, in order.
struct LogList final : ListTarget
{
    QStringList log;
    int n = 0;
    void clear() override { log << "clear"; n = 0; }
    void addItem(const QString &text, qint32 data) override { log << text + "=" + QString::number(data); ++n; }
    int count() const override { return n; }
    void choose(int index) override { log << "choose " + QString::number(index); }
};

struct LogTree final : TreeTarget
{
    QStringList log;
    void clear() override { log << "clear"; }
    void addNode(const QString &parent, const QString &key, const QString &text, int image, int expanded) override
    {
        log << QString("%1>%2 %3 %4/%5").arg(parent, key, text).arg(image).arg(expanded);
    }
    void expand(const QString &key) override { log << "expand " + key; }
};

struct LogListView final : ListViewTarget
{
    QStringList log;
    void addListItem(const QString &key, const QString &text, const QStringList &sub, const QVariant &tag) override
    {
        log << key + " " + text + " [" + sub.join('|') + "] " + tag.toString();
    }
};

}  // namespace

class tst_modMain : public QObject
{
    Q_OBJECT

private:
    TestHome *m_home = nullptr;
    QString m_path;

    int count(const QString &table) { return StoreRows::scalar(m_path, "SELECT count(*) FROM " + table).toInt(); }

private slots:
    void init()
    {
        m_home = new TestHome;
        m_path = m_home->newStore("Cat");
        StoreRows::exec(m_path,
            "INSERT INTO categories(category) VALUES ('Guitar'),('Bass'),('Empty');"
            "INSERT INTO directories(category_id, directory) VALUES (1,'riffs'),(1,'Exercises'),(2,'Lines'),(1,'Blues');"
            "INSERT INTO file(directory_id, filename) VALUES (1,'R1'),(2,'E1'),(1,'R2'),(3,'L1'),(2,'E2'),(2,'E3');"
            "INSERT INTO tablature(file_id, tab, notes) VALUES (1,'t1',''),(2,'t2',''),(3,'t3',''),(4,'t4',''),(5,'t5',''),(6,'t6','');"
            "INSERT INTO bookmarks(bookmark, description, category_id, directory_id, file_id) VALUES "
            "('Warm up','Daily',1,2,2),('Groove','Slow',2,3,4);");
        QVERIFY(modADO::OpenConnection(m_path, "Cat"));
    }
    void cleanup()
    {
        modADO::CloseConnection();
        delete m_home;
    }

    void lookUps()
    {
        QCOMPARE(modMain::FolderName(2), QString("Exercises"));
        QCOMPARE(modMain::FolderName(999), QString());
        QCOMPARE(modMain::CategoryName(2), QString("Bass"));
        QCOMPARE(modMain::CategoryName(0), QString());
        QVERIFY(modMain::CategoryHasFolders(1));
        QVERIFY(!modMain::CategoryHasFolders(3));
    }

    void insertsReturnTheNewIdentifier()
    {
        QCOMPARE(modMain::InsertCategory("Keys"), 4);
        StoreRows::exec(m_path, "DELETE FROM categories WHERE category_id=4");
        QCOMPARE(modMain::InsertCategory("Drums"), 5);
        QCOMPARE(modMain::InsertFolder(5, "Fills"), 5);
        QCOMPARE(StoreRows::scalar(m_path, "SELECT category_id || ':' || directory FROM directories WHERE directory_id=5").toString(),
                 QString("5:Fills"));

        TestHome other;
        const QString empty = other.newStore("Empty");
        QVERIFY(modADO::OpenConnection(empty, "Empty"));
        QCOMPARE(modMain::InsertCategory("First"), 1);
    }

    void removeFolderAsksThenDeletesItsFilesOnly_data()
    {
        QTest::addColumn<int>("folder");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("filesLeft");
        QTest::newRow("answered No") << 2 << false << QStringList({"1", "2", "3", "4", "5", "6"});
        QTest::newRow("three files") << 2 << true << QStringList({"1", "3", "4"});
        QTest::newRow("no files") << 4 << true << QStringList({"1", "2", "3", "4", "5", "6"});
    }

    void removeFolderAsksThenDeletesItsFilesOnly()
    {
        QFETCH(int, folder);
        QFETCH(bool, yes);
        QFETCH(QStringList, filesLeft);
        ScriptedPrompts prompts;
        prompts.answer(yes ? Prompts::Answer::Yes : Prompts::Answer::No);
        QCOMPARE(modMain::RemoveFolder(prompts, folder, "Exercises"), yes);
        const auto &q = prompts.last();
        QCOMPARE(q.text, QString("Are you sure you wish to delete the folder \"Exercises\" and all files?\r\n\r\n"
                                 "Warning: This operation can not be undone!"));
        QCOMPARE(q.title, QString("Confirm Delete"));
        QCOMPARE(q.icon, Prompts::Icon::Exclamation);
        QCOMPARE(q.buttons, Prompts::Buttons::YesNo);
        QCOMPARE(q.defaultAnswer, Prompts::Answer::No);
        QCOMPARE(StoreRows::column(m_path, "SELECT file_id FROM file ORDER BY file_id"), filesLeft);
        QCOMPARE(StoreRows::column(m_path, "SELECT file_id FROM tablature ORDER BY file_id"), filesLeft);
        QCOMPARE(count("directories"), yes ? 3 : 4);
        QCOMPARE(count("bookmarks"), 2);  // bookmarks stay; the list drops them
    }

    void fillsListCategoriesAndFolders()
    {
        ScriptedPrompts prompts;
        LogList list;
        modMain::FillCategoryList(prompts, list);
        QCOMPARE(list.log, QStringList({"clear", "Guitar=1", "Bass=2", "Empty=3", "choose 0"}));

        LogList folders;
        modMain::FillFolders(prompts, 1, folders);
        QCOMPARE(folders.log, QStringList({"clear", "Blues=4", "Exercises=2", "riffs=1"}));  // by name, any case
        QCOMPARE(prompts.asked.size(), 0);
    }

    void fillsTheTree()
    {
        ScriptedPrompts prompts;
        LogTree tree;
        modMain::FillFolders(prompts, 1, tree);
        // folders by name under the expanded root, then the files: each folder's in store order
        QCOMPARE(tree.log.mid(0, 6), QStringList({"clear", ">ROOT Cat 5/0", "expand ROOT", "ROOT>D_4 Blues 1/2",
                                                  "ROOT>D_2 Exercises 1/2", "ROOT>D_1 riffs 1/2"}));
        QCOMPARE(tree.log.size(), 11);
        QCOMPARE(tree.log.filter(QRegularExpression("^D_1>")), QStringList({"D_1>F_1 R1 4/0", "D_1>F_3 R2 4/0"}));
        QCOMPARE(tree.log.filter(QRegularExpression("^D_2>")),
                 QStringList({"D_2>F_2 E1 4/0", "D_2>F_5 E2 4/0", "D_2>F_6 E3 4/0"}));
        LogTree empty;
        modMain::FillFolders(prompts, 3, empty);
        QCOMPARE(empty.log, QStringList({"clear", ">ROOT Cat 5/0", "expand ROOT"}));
    }

    // More rows than the engine allows terms in one condition: the statements must not grow
    // with the number of folders or files.
    void largeCategoryFillsTheWholeTree()
    {
        StoreRows::exec(m_path,
            "INSERT INTO categories(category) VALUES ('Grosse Sammlung');"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<1200) "
            "INSERT INTO directories(category_id, directory) SELECT 4, printf('Složka %04d', i) FROM n;"
            "INSERT INTO file(directory_id, filename) SELECT directory_id, 'Tři čuníci ' || directory_id "
            "FROM directories WHERE category_id=4;");
        ScriptedPrompts prompts;
        LogTree tree;
        modMain::FillFolders(prompts, 4, tree);
        QCOMPARE(prompts.asked.size(), 0);
        QCOMPARE(tree.log.filter(QRegularExpression("^ROOT>D_")).size(), 1200);
        const QStringList files = tree.log.filter(QRegularExpression("^D_\\d+>F_"));
        QCOMPARE(files.size(), 1200);
        QVERIFY(files.contains("D_1204>F_1206 Tři čuníci 1204 4/0"));  // each file under its own folder
        QVERIFY(files.contains("D_5>F_7 Tři čuníci 5 4/0"));
    }

    void largeFolderIsRemovedInOneTransaction_data()
    {
        QTest::addColumn<bool>("refused");
        QTest::newRow("removed") << false;
        QTest::newRow("last step refused, files and tab rows come back") << true;
    }

    void largeFolderIsRemovedInOneTransaction()
    {
        QFETCH(bool, refused);
        StoreRows::exec(m_path,
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<1500) "
            "INSERT INTO file(directory_id, filename) SELECT 4, 'Café über ' || i FROM n;"
            "INSERT INTO tablature(file_id, tab, notes) SELECT file_id, 'e|--0--|', '' FROM file WHERE directory_id=4;");
        if (refused)
            StoreRows::exec(m_path, "CREATE TRIGGER keep BEFORE DELETE ON directories BEGIN SELECT RAISE(ABORT, 'locked'); END;");
        ScriptedPrompts prompts;
        prompts.answer(Prompts::Answer::Yes);
        if (refused)
            QVERIFY_THROWS_EXCEPTION(DbError, modMain::RemoveFolder(prompts, 4, "Blues"));
        else
            QVERIFY(modMain::RemoveFolder(prompts, 4, "Blues"));
        QCOMPARE(count("file"), refused ? 1506 : 6);
        QCOMPARE(count("tablature"), refused ? 1506 : 6);
        QCOMPARE(count("directories"), refused ? 4 : 3);
        QCOMPARE(modMain::FolderName(4), QString(refused ? "Blues" : ""));  // the connection still works
    }

    void fillErrorsAreReported()
    {
        StoreRows::exec(m_path, "DROP TABLE file; CREATE TABLE file(x);");
        ScriptedPrompts prompts;
        LogTree tree;
        modMain::FillFolders(prompts, 1, tree);
        QCOMPARE(prompts.count(ScriptedPrompts::Kind::Message), 1);
        QVERIFY(prompts.last().text.contains(QRegularExpression("^\\d+ - .+")));
        QCOMPARE(prompts.last().title, QString("Chordex"));
        QCOMPARE(prompts.last().buttons, Prompts::Buttons::Ok);
        QVERIFY(tree.log.contains("ROOT>D_1 riffs 1/2"));  // partly filled, then stopped
    }

    void bookmarkListJoinsAndKeys()
    {
        StoreRows::exec(m_path, "INSERT INTO bookmarks(bookmark, description, category_id, directory_id, file_id) "
                                "VALUES ('Orphan','file gone',1,1,77);");
        LogListView list;
        modMain::LoadBookmarkList(list);
        QCOMPARE(list.log, QStringList({"1||2||2 Warm up [Daily|E1|Exercises|Guitar] 1",
                                        "2||3||4 Groove [Slow|L1|Lines|Bass] 2"}));
    }
};

QTEST_GUILESS_MAIN(tst_modMain)
#include "tst_modMain.moc"
