#include "core/EditMode.h"
#include "view/TextEditor.h"
#include "view/ctlView.h"

#include "ScriptedPrompts.h"
#include "TestHome.h"

#include <QLabel>
#include <QToolButton>
#include <QtTest>

namespace {

using Answer = Prompts::Answer;

const QString CrLf = QStringLiteral("\r\n");

// The header notice (button 0), or the six staff lines of button 2, each with its own letter.
QString expectedBlock(int button)
{
    QStringList lines{"#----------------------------------PLEASE NOTE---------------------------------#",
                      "#This file is the author's own work and represents their interpretation of the #",
                      "#song. You may only use this file for private study, scholarship, or research. #",
                      "#------------------------------------------------------------------------------#"};
    if (button == 2) {
        lines.clear();
        for (QChar name : QStringLiteral("eBGDAE"))
            lines << name + QStringLiteral(":-----------------------------------|-------------------------------------|");
    }
    return lines.join(CrLf) + CrLf;
}

struct Fixture
{
    ScriptedPrompts prompts;
    ctlView view{prompts};

    Fixture() { view.show(); }

    // What the main window does when a file is clicked.
    void showFile(const QString &tab, const QString &notes)
    {
        view.Cover(false);
        view.setNotes(notes);
        view.setTabText(tab);
        view.setTitleText(QStringLiteral("Song"));
        view.FileSelected();
    }
};

}  // namespace

class tst_ctlView final : public QObject
{
    Q_OBJECT

    TestHome m_home;

private slots:
    void init() { chordex::EditMode = 0; }

    void templates_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("editing");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("selected");

        QTest::newRow("header, empty tablature") << 0 << 1 << true << QString() << 0 << 0;
        // The two-byte character checks that the caret counts characters, not bytes.
        QTest::newRow("staff, notes mid-line") << 2 << 2 << true << "\u00e4b\r\ncd" << 5 << 0;
        QTest::newRow("tablature selection") << 2 << 1 << true << "keep|DROP|keep" << 5 << 4;
        QTest::newRow("browser tab") << 2 << 3 << true << "abc" << 1 << 0;
        QTest::newRow("not in edit mode") << 2 << 1 << false << "abc" << 1 << 0;
    }

    void templates()
    {
        QFETCH(int, button);
        QFETCH(int, tab);
        QFETCH(bool, editing);
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(int, selected);

        Fixture f;
        ctlView &v = f.view;
        f.showFile(text, text);
        if (editing)
            v.EditCurrent(true);
        v.SelectTab(tab);
        TextEditor *editor = tab == 2 ? v.rtbNotes : v.rtbText;
        TextEditor *other = tab == 2 ? v.rtbText : v.rtbNotes;
        other->setSelStart(1);
        editor->setSelStart(caret);
        if (selected)  // rows with a selection are ASCII, so characters are bytes
            editor->SendScintilla(QsciScintillaBase::SCI_SETSEL, static_cast<unsigned long>(caret),
                                  long(caret + selected));
        QSignalSpy changes(&v, &ctlView::OnChange);

        v.cmd_Click(button);

        const bool inserts = editing && tab != 3;
        const QString expected =
            text.left(caret) + expectedBlock(button) + CrLf + text.mid(caret + selected);
        QCOMPARE(editor->text(), inserts ? expected : text);
        QCOMPARE(editor->selStart(), caret);
        QCOMPARE(editor->selLength(), inserts ? 0 : selected);
        QCOMPARE(other->text(), text);
        QCOMPARE(other->selStart(), std::min(1, int(text.size())));
        QCOMPARE(v.Dirty(), inserts);
        QCOMPARE(changes.isEmpty(), !inserts);
    }

    void saveQuestion_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("Yes") << Answer::Yes;
        QTest::newRow("No") << Answer::No;
        QTest::newRow("Cancel") << Answer::Cancel;
    }

    void saveQuestion()
    {
        QFETCH(Answer, answer);

        Fixture f;
        ctlView &v = f.view;
        const QString tab = QStringLiteral("e:--|\r\n");
        const QString notes = QStringLiteral("capo 2");
        f.showFile(tab, notes);
        v.EditCurrent(true);
        v.rtbText->setSelStart(0);
        QTest::keyClicks(v.rtbText, QStringLiteral("A"));
        v.SelectTab(2);
        v.rtbNotes->setSelStart(6);
        QTest::keyClicks(v.rtbNotes, QStringLiteral("!"));
        const QString editedTab = QStringLiteral("A") + tab;
        const QString editedNotes = notes + QStringLiteral("!");

        QSignalSpy saves(&v, &ctlView::OnSaveChanges);
        QSignalSpy completes(&v, &ctlView::OnEditComplete);
        f.prompts.answer(answer);
        v.EditCurrent(false);

        QCOMPARE(f.prompts.asked.size(), 1);
        QCOMPARE(f.prompts.last().text, QStringLiteral("Do you wish to save your changes?"));
        QCOMPARE(f.prompts.last().buttons, Prompts::Buttons::YesNoCancel);
        const bool cancel = answer == Answer::Cancel, yes = answer == Answer::Yes, no = answer == Answer::No;
        if (yes)
            QCOMPARE(saves.at(0), (QList<QVariant>{editedTab, editedNotes}));
        // saves, completions, edit mode, changed mark, read-only, template buttons enabled
        QCOMPARE((QList<int>{int(saves.count()), int(completes.count()), chordex::EditMode, v.Dirty(),
                             v.rtbText->isReadOnly(), v.cmd[0]->isEnabled()}),
                 (QList<int>{yes, !cancel, cancel, cancel, !cancel, cancel}));
        // the texts held, then the texts shown
        QCOMPARE((QStringList{v.TabText(), v.Notes(), v.rtbText->text(), v.rtbNotes->text()}),
                 (QStringList{yes ? editedTab : tab, yes ? editedNotes : notes, no ? tab : editedTab, no ? notes : editedNotes}));
    }

    // A disk file that cannot be written (its folder is a regular file, whoever runs the test):
    // the failure is reported, nothing says saved, and leaving keeps the text until the user says No.
    void aFailedDiskSaveKeepsTheEdit()
    {
        QTemporaryDir dir;
        QFile plain(dir.filePath(QStringLiteral("plain.txt")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.write("not a folder");
        plain.close();
        const QString path = plain.fileName() + QStringLiteral("/song.tab");

        Fixture f;
        ctlView &v = f.view;
        QSignalSpy fileSaves(&v, &ctlView::OnSaveFileChanges);
        QSignalSpy saves(&v, &ctlView::OnSaveChanges);
        QSignalSpy completes(&v, &ctlView::OnEditComplete);
        const QString original = QStringLiteral("e:--|\r\nB:--|\r\n");
        const QString edited = QStringLiteral("caf\u00e9 ") + original;
        v.FileEdit(path, original);
        v.EditCurrent(true);
        v.SelectTab(2);
        QCOMPARE(v.SelectedTab(), 1);  // a disk file has only its tab text
        v.rtbText->setSelStart(0);
        v.rtbText->insert(QStringLiteral("caf\u00e9 "));

        QVERIFY(!v.SaveCurrent());
        QCOMPARE(fileSaves.count() + saves.count(), 0);
        QVERIFY(v.Dirty());
        QCOMPARE(v.TabText(), original);
        QCOMPARE(f.prompts.asked.size(), 1);
        QCOMPARE(f.prompts.last().icon, Prompts::Icon::Critical);
        QVERIFY(f.prompts.last().text.contains(QDir::toNativeSeparators(path)));

        // Yes on leaving tries again, reports again and stays in edit mode with the text.
        f.prompts.answer(Answer::Yes);
        v.EditCurrent(false);
        QCOMPARE(f.prompts.asked.size(), 3);
        QCOMPARE(f.prompts.last().icon, Prompts::Icon::Critical);
        QCOMPARE(chordex::EditMode, 1);
        QCOMPARE(completes.count(), 0);
        QCOMPARE(v.rtbText->text(), edited);
        f.prompts.answer(Answer::No);
        v.EditCurrent(false);
        QCOMPARE(chordex::EditMode, 0);
        QCOMPARE(completes.count(), 1);
    }

    void searchAndGoToLine_data()
    {
        // op: next / prev (find), step (Replace pressed twice), all (Replace All) or line (Go To
        // Line: caret is the line asked for, result the line reached). Replacements are
        // "[needle]". flags: 1 match case, 2 whole word, 4 read-only.
        QTest::addColumn<QString>("op");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("needle");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("result");  // found (0/1), replacements, or line
        QTest::addColumn<QString>("after");  // empty: unchanged
        QTest::addColumn<int>("selStart");  // -1: not checked

        const QString ab = QStringLiteral("abc abc");
        const QString cats = QStringLiteral("cat concat Cat");
        const QString lines = QStringLiteral("one\r\ntwo\r\nthree\r\nfour");
        QTest::newRow("next after caret") << "next" << ab << "abc" << 0 << 1 << 1 << "" << 4;
        QTest::newRow("prev wraps") << "prev" << ab << "abc" << 0 << 0 << 1 << "" << 4;
        QTest::newRow("wide chars") << "next" << "\u00e4\u20ac abc" << "abc" << 0 << 0 << 1 << "" << 3;
        QTest::newRow("empty needle") << "next" << "abc" << "" << 0 << 1 << 0 << "" << 1;
        QTest::newRow("replace") << "step" << "x1 x2 x3" << "x" << 0 << 0 << 1 << "[x]1 x2 x3" << 5;
        QTest::newRow("all, case, word") << "all" << cats << "cat" << 3 << 0 << 1 << "[cat] concat Cat"
                                         << -1;
        QTest::newRow("all read-only") << "all" << cats << "cat" << 4 << 0 << 0 << "" << -1;
        QTest::newRow("line past the end") << "line" << lines << "" << 0 << 99 << 4 << "" << 17;
    }

    void searchAndGoToLine()
    {
        QFETCH(QString, op);
        QFETCH(QString, text);
        QFETCH(QString, needle);
        QFETCH(int, flags);
        QFETCH(int, caret);
        QFETCH(int, result);
        QFETCH(QString, after);
        QFETCH(int, selStart);

        TextEditor editor;
        editor.setText(text);
        editor.setReadOnly(flags & 4);
        const SearchOptions options{needle, '[' + needle + ']', bool(flags & 1), bool(flags & 2)};
        int got = 0;
        editor.setSelStart(caret);
        if (op == "line") {
            editor.goToLine(caret);
            got = editor.currentLine();
        } else if (op == "all") {
            got = editor.replaceAll(options);
        } else if (op == "step") {
            editor.replaceAndFindNext(options);  // only selects the first match
            got = editor.replaceAndFindNext(options);
        } else {
            got = editor.find(options, op == "next");
        }
        QCOMPARE(got, result);
        QCOMPARE(editor.text(), after.isEmpty() ? text : after);
        if (selStart >= 0)
            QCOMPARE(editor.selStart(), selStart);
        if (op == "next" || op == "prev")
            QCOMPARE(editor.selectedText(), result ? needle : QString());
        if (op == "all" && result) {  // one undo step
            editor.undo();
            QCOMPARE(editor.text(), text);
        }
    }
};

QTEST_MAIN(tst_ctlView)
#include "tst_ctlView.moc"
