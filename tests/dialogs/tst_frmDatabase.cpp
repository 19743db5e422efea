#include "ScriptedPrompts.h"
#include "TestHome.h"
#include "dialogs/frmDatabase.h"
#include "store/modADO.h"
#include "store/modSettings.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QLabel>
#include <QListWidget>
#include <QtTest>

// The store manager: the list and its count, names that must never leave the db folder,
// the open store that must never vanish, renames that keep the start-up choice, and failures.
class tst_frmDatabase : public QObject
{
    Q_OBJECT

    static QStringList names(const frmDatabase &d)
    {
        QStringList out;
        for (int i = 0; i < d.lvListView->count(); ++i)
            out << d.lvListView->item(i)->text();
        return out;
    }

    // Every file below the program folder with its size (settings aside), so any write shows.
    static QStringList files(const TestHome &home)
    {
        QStringList out;
        QDirIterator it(home.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            if (!it.filePath().contains("/settings/"))
                out << it.filePath() + ":" + QString::number(it.fileInfo().size());
        }
        out.sort();
        return out;
    }

    // As the user does it: a mouse click on the item.
    static void click(frmDatabase &d, const QString &name)
    {
        QListWidgetItem *item = d.lvListView->findItems(name, Qt::MatchExactly).value(0);
        QVERIFY(item);
        QTest::mouseClick(d.lvListView->viewport(), Qt::LeftButton, {}, d.lvListView->visualItemRect(item).center());
    }

    static QString setting(const char *key) { return modSettings::GetSetting("Settings", key, "<none>"); }

    static void setStart(const QString &path, const QString &name)
    {
        modSettings::SaveSetting("Settings", "ChordexFile", path);
        modSettings::SaveSetting("Settings", "ChordexName", name);
    }

private slots:
    void cleanup() { modADO::CloseConnection(); }

    void listAndCount()
    {
        const QString count = "3 Chordexs";
        TestHome home;
        for (const char *s : {"riffs", "Band", "Sample"})
            home.newStore(s);
        QFile(home.path() + "db/notes.txt").open(QIODevice::WriteOnly);  // not a store
        QDir(home.path() + "db").mkdir("folder.mdb");                     // not a file
        ScriptedPrompts prompts;
        frmDatabase d(prompts);
        QCOMPARE(names(d), (QStringList{"Band", "riffs", "Sample"}));  // sorted without case
        QCOMPARE(d.lblCaption[0]->text(), count);
        QCOMPARE(d.lblCaption[1]->text(), count);
        d.show();
        click(d, "Sample");
        QVERIFY(d.chkSetStart->isChecked());  // with no settings the sample store is the start-up store

        // then every change recomputes the count
        prompts.answerInput("  Gig  ");  // blanks around the name are dropped
        d.cmdNew_Click();
        QVERIFY(QFileInfo::exists(home.dbPath("Gig")));
        QCOMPARE(d.lvListView->currentItem()->text(), QString("Gig"));
        prompts.answer(Prompts::Answer::Yes);
        d.cmdDelete_Click();
        QCOMPARE(prompts.last().text, QString("Are you sure you wish to delete \"Gig\"?\r\n\r\n"
                                              "Warning: This operation can not be undone!"));
        QVERIFY(!QFileInfo::exists(home.dbPath("Gig")));
        QCOMPARE(d.lblCaption[0]->text(), count);
        QVERIFY(d.lvListView->currentItem()->isSelected());  // the next store is ready to act on
    }

    void unsafeNamesAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");  // empty: accepted
        const QString slash = "A Chordex name can not contain / or \\.";
        QTest::newRow("parent folder") << "../Escaped" << slash;
        QTest::newRow("dot dot") << ".." << "A Chordex name can not contain \"..\".";
        QTest::newRow("hidden") << ".hidden" << "A Chordex name can not start with a dot.";
        QTest::newRow("tab") << "Band\tB" << "A Chordex name can not contain control characters.";
        QTest::newRow("101 characters") << QString(101, 'x') << "A Chordex name can not be longer than 100 characters.";
        QTest::newRow("100 characters") << QString(100, 'x') << QString();
    }

    void unsafeNamesAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        TestHome home;
        home.newStore("Sample");
        home.newStore("Other");
        const QString outside = QDir::cleanPath(home.path() + "../Escaped.mdb");
        const QStringList before = files(home);
        ScriptedPrompts prompts;
        frmDatabase d(prompts);
        d.lvListView->setCurrentRow(0);
        for (auto command : {&frmDatabase::cmdRename_Click, &frmDatabase::cmdCopy_Click, &frmDatabase::cmdNew_Click}) {
            prompts.answerInput(name);
            (d.*command)();
            if (message.isEmpty())
                break;  // renamed: the others would meet an existing name
            QCOMPARE(prompts.last().text, message);
            QCOMPARE(prompts.last().icon, Prompts::Icon::Critical);
        }
        if (message.isEmpty()) {
            QVERIFY(QFileInfo::exists(home.dbPath(name)));
            return;
        }
        QCOMPARE(files(home), before);
        QVERIFY(!QFileInfo::exists(outside));
        QCOMPARE(names(d), (QStringList{"Other", "Sample"}));
    }

    void theOpenStoreIsNeitherRenamedNorDeleted_data()
    {
        QTest::addColumn<bool>("rename");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::newRow("rename") << true
                                << "Error: You can not rename an open Chordex!  Please close the Chordex and try again."
                                << "Error";
        QTest::newRow("delete") << false << "You can not delete an open Chordex!" << "Chordex";
    }

    void theOpenStoreIsNeitherRenamedNorDeleted()
    {
        QFETCH(bool, rename);
        QFETCH(QString, title);
        TestHome home;
        home.newStore("Band");
        // opened through a path spelled differently from the list's key
        QVERIFY(modADO::OpenConnection(home.path() + "db/../db/./Band.mdb", "Band"));
        setStart(home.dbPath("Band"), "Band");
        const QStringList before = files(home);
        ScriptedPrompts prompts;
        prompts.answerInput("Renamed");
        prompts.answer(Prompts::Answer::Yes);
        frmDatabase d(prompts);
        rename ? d.cmdRename_Click() : d.cmdDelete_Click();
        QCOMPARE(prompts.asked.size(), 1);  // refused before any question
        QTEST(prompts.last().text, "message");
        QCOMPARE(prompts.last().title, title);
        QCOMPARE(files(home), before);
        QCOMPARE(names(d), QStringList{"Band"});
        QCOMPARE(setting("ChordexFile"), home.dbPath("Band"));
        QCOMPARE(setting("ChordexName"), QString("Band"));
    }

    void renameKeepsTheStartUpStore_data()
    {
        QTest::addColumn<bool>("isStart");
        QTest::newRow("start-up store") << true;
        QTest::newRow("another store") << false;
    }

    void renameKeepsTheStartUpStore()
    {
        QFETCH(bool, isStart);
        TestHome home;
        const QString band = home.newStore("Band");
        home.newStore("Sample");
        QFile(band + "-journal").open(QIODevice::WriteOnly);  // a journal left by a crash
        QFile original(band);
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray content = original.readAll();
        isStart ? setStart(band, "Band") : setStart(home.dbPath("Sample"), "Sample");
        ScriptedPrompts prompts;
        frmDatabase d(prompts);
        d.show();
        click(d, "Sample");
        QCOMPARE(d.chkSetStart->isChecked(), !isStart);
        click(d, "Band");
        QCOMPARE(d.chkSetStart->isChecked(), isStart);
        prompts.answerInput("Zydeco");
        d.cmdRename_Click();

        const QString zydeco = home.dbPath("Zydeco");
        QCOMPARE(QDir(home.path() + "db").entryList(QDir::Files),
                 (QStringList{"Sample.mdb", "Zydeco.mdb", "Zydeco.mdb-journal"}));
        QFile moved(zydeco);
        QVERIFY(moved.open(QIODevice::ReadOnly));
        QCOMPARE(moved.readAll(), content);
        QCOMPARE(names(d), (QStringList{"Sample", "Zydeco"}));
        QCOMPARE(d.lvListView->currentItem()->data(frmDatabase::KeyRole).toString(), zydeco);
        QCOMPARE(d.chkSetStart->isChecked(), isStart);
        QCOMPARE(setting("ChordexFile"), isStart ? zydeco : home.dbPath("Sample"));
        QCOMPARE(setting("ChordexName"), QString(isStart ? "Zydeco" : "Sample"));
    }

    void copyAndNewFailuresAddNothing_data()
    {
        QTest::addColumn<bool>("copy");
        QTest::addColumn<QString>("name");
        // 100 characters, but 300 bytes on disk: more than a file name may hold
        const QString tooLongOnDisk(100, QChar(0x20AC));
        QTest::newRow("copy, name too long on disk") << true << tooLongOnDisk;
        QTest::newRow("new without a template") << false << "Gone";
    }

    void copyAndNewFailuresAddNothing()
    {
        QFETCH(bool, copy);
        QFETCH(QString, name);
        TestHome home;
        const QString band = home.newStore("Band");
        ScriptedPrompts prompts;
        frmDatabase d(prompts);
        if (name == "Gone")
            QFile::remove(copy ? band : home.path() + "def");
        const QStringList before = files(home);
        prompts.answerInput(name);
        copy ? d.cmdCopy_Click() : d.cmdNew_Click();
        QVERIFY2(prompts.last().text.startsWith("Error: "), qPrintable(prompts.last().text));
        QCOMPARE(prompts.last().icon, Prompts::Icon::Critical);
        QCOMPARE(files(home), before);
        QCOMPARE(names(d), QStringList{"Band"});
        QCOMPARE(d.lblCaption[0]->text(), QString("1 Chordex"));
    }
};

QTEST_MAIN(tst_frmDatabase)
#include "tst_frmDatabase.moc"
