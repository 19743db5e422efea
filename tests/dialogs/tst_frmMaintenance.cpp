#include "ScriptedPrompts.h"
#include "StoreRows.h"
#include "TestHome.h"
#include "dialogs/frmMaintenance.h"
#include "store/modADO.h"

#include <QLabel>
#include <QListWidget>
#include <QtTest>

// The maintenance dialog on a real store: the category delete rules, the Changed flag, and
// errors that add nothing.
class tst_frmMaintenance : public QObject
{
    Q_OBJECT

    TestHome *m_home = nullptr;
    QString m_store;

    QVariant scalar(const QString &sql) const { return StoreRows::scalar(m_store, sql); }

private slots:
    void init()
    {
        m_home = new TestHome;
        m_store = m_home->newStore("Test");
        StoreRows::exec(m_store,
            "INSERT INTO categories(category) VALUES ('Guitar'),('Bass');"
            "INSERT INTO directories(category_id, directory) VALUES (1,'Scales'),(1,'Riffs');"
            "INSERT INTO file(directory_id, filename) VALUES (2,'One');"
            "INSERT INTO tablature(file_id, tab, notes) VALUES (1,'e|--1--|','');");
        QVERIFY(modADO::OpenConnection(m_store, "Test"));
    }

    void cleanup()
    {
        modADO::CloseConnection();
        delete m_home;
        m_home = nullptr;
    }

    void deleteCategory_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("deleted");
        QTest::newRow("holds folders") << 0 << "You can not delete a category that contains folders!" << false;
        QTest::newRow("empty, answered Yes") << 1 << "Are you sure you wish to delete the category \"Bass\"?\r\n\r\n"
                                                "Warning: This operation can not be undone!" << true;
    }

    void deleteCategory()
    {
        QFETCH(int, row);
        QFETCH(bool, deleted);
        ScriptedPrompts prompts;
        prompts.answer(Prompts::Answer::Yes);
        frmMaintenance d(prompts);
        d.Form_Load();
        d.lstCategories->setCurrentRow(row);
        d.cmdDeleteCat_Click();
        QTEST(prompts.last().text, "message");
        QCOMPARE(prompts.last().icon, Prompts::Icon::Exclamation);
        QCOMPARE(scalar("SELECT COUNT(*) FROM categories").toInt(), deleted ? 1 : 2);
        QCOMPARE(d.lstCategories->count(), deleted ? 1 : 2);
        QCOMPARE(d.Changed(), deleted);
        QCOMPARE(scalar("SELECT COUNT(*) FROM directories").toInt(), 2);
        if (deleted) {  // the first category is chosen again, with its folders
            QCOMPARE(d.lstCategories->currentRow(), 0);
            QCOMPARE(d.lstFolders->count(), 2);
        }
    }

    void storeErrorsAreReportedAndAddNothing_data()
    {
        QTest::addColumn<QString>("table");
        QTest::newRow("category") << "categories";
        QTest::newRow("folder") << "directories";
    }

    void storeErrorsAreReportedAndAddNothing()
    {
        QFETCH(QString, table);
        StoreRows::exec(m_store, "CREATE TRIGGER full BEFORE INSERT ON " + table +
                                     " BEGIN SELECT RAISE(ABORT, 'disk full'); END;");
        ScriptedPrompts prompts;
        frmMaintenance d(prompts);
        d.Form_Load();
        prompts.answerInput("New one");
        table == "categories" ? d.cmdAddCat_Click() : d.cmdAddFolder_Click();
        QCOMPARE(prompts.last().icon, Prompts::Icon::Critical);
        QVERIFY2(prompts.last().text.contains(" - ") && prompts.last().text.contains("disk full"),
                 qPrintable(prompts.last().text));
        QCOMPARE(d.lstCategories->count(), 2);
        QCOMPARE(d.lstFolders->count(), 2);
        QVERIFY(!d.Changed());
    }

};

QTEST_MAIN(tst_frmMaintenance)
#include "tst_frmMaintenance.moc"
