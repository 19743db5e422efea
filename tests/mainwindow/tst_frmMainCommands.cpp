#include "MainFixture.h"
#include "tree/ctlTree.h"
#include "view/TextEditor.h"
#include "view/ctlView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QtTest>

// The command set: which commands each state enables, and the clipboard commands.
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
        QTest::newRow("no store") << "none" << always;
        QTest::newRow("folder clicked") << "folder" << always + store + category + QStringList{"Delete Folder", "[delete]", "Export Folder..."};
        QTest::newRow("file clicked") << "file" << always + store + category + file;
        // editing: no store-changing or selection commands; cancel and replace on
        QStringList editing = always + store + category + file;
        for (const char *off : {"Open Chordex...", "[db]", "Open File...", "[open]", "New Tab File...", "[new]",
                                   "Edit", "[edit]", "&Search...", "[search]", "Bookmark...", "[bookmark]", "Save As..."})
            editing.removeAll(QString::fromLatin1(off));
        editing << "Cancel Edit" << "[cancel]" << "&Replace...";
        QTest::newRow("editing") << "editing" << editing;
    }

    void commandTable()
    {
        QFETCH(QString, state);
        QFETCH(QStringList, expected);
        MainFixture f;
        if (state != "none")
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
    }

    // Cut and Copy follow a selection while editing; Paste follows the clipboard.
    void cutEnablesPasteUntilTheNextRefresh()
    {
        MainFixture f;
        f.openTestStore();
        f.clickFile(1, 1, 1);
        f.w->mnuFileEdit->trigger();
        QVERIFY(!f.w->mnuEditCut->isEnabled());
        QApplication::clipboard()->clear();
        f.w->ctlView1->rtbText->setSelection(0, 0, 0, 2);
        for (QAction *a : {f.w->mnuEditCut, f.w->mnuEditCopy, f.w->tbrButton("cut"), f.w->tbrButton("copy")})
            QVERIFY(a->isEnabled());
        QVERIFY(!f.w->mnuEditPaste->isEnabled());
        f.w->mnuEditCut->trigger();
        QCOMPARE(f.w->ctlView1->rtbText->text(), QString("--1--|\r\nB|-----|"));
        QCOMPARE(QApplication::clipboard()->text(), QString("e|"));
        QVERIFY(f.w->mnuEditPaste->isEnabled());
        QVERIFY(f.w->tbrButton("paste")->isEnabled());
        f.w->RefreshCommands();
        QVERIFY(!f.w->mnuEditPaste->isEnabled());
    }

};

QTEST_MAIN(tst_frmMainCommands)
#include "tst_frmMainCommands.moc"
