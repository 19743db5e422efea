#include "view/TextEditor.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QtTest>

class tst_TextEditor final : public QObject
{
    Q_OBJECT

private slots:
    void loadingText();
    void caretPositionsCountCharacters();
    void find_data();
    void find();
    void replace();
    void goToLine();
    void keyboard();
    void altDragSelectsRectangle();
    void font();
};

void tst_TextEditor::loadingText()
{
    TextEditor editor;
    editor.setReadOnly(true);
    editor.setText(QStringLiteral("first\r\nsecond\r\n"));
    QCOMPARE(editor.text(), QStringLiteral("first\r\nsecond\r\n"));
    QVERIFY(editor.isReadOnly());
    QVERIFY(!editor.canUndo());
    QVERIFY(!editor.isModified());

    // Loading another text is not an edit that could be undone into the first one.
    editor.setReadOnly(false);
    editor.insert(QStringLiteral("x"));
    QVERIFY(editor.canUndo());
    editor.setText(QStringLiteral("other"));
    QVERIFY(!editor.canUndo());
    QVERIFY(!editor.canRedo());
    QCOMPARE(editor.text(), QStringLiteral("other"));
}

void tst_TextEditor::caretPositionsCountCharacters()
{
    TextEditor editor;
    // Multi-byte characters and a surrogate pair: positions count text() units, not bytes.
    const QString text = QStringLiteral("a\u00e4\u20ac") + QString::fromUtf8("\xF0\x9F\x8E\xB8") +
                         QStringLiteral("\r\nbc");
    editor.setText(text);
    for (int pos : {0, 1, 2, 3, 5, 6, 7, 8, 9}) {
        editor.setSelStart(pos);
        QCOMPARE(editor.selStart(), pos);
        QCOMPARE(editor.selLength(), 0);
    }
    editor.setSelStart(100);
    QCOMPARE(editor.selStart(), int(text.size()));
    editor.setSelection(0, 1, 1, 1);  // from line 0 index 1 to line 1 index 1
    QCOMPARE(editor.selStart(), 1);
    QCOMPARE(editor.selLength(), int(text.size()) - 1 - 1);
}

void tst_TextEditor::find_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("wholeWord");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("expected");  // start of the selected match, -1 for none

    QTest::newRow("forward from caret") << "abc abc" << "abc" << false << false << true << 0 << 0;
    QTest::newRow("forward after caret") << "abc abc" << "abc" << false << false << true << 1 << 4;
    QTest::newRow("forward wraps") << "abc abc" << "abc" << false << false << true << 5 << 0;
    QTest::newRow("backward") << "abc abc" << "abc" << false << false << false << 7 << 4;
    QTest::newRow("backward before caret") << "abc abc" << "abc" << false << false << false << 4 << 0;
    QTest::newRow("backward wraps") << "abc abc" << "abc" << false << false << false << 0 << 4;
    QTest::newRow("ignores case") << "Abc abc" << "abc" << false << false << true << 0 << 0;
    QTest::newRow("matches case") << "Abc abc" << "abc" << true << false << true << 0 << 4;
    QTest::newRow("part of a word") << "abcd abc" << "abc" << false << false << true << 0 << 0;
    QTest::newRow("whole word") << "abcd abc" << "abc" << false << true << true << 0 << 5;
    QTest::newRow("after wide characters") << "\u00e4\u00f6\u20ac abc" << "abc" << false << false
                                           << true << 0 << 4;
    QTest::newRow("across lines") << "e:--|\r\nB:--|" << "|\r\nB" << false << false << true << 0 << 4;
    QTest::newRow("not found") << "abc" << "xyz" << false << false << true << 1 << -1;
    QTest::newRow("empty needle") << "abc" << "" << false << false << true << 1 << -1;
}

void tst_TextEditor::find()
{
    QFETCH(QString, text);
    QFETCH(QString, needle);
    QFETCH(bool, matchCase);
    QFETCH(bool, wholeWord);
    QFETCH(bool, forward);
    QFETCH(int, caret);
    QFETCH(int, expected);

    TextEditor editor;
    editor.setText(text);
    editor.setSelStart(caret);
    SearchOptions options;
    options.text = needle;
    options.matchCase = matchCase;
    options.wholeWord = wholeWord;

    QCOMPARE(editor.find(options, forward), expected >= 0);
    if (expected < 0) {
        QCOMPARE(editor.selStart(), caret);
        QCOMPARE(editor.selLength(), 0);
        return;
    }
    QCOMPARE(editor.selStart(), expected);
    QCOMPARE(editor.selectedText(), text.mid(expected, needle.size()));
    QVERIFY(editor.selectionMatches(options));
}

void tst_TextEditor::replace()
{
    TextEditor editor;
    SearchOptions options;
    options.text = QStringLiteral("cat");
    options.replacement = QStringLiteral("dog");

    // Replace All is one undo step and counts its replacements.
    editor.setText(QStringLiteral("cat concat Cat"));
    QCOMPARE(editor.replaceAll(options), 3);
    QCOMPARE(editor.text(), QStringLiteral("dog condog dog"));
    editor.undo();
    QCOMPARE(editor.text(), QStringLiteral("cat concat Cat"));

    options.wholeWord = true;
    options.matchCase = true;
    QCOMPARE(editor.replaceAll(options), 1);
    QCOMPARE(editor.text(), QStringLiteral("dog concat Cat"));

    // A replacement that contains the searched text is not replaced again.
    editor.setText(QStringLiteral("a-a"));
    SearchOptions grow;
    grow.text = QStringLiteral("a");
    grow.replacement = QStringLiteral("aa");
    QCOMPARE(editor.replaceAll(grow), 2);
    QCOMPARE(editor.text(), QStringLiteral("aa-aa"));

    // Replace: the first press only finds, later presses replace the found match.
    editor.setText(QStringLiteral("x1 x2 x3"));
    SearchOptions step;
    step.text = QStringLiteral("x");
    step.replacement = QStringLiteral("yy");
    QVERIFY(editor.replaceAndFindNext(step));
    QCOMPARE(editor.text(), QStringLiteral("x1 x2 x3"));
    QCOMPARE(editor.selStart(), 0);
    QVERIFY(editor.replaceAndFindNext(step));
    QCOMPARE(editor.text(), QStringLiteral("yy1 x2 x3"));
    QCOMPARE(editor.selStart(), 4);
    QVERIFY(editor.replaceAndFindNext(step));
    QVERIFY(!editor.replaceAndFindNext(step));
    QCOMPARE(editor.text(), QStringLiteral("yy1 yy2 yy3"));

    // A read-only editor is never changed.
    editor.setText(QStringLiteral("cat"));
    editor.setReadOnly(true);
    options.wholeWord = false;
    QCOMPARE(editor.replaceAll(options), 0);
    editor.setSelection(0, 0, 0, 3);
    editor.replaceAndFindNext(options);
    QCOMPARE(editor.text(), QStringLiteral("cat"));
}

void tst_TextEditor::goToLine()
{
    TextEditor editor;
    editor.setText(QStringLiteral("one\r\ntwo\r\nthree\r\nfour"));
    editor.goToLine(3);
    QCOMPARE(editor.currentLine(), 3);
    QCOMPARE(editor.selStart(), 10);
    editor.goToLine(99);
    QCOMPARE(editor.currentLine(), 4);
    editor.goToLine(0);
    QCOMPARE(editor.currentLine(), 1);
    QCOMPARE(editor.selStart(), 0);
}

void tst_TextEditor::keyboard()
{
    TextEditor editor;
    editor.resize(400, 200);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    editor.setText(QStringLiteral("abc\r\ndef"));

    // Enter keeps the CR LF line ends.
    editor.setSelStart(3);
    QTest::keyClick(&editor, Qt::Key_Return);
    QCOMPARE(editor.text(), QStringLiteral("abc\r\n\r\ndef"));
    editor.undo();

    // Insert toggles overtype.
    QVERIFY(!editor.overwriteMode());
    QTest::keyClick(&editor, Qt::Key_Insert);
    QVERIFY(editor.overwriteMode());
    editor.setSelStart(0);
    QTest::keyClicks(&editor, QStringLiteral("X"));
    QCOMPARE(editor.text(), QStringLiteral("Xbc\r\ndef"));
    QTest::keyClick(&editor, Qt::Key_Insert);
    QVERIFY(!editor.overwriteMode());

    // Alt+Shift+arrows select a rectangle; typing goes into each of its lines.
    editor.setSelStart(1);
    QTest::keyClick(&editor, Qt::Key_Down, Qt::AltModifier | Qt::ShiftModifier);
    QTest::keyClick(&editor, Qt::Key_Right, Qt::AltModifier | Qt::ShiftModifier);
    QVERIFY(editor.SendScintilla(QsciScintillaBase::SCI_SELECTIONISRECTANGLE));
    QTest::keyClicks(&editor, QStringLiteral("Z"));
    QCOMPARE(editor.text(), QStringLiteral("XZc\r\ndZf"));
}

void tst_TextEditor::altDragSelectsRectangle()
{
    TextEditor editor;
    editor.resize(400, 200);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    editor.setText(QStringLiteral("abcdef\r\nghijkl\r\nmnopqr"));

    const auto point = [&](int line, int index) {
        const long pos = editor.positionFromLineIndex(line, index);
        return QPoint(int(editor.SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, pos)),
                      int(editor.SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, pos)) + 3);
    };
    QWidget *viewport = editor.viewport();
    QTest::mousePress(viewport, Qt::LeftButton, Qt::AltModifier, point(0, 1));
    QMouseEvent move(QEvent::MouseMove, point(2, 4), viewport->mapToGlobal(point(2, 4)),
                     Qt::NoButton, Qt::LeftButton, Qt::AltModifier);
    QApplication::sendEvent(viewport, &move);
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::AltModifier, point(2, 4));

    QVERIFY(editor.SendScintilla(QsciScintillaBase::SCI_SELECTIONISRECTANGLE));
    QCOMPARE(editor.SendScintilla(QsciScintillaBase::SCI_GETSELECTIONS), 3L);
    editor.copy();
    QCOMPARE(QApplication::clipboard()->text().remove(QLatin1Char('\r')),
             QStringLiteral("bcd\nhij\nnop\n"));
}

void tst_TextEditor::font()
{
    TextEditor editor;
    editor.setEditorFont(QStringLiteral("Courier New"), 11);
    const QFont font = editor.editorFont();
    QCOMPARE(font.pointSizeF(), 11.0);
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(QStringLiteral("Courier New")))
        QCOMPARE(font.family(), QStringLiteral("Courier New"));
    else
        QVERIFY2(installed.contains(font.family(), Qt::CaseInsensitive), qPrintable(font.family()));
    QVERIFY(QFontInfo(font).fixedPitch());
    // The text style itself carries the font, not only the widget.
    QCOMPARE(editor.SendScintilla(QsciScintillaBase::SCI_STYLEGETSIZE, 0UL), 11L);
    QCOMPARE(editor.SendScintilla(QsciScintillaBase::SCI_STYLEGETSIZE,
                                  static_cast<unsigned long>(QsciScintillaBase::STYLE_DEFAULT)),
             11L);

    editor.setEditorFont(QStringLiteral("No Such Font Family"), 0);
    QVERIFY(installed.contains(editor.editorFont().family(), Qt::CaseInsensitive));
    QCOMPARE(editor.editorFont().pointSizeF(), 8.0);
}

QTEST_MAIN(tst_TextEditor)
#include "tst_TextEditor.moc"
