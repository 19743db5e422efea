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

    void insertsReturnTheNewIdentifier()
    {
        QCOMPARE(modMain::InsertCategory("Keys"), 4);
        StoreRows::exec(m_path, "DELETE FROM categories WHERE category_id=4");
        QCOMPARE(modMain::InsertCategory("Drums"), 5);
        QCOMPARE(modMain::InsertFolder(5, "Fills"), 5);
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
        QCOMPARE(tree.log.filter(QRegularExpression("^ROOT>D_")).size(), 1200);
        const QStringList files = tree.log.filter(QRegularExpression("^D_\\d+>F_"));
        QCOMPARE(files.size(), 1200);
        QVERIFY(files.contains("D_1204>F_1206 Tři čuníci 1204 4/0"));  // each file under its own folder
    }

    // A folder of 1,500 files whose last step is refused: files and tab rows all come back.
    void largeFolderRemovalRefusedChangesNothing()
    {
        StoreRows::exec(m_path,
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<1500) "
            "INSERT INTO file(directory_id, filename) SELECT 4, 'Café über ' || i FROM n;"
            "INSERT INTO tablature(file_id, tab, notes) SELECT file_id, 'e|--0--|', '' FROM file WHERE directory_id=4;"
            "CREATE TRIGGER keep BEFORE DELETE ON directories BEGIN SELECT RAISE(ABORT, 'locked'); END;");
        ScriptedPrompts prompts;
        prompts.answer(Prompts::Answer::Yes);
        QVERIFY_THROWS_EXCEPTION(DbError, modMain::RemoveFolder(prompts, 4, "Blues"));
        QCOMPARE(count("file"), 1506);
        QCOMPARE(count("tablature"), 1506);
        QCOMPARE(count("directories"), 4);
        QCOMPARE(modMain::FolderName(4), QString("Blues"));  // the connection still works
    }

    void fillErrorsAreReported()
    {
        StoreRows::exec(m_path, "DROP TABLE file; CREATE TABLE file(x);");
        ScriptedPrompts prompts;
        LogTree tree;
        modMain::FillFolders(prompts, 1, tree);
        QCOMPARE(prompts.count(ScriptedPrompts::Kind::Message), 1);
        QVERIFY(prompts.last().text.contains(QRegularExpression("^\\d+ - .+")));
        QVERIFY(tree.log.contains("ROOT>D_1 riffs 1/2"));  // partly filled, then stopped
    }
};

QTEST_GUILESS_MAIN(tst_modMain)
#include "tst_modMain.moc"
