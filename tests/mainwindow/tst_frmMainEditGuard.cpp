#include "MainFixture.h"
#include "StoreRows.h"
#include "core/EditMode.h"
#include "store/clsTablature.h"
#include "view/TextEditor.h"
#include "view/ctlView.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QtTest>

// No command loses an edit. While a changed file is being edited, every command the window
// offers at that moment (found in its menus and toolbars when the test runs, so commands added
// later are covered too) must leave the change in the editor with edit mode on, save it, or ask
// the save question first; a Yes to that question must save and a Cancel must leave everything
// as it was.
class tst_frmMainEditGuard : public QObject
{
    Q_OBJECT

    static inline const QString Typed = QStringLiteral("Jaromír – Tři čuníci ");
    static inline const QString Original = QStringLiteral("e|--1--|\r\nB|-----|");
    static inline const QString SaveQuestion = QStringLiteral("Do you wish to save your changes?");

    struct Command
    {
        QString name;
        QAction *action = nullptr;
    };

    // Edit mode on file 1 ("One"), with text typed at the start of its tab text.
    static void startEditing(MainFixture &f)
    {
        f.openTestStore();
        f.w->show();
        f.clickFile(1, 1, 1);
        f.w->mnuFileEdit->trigger();
        f.w->ctlView1->rtbText->insertAt(Typed, 0, 0);  // undoable, as typing is
        QCOMPARE(chordex::EditMode, 1);
        QVERIFY(f.w->ctlView1->Dirty());
    }

    static void addMenu(QMenu *menu, const QString &path, QList<Command> &out)
    {
        for (QAction *a : menu->actions()) {
            const QString name = path + QLatin1Char('/') + QString(a->text()).remove(QLatin1Char('&'));
            if (a->menu())
                addMenu(a->menu(), name, out);
            else if (!a->isSeparator() && a->isEnabled() && a->isVisible())
                out.append({QStringLiteral("menu ") + name, a});
        }
    }

    // Every enabled command of the menu bar and of every toolbar the user can reach now.
    static QList<Command> enabledCommands(frmMain &w)
    {
        QList<Command> out;
        for (QAction *top : w.menuBar()->actions()) {
            if (top->menu() && top->isEnabled())
                addMenu(top->menu(), QString(top->text()).remove(QLatin1Char('&')), out);
        }
        for (QToolBar *bar : w.findChildren<QToolBar *>()) {
            if (!bar->isEnabled() || !bar->isVisibleTo(&w))
                continue;
            for (QAction *a : bar->actions()) {
                if (a->isSeparator() || !a->isEnabled() || !a->isVisible())
                    continue;
                const QString key = a->data().toString().isEmpty() ? a->toolTip() : a->data().toString();
                const QString barName = bar->objectName().isEmpty() ? QStringLiteral("toolbar") : bar->objectName();
                out.append({QStringLiteral("button ") + barName + QLatin1Char(':') + key, a});
            }
        }
        return out;
    }

    // The typed text is in the editor of file 1, in edit mode, with the edit commands on.
    static bool keptInEditor(MainFixture &f)
    {
        return chordex::EditMode == 1 && f.w->objTablature && f.w->objTablature->fileIdValue() == 1 &&
               f.w->ctlView1->rtbText->text() == Typed + Original && !f.w->ctlView1->CoverVisible() &&
               f.w->mnuFileCancel->isEnabled();
    }

private slots:
    void init()
    {
        chordex::EditMode = 0;
    }

    void everyCommandKeepsTheEdit_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("answer");
        MainFixture f;
        startEditing(f);
        const QList<Command> commands = enabledCommands(*f.w);
        QVERIFY(commands.size() > 10);
        const std::pair<const char *, Prompts::Answer> answers[] = {
            {"Yes", Prompts::Answer::Yes}, {"No", Prompts::Answer::No}, {"Cancel", Prompts::Answer::Cancel}};
        for (const Command &c : commands) {
            for (const auto &a : answers)
                QTest::addRow("%s, %s", qPrintable(c.name), a.first) << c.name << int(a.second);
        }
    }

    void everyCommandKeepsTheEdit()
    {
        QFETCH(QString, command);
        QFETCH(int, answer);
        const auto saveAnswer = Prompts::Answer(answer);
        MainFixture f;
        startEditing(f);
        QAction *action = nullptr;
        for (const Command &c : enabledCommands(*f.w)) {
            if (c.name == command)
                action = c.action;
        }
        QVERIFY2(action, "the command is no longer enabled in edit mode");

        // Inputs get a name, so that commands which add something go ahead.
        f.prompts.answerAlways(SaveQuestion, saveAnswer);
        for (int i = 0; i < 4; ++i)
            f.prompts.answerInput(QStringLiteral("Café über"));
        action->trigger();
        QCoreApplication::processEvents();

        bool asked = false;
        for (const auto &q : f.prompts.asked)
            asked = asked || q.text == SaveQuestion;
        const bool stored =
            StoreRows::scalar(f.store, "SELECT tab FROM tablature WHERE file_id=1").toString() == Typed + Original;
        bool kept = keptInEditor(f);
        if (!kept && chordex::EditMode == 1 && f.w->ctlView1->rtbText->canRedo()) {
            // an editing command undid the typing: the change must come back with Redo
            f.w->ctlView1->rtbText->redo();
            kept = keptInEditor(f);
        }

        if (asked && saveAnswer == Prompts::Answer::Yes)
            QVERIFY2(stored, "Yes to the save question did not save the change");
        else if (asked && saveAnswer == Prompts::Answer::Cancel)
            QVERIFY2(kept, "Cancel to the save question did not leave the edit as it was");
        else if (!asked)
            QVERIFY2(kept || stored, "the change was dropped without the save question");
    }
};

QTEST_MAIN(tst_frmMainEditGuard)
#include "tst_frmMainEditGuard.moc"
