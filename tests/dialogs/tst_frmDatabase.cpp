#include "ScriptedPrompts.h"
#include "TestHome.h"
#include "dialogs/frmDatabase.h"
#include "store/modADO.h"
#include "store/modSettings.h"

#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
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

    // Every file below the folder, with its size, so that any write shows.
    static QStringList tree(const QString &folder)
    {
        QStringList out;
        QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            if (!it.filePath().contains("/settings/"))
                out << it.filePath() + ":" + QString::number(it.fileInfo().size());
        }
        out.sort();
        return out;
    }

    static void select(frmDatabase &d, const QString &name)
    {
        const auto found = d.lvListView->findItems(name, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        d.lvListView->setCurrentItem(found.first());
    }

    static void click(frmDatabase &d, const QString &name)
    {
        QListWidgetItem *item = d.lvListView->findItems(name, Qt::MatchExactly).value(0);
        QVERIFY(item);
        QTest::mouseClick(d.lvListView->viewport(), Qt::LeftButton, {}, d.lvListView->visualItemRect(item).center());
        QCOMPARE(d.lvListView->currentItem(), item);
    }

    static QString setting(const char *key) { return modSettings::GetSetting("Settings", key, "<none>"); }

private slots:
    void cleanup() { modADO::CloseConnection(); }

    void listAndCount_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("count");
        QTest::newRow("empty folder") << QStringList{} << QStringList{} << "0 Chordexs";
        QTest::newRow("one") << QStringList{"Sample"} << QStringList{"Sample"} << "1 Chordex";
        QTest::newRow("several, sorted without case")
            << QStringList{"riffs", "Band", "Sample"} << QStringList{"Band", "riffs", "Sample"} << "3 Chordexs";
    }

    void listAndCount()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, listed);
        QFETCH(QString, count);
        TestHome home;
        for (const QString &f : files)
            home.newStore(f);
        QFile(home.path() + "db/notes.txt").open(QIODevice::WriteOnly);  // not a store
        QDir(home.path() + "db").mkdir("folder.mdb");                     // not a file
        ScriptedPrompts prompts;
        frmDatabase d(prompts);
        QCOMPARE(names(d), listed);
        QCOMPARE(d.lblCaption[0]->text(), count);
        QCOMPARE(d.lblCaption[1]->text(), count);
        if (!listed.isEmpty()) {
            QCOMPARE(d.lvListView->currentRow(), 0);
            QCOMPARE(d.lvListView->item(0)->data(frmDatabase::KeyRole).toString(), home.dbPath(listed.first()));
        }
        // with no settings the sample store is the start-up store
        if (files.contains("Sample")) {
            select(d, "Sample");
            QVERIFY(d.chkSetStart->isChecked());
        }
        // commands that need a selection do nothing without one
        d.lvListView->clearSelection();
        QSignalSpy opened(&d, &frmDatabase::OnOpen);
        d.cmdOpen_Click();
        d.cmdCopy_Click();
        d.cmdRename_Click();
        d.cmdDelete_Click();
        QCOMPARE(opened.size(), 0);
        QVERIFY(prompts.asked.isEmpty());
    }

    void countFollowsEveryChange()
    {
        TestHome home;
        home.newStore("Band");
        ScriptedPrompts prompts;
        frmDatabase d(prompts);
        prompts.answerInput("  Gig  ");  // blanks around the name are dropped
        d.cmdNew_Click();
        QVERIFY(QFileInfo::exists(home.dbPath("Gig")));
        QCOMPARE(d.lvListView->currentItem()->text(), QString("Gig"));
        QCOMPARE(d.lblCaption[1]->text(), QString("2 Chordexs"));
        prompts.answerInput("Gig copy");
        d.cmdCopy_Click();
        QCOMPARE(names(d), (QStringList{"Band", "Gig", "Gig copy"}));
        QCOMPARE(d.lvListView->currentItem()->text(), QString("Gig"));  // the copy is not selected
        QCOMPARE(d.lblCaption[1]->text(), QString("3 Chordexs"));
        select(d, "Band");
        prompts.answer(Prompts::Answer::Yes);
        d.cmdDelete_Click();
        QCOMPARE(prompts.last().text, QString("Are you sure you wish to delete \"Band\"?\r\n\r\n"
                                              "Warning: This operation can not be undone!"));
        QCOMPARE(prompts.last().title, QString("Delete Database"));
        QVERIFY(!QFileInfo::exists(home.dbPath("Band")));
        QCOMPARE(names(d), (QStringList{"Gig", "Gig copy"}));
        QCOMPARE(d.lblCaption[0]->text(), QString("2 Chordexs"));
        QVERIFY(d.lvListView->currentItem()->isSelected());  // the next store is ready to act on

        // No keeps the file
        prompts.answer(Prompts::Answer::No);
        d.cmdDelete_Click();
        QCOMPARE(names(d).size(), 2);
        QCOMPARE(d.lblCaption[0]->text(), QString("2 Chordexs"));
    }

    void unsafeNamesAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        const QString slash = "A Chordex name can not contain / or \\.";
        QTest::newRow("parent folder") << "../Escaped" << slash;
        QTest::newRow("two levels up") << "../../Escaped" << slash;
        QTest::newRow("sub folder") << "sub/Band" << slash;
        QTest::newRow("backslash") << "a\\b" << slash;
        QTest::newRow("dot dot") << ".." << "A Chordex name can not contain \"..\".";
        QTest::newRow("hidden") << ".hidden" << "A Chordex name can not start with a dot.";
        QTest::newRow("tab") << "Band\tB" << "A Chordex name can not contain control characters.";
        QTest::newRow("newline") << "Band\nB" << "A Chordex name can not contain control characters.";
        QTest::newRow("101 characters") << QString(101, 'x') << "A Chordex name can not be longer than 100 characters.";
        QTest::newRow("existing") << "Sample" << "There is already a Chordex with that name!";
    }

    void unsafeNamesAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        TestHome home;
        home.newStore("Sample");
        home.newStore("Other");
        const QString outside = QDir::cleanPath(home.path() + "../Escaped.mdb");
        const QStringList before = tree(home.path());
        ScriptedPrompts prompts;
        frmDatabase d(prompts);
        select(d, "Other");
        for (auto command : {&frmDatabase::cmdNew_Click, &frmDatabase::cmdCopy_Click, &frmDatabase::cmdRename_Click}) {
            prompts.answerInput(name);
            (d.*command)();
            QCOMPARE(prompts.last().text, message);
            QCOMPARE(prompts.last().title, QString("Error"));
            QCOMPARE(prompts.last().icon, Prompts::Icon::Critical);
        }
        QCOMPARE(tree(home.path()), before);
        QVERIFY(!QFileInfo::exists(outside));
        QCOMPARE(names(d), (QStringList{"Other", "Sample"}));
    }

    void longestNameIsAccepted()
    {
        TestHome home;
        ScriptedPrompts prompts;
        frmDatabase d(prompts);
        prompts.answerInput(QString(100, 'x'));
        d.cmdNew_Click();
        QVERIFY(QFileInfo::exists(home.dbPath(QString(100, 'x'))));
        QCOMPARE(d.lblCaption[0]->text(), QString("1 Chordex"));
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
        QFETCH(QString, message);
        QFETCH(QString, title);
        TestHome home;
        home.newStore("Band");
        // opened through a path spelled differently from the list's key
        QVERIFY(modADO::OpenConnection(home.path() + "db/../db/./Band.mdb", "Band"));
        modSettings::SaveSetting("Settings", "ChordexFile", home.dbPath("Band"));
        modSettings::SaveSetting("Settings", "ChordexName", "Band");
        const QStringList before = tree(home.path());
        ScriptedPrompts prompts;
        prompts.answerInput("Renamed");
        prompts.answer(Prompts::Answer::Yes);
        frmDatabase d(prompts);
        rename ? d.cmdRename_Click() : d.cmdDelete_Click();
        QCOMPARE(prompts.asked.size(), 1);  // refused before any question
        QCOMPARE(prompts.last().text, message);
        QCOMPARE(prompts.last().title, title);
        QCOMPARE(prompts.last().icon, Prompts::Icon::Critical);
        QCOMPARE(tree(home.path()), before);
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
        const QByteArray content = [&] { QFile f(band); f.open(QIODevice::ReadOnly); return f.readAll(); }();
        const QString start = isStart ? band : home.dbPath("Sample");
        modSettings::SaveSetting("Settings", "ChordexFile", start);
        modSettings::SaveSetting("Settings", "ChordexName", QFileInfo(start).completeBaseName());
        ScriptedPrompts prompts;
        frmDatabase d(prompts);
        d.show();
        click(d, "Sample");
        QCOMPARE(d.chkSetStart->isChecked(), !isStart);
        click(d, "Band");
        QCOMPARE(d.chkSetStart->isChecked(), isStart);
        prompts.answerInput("Zydeco");
        d.cmdRename_Click();
        QCOMPARE(prompts.last().text, QString("Enter a new name..."));
        QCOMPARE(prompts.last().defaultText, QString("Band"));

        const QString zydeco = home.dbPath("Zydeco");
        QCOMPARE(QDir(home.path() + "db").entryList(QDir::Files),
                 (QStringList{"Sample.mdb", "Zydeco.mdb", "Zydeco.mdb-journal"}));
        QFile moved(zydeco);
        QVERIFY(moved.open(QIODevice::ReadOnly));
        QCOMPARE(moved.readAll(), content);
        QCOMPARE(names(d), (QStringList{"Sample", "Zydeco"}));
        QCOMPARE(d.lvListView->currentItem()->text(), QString("Zydeco"));
        QCOMPARE(d.lvListView->currentItem()->data(frmDatabase::KeyRole).toString(), zydeco);
        QCOMPARE(d.chkSetStart->isChecked(), isStart);
        QCOMPARE(setting("ChordexFile"), isStart ? zydeco : home.dbPath("Sample"));
        QCOMPARE(setting("ChordexName"), QString(isStart ? "Zydeco" : "Sample"));
    }

    void copyAndNewFailuresAddNothing_data()
    {
        QTest::addColumn<bool>("copy");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("dropTemplate");
        // 100 characters, but 300 bytes on disk: more than a file name may hold
        const QString tooLongOnDisk(100, QChar(0x20AC));
        QTest::newRow("copy, name too long on disk") << true << tooLongOnDisk << false;
        QTest::newRow("copy of a store gone meanwhile") << true << "Copy" << false;
        QTest::newRow("new without a template") << false << "Fresh" << true;
        QTest::newRow("new, name too long on disk") << false << tooLongOnDisk << false;
    }

    void copyAndNewFailuresAddNothing()
    {
        QFETCH(bool, copy);
        QFETCH(QString, name);
        QFETCH(bool, dropTemplate);
        TestHome home;
        const QString band = home.newStore("Band");
        if (dropTemplate)
            QFile::remove(home.path() + "def");
        ScriptedPrompts prompts;
        frmDatabase d(prompts);
        if (name == "Copy")
            QFile::remove(band);
        const QStringList before = tree(home.path());
        prompts.answerInput(name);
        copy ? d.cmdCopy_Click() : d.cmdNew_Click();
        QCOMPARE(prompts.last().kind, ScriptedPrompts::Kind::Message);
        QVERIFY2(prompts.last().text.startsWith("Error: "), qPrintable(prompts.last().text));
        QCOMPARE(prompts.last().icon, Prompts::Icon::Critical);
        QCOMPARE(tree(home.path()), before);
        QCOMPARE(names(d), QStringList{"Band"});
        QCOMPARE(d.lblCaption[0]->text(), QString("1 Chordex"));
    }

    void openRaisesOnOpenAndKeepsTheStartUpChoice_data()
    {
        QTest::addColumn<bool>("check");
        QTest::newRow("check box set") << true;
        QTest::newRow("check box clear") << false;
    }

    void openRaisesOnOpenAndKeepsTheStartUpChoice()
    {
        QFETCH(bool, check);
        TestHome home;
        home.newStore("Band");
        home.newStore("Sample");
        modSettings::SaveSetting("Settings", "ChordexFile", home.dbPath("Sample"));
        modSettings::SaveSetting("Settings", "ChordexName", "Sample");
        ScriptedPrompts prompts;
        frmDatabase d(prompts);
        QSignalSpy opened(&d, &frmDatabase::OnOpen);
        QSignalSpy unloaded(&d, &frmDatabase::OnUnload);
        select(d, "Band");
        QVERIFY(!d.chkSetStart->isChecked());
        d.chkSetStart->setChecked(check);
        emit d.lvListView->itemDoubleClicked(d.lvListView->currentItem());
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.first(), (QVariantList{home.dbPath("Band"), "Band"}));
        QCOMPARE(setting("ChordexFile"), home.dbPath(check ? "Band" : "Sample"));
        QCOMPARE(setting("ChordexName"), QString(check ? "Band" : "Sample"));
        d.reject();  // a second unload raises nothing more
        QCOMPARE(unloaded.size(), 1);
    }
};

QTEST_MAIN(tst_frmDatabase)
#include "tst_frmDatabase.moc"
