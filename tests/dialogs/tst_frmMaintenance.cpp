#include "ScriptedPrompts.h"
#include "StoreRows.h"
#include "TestHome.h"
#include "dialogs/frmMaintenance.h"
#include "store/modADO.h"
#include "ui/ListWidgetTarget.h"

#include <QLabel>
#include <QListWidget>
#include <QtTest>

// The maintenance dialog on a real store: its lists and their ids, the category delete rules,
// the hint, the Changed flag, and errors that add nothing.
class tst_frmMaintenance : public QObject
{
    Q_OBJECT

    TestHome *m_home = nullptr;
    QString m_store;

    static QStringList texts(const QListWidget &list)
    {
        QStringList out;
        for (int i = 0; i < list.count(); ++i)
            out << list.item(i)->text() + "#" + list.item(i)->data(ListWidgetTarget::IdRole).toString();
        return out;
    }

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
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("deleted");
        QTest::newRow("holds folders") << 0 << int(Prompts::Answer::Yes)
                                       << "You can not delete a category that contains folders!" << false;
        QTest::newRow("empty, answered No") << 1 << int(Prompts::Answer::No)
                                            << "Are you sure you wish to delete the category \"Bass\"?\r\n\r\n"
                                               "Warning: This operation can not be undone!" << false;
        QTest::newRow("empty, answered Yes") << 1 << int(Prompts::Answer::Yes)
                                             << "Are you sure you wish to delete the category \"Bass\"?\r\n\r\n"
                                                "Warning: This operation can not be undone!" << true;
    }

    void deleteCategory()
    {
        QFETCH(int, row);
        QFETCH(int, answer);
        QFETCH(QString, message);
        QFETCH(bool, deleted);
        ScriptedPrompts prompts;
        prompts.answer(Prompts::Answer(answer));
        frmMaintenance d(prompts);
        d.Form_Load();
        d.lstCategories->setCurrentRow(row);
        d.cmdDeleteCat_Click();
        QCOMPARE(prompts.last().text, message);
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

    void theLastCategoryGoneShowsTheHint()
    {
        StoreRows::exec(m_store, "DELETE FROM tablature; DELETE FROM file; DELETE FROM directories;"
                                 "DELETE FROM categories WHERE category_id=2;");
        ScriptedPrompts prompts;
        frmMaintenance d(prompts);
        d.Form_Load();
        prompts.answer(Prompts::Answer::Yes);
        d.cmdDeleteCat_Click();
        QCOMPARE(d.lstCategories->count(), 0);
        QVERIFY(!d.lbl->isHidden());
        QCOMPARE(d.lbl->text(), QString("The current Chordex does not contain any categories or folders.  Please add some."));
        d.cmdDeleteCat_Click();
        QCOMPARE(prompts.last().text, QString("No category selected to delete!"));
        d.cmdAddFolder_Click();
        QCOMPARE(prompts.last().text, QString("You must add a category before adding a folder!"));

        // adding a category hides the hint and chooses it
        prompts.answerInput("  Banjo ");
        d.cmdAddCat_Click();
        const int id = scalar("SELECT category_id FROM categories WHERE category='Banjo'").toInt();
        QVERIFY(id > 2);  // counters never reuse a deleted id
        QCOMPARE(texts(*d.lstCategories), QStringList{"Banjo#" + QString::number(id)});
        QCOMPARE(d.lstCategories->currentRow(), 0);
        QVERIFY(d.lbl->isHidden());
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

    // The store side of a folder delete (the question, large folders, all or nothing) is
    // tried in tst_modMain; here the dialog's list and flag follow it.
    void deleteFolder()
    {
        StoreRows::exec(m_store, "INSERT INTO file(directory_id, filename) VALUES (2,'Two');"
                                 "INSERT INTO tablature(file_id, tab, notes) VALUES (2,'x','');");
        ScriptedPrompts prompts;
        prompts.answer(Prompts::Answer::Yes);
        frmMaintenance d(prompts);
        d.Form_Load();
        QCOMPARE(d.lstFolders->currentItem()->text(), QString("Riffs"));
        d.cmdDeleteFolder_Click();
        QCOMPARE(prompts.asked.size(), 1);  // the question only: no error
        QVERIFY(d.Changed());
        QCOMPARE(texts(*d.lstFolders), QStringList{"Scales#1"});
        QCOMPARE(scalar("SELECT COUNT(*) FROM file").toInt(), 0);
        QCOMPARE(scalar("SELECT COUNT(*) FROM tablature").toInt(), 0);
        d.lstFolders->setCurrentRow(-1);
        d.cmdDeleteFolder_Click();
        QCOMPARE(prompts.last().text, QString("No folder selected to delete!"));
    }
};

QTEST_MAIN(tst_frmMaintenance)
#include "tst_frmMaintenance.moc"
