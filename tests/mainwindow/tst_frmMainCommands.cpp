#include "MainFixture.h"
#include "StoreRows.h"
#include "core/EditMode.h"
#include "tree/ctlTree.h"
#include "view/TextEditor.h"
#include "view/ctlView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QtTest>

// The command set: which commands each state enables, the toolbar's routing, and the
// commands that change single entries.
class tst_frmMainCommands : public QObject
{
    Q_OBJECT

    // Every enabled menu command, by caption, and every enabled toolbar button, by key.
    static QStringList enabledCommands(const frmMain &w)
    {
        QStringList on;
        for (QMenu *menu : {w.mnuFile, w.mnuEdit, w.mnuView, w.mnuBookmarks, w.mnuTools, w.mnuHelp}) {
            for (QAction *a : menu->actions()) {
                if (!a->isSeparator() && a->isEnabled())
                    on << a->text();
            }
        }
        for (int pos = 1; pos <= 27; ++pos) {
            if (QAction *b = w.tbrButton(pos); b && b->isEnabled())
                on << "[" + b->data().toString() + "]";
        }
        return on;
    }

private slots:
    void commandTable_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("deleteTip");
        const QStringList always = {"Open Chordex...", "E&xit",
                                    "Tree", "Details", "Options...", "Contents...", "Search...",
                                    "Tip Of The Day...", "&About", "[db]", "[help]"};
        const QStringList store = {"Add Category...", "Open File...", "New Tab File...", "&Search...", "Maintenance...",
                                   "[category]", "[open]", "[new]", "[search]", "[maint]",
                                   "Import Folder...", "Export Chordex..."};
        const QStringList category = {"Add Folder", "[folder]", "Export Category...", "Songbook PDF..."};
        const QStringList file = {"Delete File", "Save As...", "Edit", "&Print...", "&Find...", "Find &Next...",
                                  "Find &Previous...", "Select &All", "Bookmark...",
                                  "[edit]", "[delete]", "[find]", "[bookmark]", "[print]", "Export Folder..."};
        QTest::newRow("no store") << "none" << always << "Delete";
        QTest::newRow("store without categories") << "empty" << always + store << "Delete";
        QTest::newRow("category chosen") << "category" << always + store + category << "Delete";
        QTest::newRow("folder clicked") << "folder" << always + store + category + QStringList{"Delete Folder", "[delete]", "Export Folder..."}
                                        << "Delete Folder";
        QTest::newRow("file clicked") << "file" << always + store + category + file << "Delete File";
        // editing: no store-changing or selection commands; cancel and replace on
        QStringList editing = always + store + category + file;
        for (const char *off : {"Open Chordex...", "[db]", "Open File...", "[open]", "New Tab File...", "[new]",
                                   "Edit", "[edit]", "&Search...", "[search]", "Bookmark...", "[bookmark]", "Save As..."})
            editing.removeAll(QString::fromLatin1(off));
        editing << "Cancel Edit" << "[cancel]" << "&Replace...";
        QTest::newRow("editing") << "editing" << editing << "Delete File";
    }

    void commandTable()
    {
        QFETCH(QString, state);
        QFETCH(QStringList, expected);
        QFETCH(QString, deleteTip);
        MainFixture f;
        if (state == "empty")
            f.w->OpenStore(f.home.newStore("Empty"), "Empty");
        else if (state != "none")
            f.openTestStore();
        if (state == "folder")
            QVERIFY(f.w->ctlTree1->SelectNode("1||1"));
        if (state == "file" || state == "editing")
            f.clickFile(1, 1, 1);
        if (state == "editing")
            f.w->mnuFileEdit->trigger();

        QStringList actual = enabledCommands(*f.w);
        actual.sort();
        expected.sort();
        QCOMPARE(actual, expected);
        QCOMPARE(f.w->tbrButton("delete")->toolTip(), deleteTip);
    }

    void rootClickKeepsAddFolder()
    {
        MainFixture f;
        f.openTestStore();
        f.clickFile(1, 1, 1);
        f.w->ctlTree1->SelectRoot();
        QVERIFY(f.w->mnuFileAddFolder->isEnabled());
        QVERIFY(!f.w->mnuFileDeleteFile->isEnabled());
        QVERIFY(!f.w->mnuFileDeleteFolder->isEnabled());
        QVERIFY(!f.w->objTablature);
    }

    void editingEndsWithRefreshedCommands()
    {
        MainFixture f;
        f.openTestStore();
        f.clickFile(1, 1, 1);
        for (int i = 0; i < 3; ++i) {
            f.w->tbr_ButtonClick(f.w->tbrButton("edit"));
            QVERIFY(!f.w->mnuFileChordex->isEnabled());
            QVERIFY(!f.w->tbrButton(1)->isEnabled());
            f.w->tbr_ButtonClick(f.w->tbrButton("cancel"));
            QCOMPARE(chordex::EditMode, 0);
            QVERIFY(f.w->mnuFileChordex->isEnabled());
            QVERIFY(f.w->tbrButton(1)->isEnabled());
        }
    }

    void cutAndCopyEnablePasteUntilTheNextRefresh_data()
    {
        QTest::addColumn<QString>("command");  // menu entry or toolbar button
        QTest::addColumn<bool>("editing");
        QTest::addColumn<QString>("textAfter");
        QTest::newRow("Cut, menu") << "mnuEditCut" << true << "--1--|\r\nB|-----|";
        QTest::newRow("Copy, button") << "copy" << true << "e|--1--|\r\nB|-----|";
        QTest::newRow("selection while viewing: both stay off") << "" << false << "e|--1--|\r\nB|-----|";
    }

    void cutAndCopyEnablePasteUntilTheNextRefresh()
    {
        QFETCH(QString, command);
        QFETCH(bool, editing);
        QFETCH(QString, textAfter);
        MainFixture f;
        f.openTestStore();
        f.clickFile(1, 1, 1);
        if (editing)
            f.w->mnuFileEdit->trigger();
        QVERIFY(!f.w->mnuEditCut->isEnabled());
        QApplication::clipboard()->clear();
        f.w->ctlView1->rtbText->setSelection(0, 0, 0, 2);
        for (QAction *a : {f.w->mnuEditCut, f.w->mnuEditCopy, f.w->tbrButton("cut"), f.w->tbrButton("copy")})
            QCOMPARE(a->isEnabled(), editing);
        QVERIFY(!f.w->mnuEditPaste->isEnabled());
        if (command.isEmpty())
            return;
        if (command.startsWith("mnu"))
            (command == "mnuEditCut" ? f.w->mnuEditCut : f.w->mnuEditCopy)->trigger();
        else
            f.w->tbr_ButtonClick(f.w->tbrButton(command));
        QCOMPARE(f.w->ctlView1->rtbText->text(), textAfter);
        QCOMPARE(QApplication::clipboard()->text(), QString("e|"));
        QVERIFY(f.w->mnuEditPaste->isEnabled());
        QVERIFY(f.w->tbrButton("paste")->isEnabled());
        f.w->RefreshCommands();
        QVERIFY(!f.w->mnuEditPaste->isEnabled());
    }

    // Undo and Redo in the Edit menu follow the active editor while editing, and are off
    // outside edit mode.
    void undoAndRedoFollowTheEditor()
    {
        MainFixture f;
        f.openTestStore();
        f.clickFile(1, 1, 1);
        const auto state = [&] {
            return QString("%1 %2").arg(f.w->mnuEditUndo->isEnabled()).arg(f.w->mnuEditRedo->isEnabled());
        };
        QCOMPARE(state(), QString("0 0"));
        f.w->mnuFileEdit->trigger();
        QCOMPARE(state(), QString("0 0"));  // loading the file is nothing to undo
        QTest::keyClicks(f.w->ctlView1->rtbText, "x");
        QCOMPARE(state(), QString("1 0"));
        f.w->mnuEditUndo->trigger();
        QCOMPARE(f.w->ctlView1->rtbText->text(), QString("e|--1--|\r\nB|-----|"));
        QCOMPARE(state(), QString("0 1"));
        f.w->mnuEditRedo->trigger();
        QCOMPARE(f.w->ctlView1->rtbText->text(), QString("xe|--1--|\r\nB|-----|"));
        QCOMPARE(state(), QString("1 0"));
        f.w->ctlView1->SelectTab(2);  // the notes editor has nothing to undo
        QCOMPARE(state(), QString("0 0"));
        f.w->ctlView1->SelectTab(1);
        QCOMPARE(state(), QString("1 0"));
        f.prompts.answer(Prompts::Answer::No);
        f.w->mnuFileCancel->trigger();
        QCOMPARE(chordex::EditMode, 0);
        QCOMPARE(state(), QString("0 0"));
    }

    void addCategoryAndFolderAsk_data()
    {
        QTest::addColumn<bool>("category");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("stored");  // empty: nothing added
        QTest::newRow("category") << true << "  Keys  " << "Keys";
        QTest::newRow("category, blanks only") << true << "   " << "";
        QTest::newRow("category, cancelled") << true << "<cancel>" << "";
        QTest::newRow("folder") << false << "Arpeggios" << "Arpeggios";
    }

    void addCategoryAndFolderAsk()
    {
        QFETCH(bool, category);
        QFETCH(QString, answer);
        QFETCH(QString, stored);
        MainFixture f;
        f.openTestStore();
        if (answer == "<cancel>")
            f.prompts.cancelInput();
        else
            f.prompts.answerInput(answer);
        f.w->tbr_ButtonClick(f.w->tbrButton(category ? "category" : "folder"));
        QCOMPARE(f.prompts.count(ScriptedPrompts::Kind::Input), 1);
        const auto &q = f.prompts.last();
        QCOMPARE(q.text, category ? QString("Add Category...") : QString("Add Folder..."));
        QCOMPARE(q.title, category ? QString("Category") : QString("Folder"));
        QCOMPARE(q.defaultText, q.title);
        const QString table = category ? "SELECT category FROM categories WHERE category_id>2"
                                       : "SELECT directory FROM directories WHERE directory_id>3";
        QCOMPARE(StoreRows::scalar(f.store, table).toString(), stored);
    }
};

QTEST_MAIN(tst_frmMainCommands)
#include "tst_frmMainCommands.moc"
