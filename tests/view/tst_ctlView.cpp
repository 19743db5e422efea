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

// The header notice, or six staff lines that repeat the top one with their own letters.
QString expectedBlock(int index)
{
    QStringList lines;
    if (index == 0) {
        lines = QStringList{
            "#----------------------------------PLEASE NOTE---------------------------------#",
            "#This file is the author's own work and represents their interpretation of the #",
            "#song. You may only use this file for private study, scholarship, or research. #",
            "#------------------------------------------------------------------------------#"};
    } else {
        static const QStringList tops{
            "e:-------------------------------------------------------------------------|",
            "e:-----------------------------------|-------------------------------------|",
            "e:----------------------|-----------------------------|--------------------|",
            "e:-----------------|-----------------|------------------|------------------|"};
        for (QChar name : QStringLiteral("eBGDAE"))
            lines << name + tops.at(index - 1).mid(1);
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

private slots:
    void init() { chordex::EditMode = 0; }
    void templates_data();
    void templates();
    void saveQuestion_data();
    void saveQuestion();
    void captionsAfterEditCycles();
    void dirtyAndChangeOnlyInEditMode();
    void diskFileSave_data();
    void diskFileSave();
    void searchAndGoToLine_data();
    void searchAndGoToLine();

private:
    TestHome m_home;
};

void tst_ctlView::templates_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("editing");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("selected");

    for (int i = 0; i < 5; ++i) {
        QTest::addRow("button %d, empty tablature", i) << i << 1 << true << QString() << 0 << 0;
        // The two-byte character checks that the caret counts characters, not bytes.
        QTest::addRow("button %d, notes mid-line", i)
            << i << 2 << true << "\u00e4b\r\ncd" << 5 << 0;
    }
    QTest::newRow("tablature selection") << 2 << 1 << true << "keep|DROP|keep" << 5 << 4;
    QTest::newRow("notes selection") << 4 << 2 << true << "xxSEL\r\nyy" << 2 << 5;
    QTest::newRow("browser tab") << 1 << 3 << true << "abc" << 1 << 0;
    QTest::newRow("not in edit mode") << 1 << 1 << false << "abc" << 1 << 0;
}

void tst_ctlView::templates()
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

void tst_ctlView::saveQuestion_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::newRow("Yes") << Answer::Yes;
    QTest::newRow("No") << Answer::No;
    QTest::newRow("Cancel") << Answer::Cancel;
}

void tst_ctlView::saveQuestion()
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
    const bool cancel = answer == Answer::Cancel;
    const bool yes = answer == Answer::Yes;
    QCOMPARE(saves.count(), yes ? 1 : 0);
    if (yes)
        QCOMPARE(saves.at(0), (QList<QVariant>{editedTab, editedNotes}));
    QCOMPARE(completes.count(), cancel ? 0 : 1);
    QCOMPARE(chordex::EditMode, cancel ? 1 : 0);
    QCOMPARE(v.Dirty(), cancel);
    QCOMPARE(v.TabText(), yes ? editedTab : tab);
    QCOMPARE(v.Notes(), yes ? editedNotes : notes);
    QCOMPARE(v.rtbText->text(), answer == Answer::No ? tab : editedTab);
    QCOMPARE(v.rtbNotes->text(), answer == Answer::No ? notes : editedNotes);
    QCOMPARE(v.rtbText->isReadOnly(), !cancel);
    QCOMPARE(v.cmd[0]->isEnabled(), cancel);
}

void tst_ctlView::captionsAfterEditCycles()
{
    Fixture f;
    ctlView &v = f.view;
    f.showFile(QStringLiteral("abc"), QString());
    const QColor normal = v.lblTab->palette().color(QPalette::Window);
    for (int cycle = 0; cycle < 3; ++cycle) {
        v.EditCurrent(true);
        QCOMPARE(v.lblTab->text(), QStringLiteral(" Editing:  Song"));
        if (cycle == 1) {
            QTest::keyClicks(v.rtbText, QStringLiteral("x"));
            f.prompts.answer(Answer::Yes);
        }
        v.EditCurrent(false);
        QCOMPARE(v.lblTab->text(), QStringLiteral(" Song"));
        QCOMPARE(v.lblHelp->text(), QString());
        QCOMPARE(v.lblNotes->palette().color(QPalette::Window), normal);
    }
    QCOMPARE(f.prompts.asked.size(), 1);  // only the cycle with a change asks
}

void tst_ctlView::dirtyAndChangeOnlyInEditMode()
{
    Fixture f;
    ctlView &v = f.view;
    QSignalSpy changes(&v, &ctlView::OnChange);
    f.showFile(QStringLiteral("abc"), QStringLiteral("n"));

    // A writable editor outside edit mode does not count as a change.
    v.rtbText->setReadOnly(false);
    QTest::keyClicks(v.rtbText, QStringLiteral("x"));
    QCOMPARE(v.rtbText->text(), QStringLiteral("xabc"));
    QVERIFY(changes.isEmpty());
    QVERIFY(!v.Dirty());

    // Loading texts in edit mode does not count either (typing does: see saveQuestion).
    v.EditCurrent(true);
    v.setTabText(QStringLiteral("loaded"));
    v.setNotes(QStringLiteral("notes"));
    QVERIFY(changes.isEmpty());
    QVERIFY(!v.Dirty());
}

void tst_ctlView::diskFileSave_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("saved") << "ok";
    // unwritable for every user, root included: a folder that is a regular file
    QTest::newRow("path under a regular file") << "under-file";
}

void tst_ctlView::diskFileSave()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("song.tab"));
    if (kind == "under-file") {
        const QString plain = dir.filePath(QStringLiteral("plain.txt"));
        QFile file(plain);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a folder");
        file.close();
        path = plain + QStringLiteral("/song.tab");
    }
    const bool ok = kind == "ok";

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

    QCOMPARE(v.SaveCurrent(), ok);
    QCOMPARE(fileSaves.count(), ok ? 1 : 0);
    QCOMPARE(saves.count(), 0);
    QCOMPARE(v.Dirty(), !ok);
    QCOMPARE(v.TabText(), ok ? edited : original);
    QFile file(path);
    if (ok) {
        // UTF-8, CR LF line ends, and exactly one line break at the end.
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), edited.toUtf8());
        file.close();
        v.rtbText->setText(QStringLiteral("a\nb\rc"));
        QVERIFY(v.SaveCurrent());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("a\r\nb\r\nc\r\n"));
        v.EditCurrent(false);
        QVERIFY(f.prompts.asked.isEmpty());
        QCOMPARE(chordex::EditMode, 0);
        QCOMPARE(v.TitleText(), QString());
        return;
    }
    QCOMPARE(f.prompts.asked.size(), 1);
    QCOMPARE(f.prompts.last().icon, Prompts::Icon::Critical);
    QVERIFY(f.prompts.last().text.contains(QDir::toNativeSeparators(path)));
    QVERIFY(!QFileInfo(path).isFile());

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

void tst_ctlView::searchAndGoToLine_data()
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
    QTest::newRow("next wraps") << "next" << ab << "abc" << 0 << 5 << 1 << "" << 0;
    QTest::newRow("prev before caret") << "prev" << ab << "abc" << 0 << 4 << 1 << "" << 0;
    QTest::newRow("prev wraps") << "prev" << ab << "abc" << 0 << 0 << 1 << "" << 4;
    QTest::newRow("match case") << "next" << "Abc abc" << "abc" << 1 << 0 << 1 << "" << 4;
    QTest::newRow("whole word") << "next" << "abcd abc" << "abc" << 2 << 0 << 1 << "" << 5;
    QTest::newRow("wide chars") << "next" << "\u00e4\u20ac abc" << "abc" << 0 << 0 << 1 << "" << 3;
    QTest::newRow("across lines") << "next" << "e:|\r\nB:|" << "|\r\nB" << 0 << 0 << 1 << "" << 2;
    QTest::newRow("not found") << "next" << "abc" << "xyz" << 0 << 1 << 0 << "" << 1;
    QTest::newRow("empty needle") << "next" << "abc" << "" << 0 << 1 << 0 << "" << 1;
    QTest::newRow("replace") << "step" << "x1 x2 x3" << "x" << 0 << 0 << 1 << "[x]1 x2 x3" << 5;
    QTest::newRow("replace read-only") << "step" << "x1 x2" << "x" << 4 << 0 << 1 << "" << 3;
    QTest::newRow("all") << "all" << cats << "cat" << 0 << 0 << 3 << "[cat] con[cat] [cat]" << -1;
    QTest::newRow("all, case, word") << "all" << cats << "cat" << 3 << 0 << 1 << "[cat] concat Cat"
                                     << -1;
    QTest::newRow("all read-only") << "all" << cats << "cat" << 4 << 0 << 0 << "" << -1;
    QTest::newRow("line 3") << "line" << lines << "" << 0 << 3 << 3 << "" << 10;
    QTest::newRow("line past the end") << "line" << lines << "" << 0 << 99 << 4 << "" << 17;
    QTest::newRow("line 0") << "line" << lines << "" << 0 << 0 << 1 << "" << 0;
}

void tst_ctlView::searchAndGoToLine()
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

QTEST_MAIN(tst_ctlView)
#include "tst_ctlView.moc"
