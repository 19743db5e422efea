#include "app/EditMode.h"
#include "app/Twips.h"
#include "app/Version.h"
#include "store/modSettings.h"
#include "view/StaffTemplates.h"
#include "view/TextEditor.h"
#include "view/ctlView.h"

#include "ScriptedPrompts.h"
#include "TestHome.h"

#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

using Answer = Prompts::Answer;

const QString CrLf = QStringLiteral("\r\n");

// The blocks as the design gives them: the four header lines, and the top string of each
// staff (the other strings repeat it with their own letter).
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

    Fixture()
    {
        view.resize(800, 600);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
    }

    // What the main window does when a file is clicked.
    void showFile(const QString &title, const QString &tab, const QString &notes)
    {
        view.Cover(false);
        view.setNotes(notes);
        view.setTabText(tab);
        view.setTitleText(title);
        view.FileSelected();
    }
};

bool visible(QWidget *widget, QWidget *ancestor)
{
    return widget->isVisibleTo(ancestor);
}

}  // namespace

class tst_ctlView final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void initialState();
    void layout();
    void staffBlocks_data();
    void staffBlocks();
    void templates_data();
    void templates();
    void templatesNeedEditMode();
    void saveQuestion_data();
    void saveQuestion();
    void captionsAndColours();
    void dirtyAndChangeOnlyInEditMode();
    void undoRedoReporting();
    void tabsAndCover();
    void diskFile();
    void diskFileSaveFailure_data();
    void diskFileSaveFailure();
    void editingCommands();
    void editorNotifications();
    void options();
    void printInfo();
    void browserPage();

private:
    std::unique_ptr<TestHome> m_home;
};

void tst_ctlView::initTestCase()
{
    m_home = std::make_unique<TestHome>();
}

void tst_ctlView::init()
{
    chordex::EditMode = 0;
    TestHome::clearSettings();
}

void tst_ctlView::initialState()
{
    Fixture f;
    ctlView &v = f.view;
    QCOMPARE(v.tbsTabs->count(), 3);
    QCOMPARE(v.tbsTabs->tabText(0), QStringLiteral("Tablature"));
    QCOMPARE(v.tbsTabs->tabText(1), QStringLiteral("Notes"));
    QCOMPARE(v.tbsTabs->tabText(2), QStringLiteral("Browser"));
    QCOMPARE(v.SelectedTab(), 1);
    QVERIFY(v.CoverVisible());
    QCOMPARE(v.lblTab->text(), QStringLiteral(" Chordex"));
    QCOMPARE(v.lblNotes->text(), QStringLiteral(" Chordex"));
    QCOMPARE(v.lblBrowser->text(), QStringLiteral(" Web Browser:"));
    QCOMPARE(v.lblHelp->text(), QString());
    QCOMPARE(v.lblVersion->text(), QStringLiteral("Version %1.%2.%3")
                                       .arg(chordex::VersionMajor)
                                       .arg(chordex::VersionMinor)
                                       .arg(chordex::VersionRevision));
    QCOMPARE(v.lblProductName->text(), QStringLiteral("Chordex"));
    QCOMPARE(v.lblCompanyProduct->text(), QStringLiteral("Guitar/Bass Document Management Software"));
    QVERIFY(v.lblTab->font().bold());
    QVERIFY(v.rtbText->isReadOnly());
    QVERIFY(v.rtbNotes->isReadOnly());

    const QStringList captions{"-", "1", "2", "3", "4"};
    const QStringList tips{"Insert Header Notice", "Tabline - 1 Measure", "Tabline - 2 Measures",
                           "Tabline - 3 Measures", "Tabline - 4 Measures"};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(v.cmd[i]->text(), captions[i]);
        QCOMPARE(v.cmd[i]->toolTip(), tips[i]);
        QVERIFY(!v.cmd[i]->isEnabled());
    }
    QVERIFY(v.cmd[0]->font().bold());
}

void tst_ctlView::layout()
{
    Fixture f;
    ctlView &v = f.view;
    const int button = Twips::ToPixels(225);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(v.cmd[i]->geometry(), QRect(i * button, 0, button, button));
    QCOMPARE(v.picButtons->geometry().right() + 1, v.width());
    QCOMPARE(v.picButtons->geometry().bottom() + 1, v.height() - Twips::ToPixels(20));
    QCOMPARE(v.picHelp->geometry().bottom() + 1, v.height());

    // Pages lie below the tabs, the editors fill their page below the caption, and the
    // cover hides the caption and the editor but not the tabs.
    const int tabsBottom = v.tbsTabs->geometry().bottom();
    for (int i = 1; i <= 3; ++i) {
        QVERIFY(v.picContainer[i]->geometry().top() > tabsBottom);
        QCOMPARE(v.picContainer[i]->width(), v.width());
    }
    QVERIFY(v.rtbText->geometry().top() >= v.lblTab->geometry().bottom());
    QCOMPARE(v.rtbText->geometry().right() + 1, v.picContainer[1]->width());
    QCOMPARE(v.rtbText->geometry().bottom() + 1, v.picContainer[1]->height());
    QVERIFY(v.picCover->geometry().top() > tabsBottom);
    QVERIFY(v.picCover->geometry().bottom() <= v.picHelp->geometry().top());
    for (QLabel *label : {v.lblProductName, v.lblCompanyProduct, v.lblVersion})
        QCOMPARE(label->geometry().right() + 1, v.fFrame->width() - Twips::ToPixels(180));
}

void tst_ctlView::staffBlocks_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QList<int>>("measures");  // dashes per measure; empty for the header
    QTest::newRow("header") << 0 << QList<int>{};
    QTest::newRow("1 measure") << 1 << QList<int>{73};
    QTest::newRow("2 measures") << 2 << QList<int>{35, 37};
    QTest::newRow("3 measures") << 3 << QList<int>{22, 29, 20};
    QTest::newRow("4 measures") << 4 << QList<int>{17, 17, 18, 18};
}

void tst_ctlView::staffBlocks()
{
    QFETCH(int, index);
    QFETCH(QList<int>, measures);

    const QString block = StaffTemplates::Block(index);
    QCOMPARE(block, expectedBlock(index));
    QVERIFY(block.endsWith(CrLf));
    QStringList lines = block.split(CrLf);
    QCOMPARE(lines.takeLast(), QString());
    if (measures.isEmpty()) {
        QCOMPARE(lines.size(), 4);
        for (const QString &line : lines)
            QCOMPARE(line.size(), 80);
        return;
    }
    QCOMPARE(lines.size(), 6);
    for (int s = 0; s < 6; ++s) {
        const QString &line = lines[s];
        QCOMPARE(line.size(), 76);
        QCOMPARE(line.left(2), QString(QStringLiteral("eBGDAE")[s]) + ':');
        QVERIFY(line.endsWith('|'));
        QStringList parts = line.mid(2).split('|');
        QCOMPARE(parts.takeLast(), QString());
        QList<int> dashes;
        for (const QString &part : parts) {
            QCOMPARE(part.count('-'), part.size());
            dashes << int(part.size());
        }
        QCOMPARE(dashes, measures);
    }
    QCOMPARE(StaffTemplates::Block(5), QString());
    QCOMPARE(StaffTemplates::Block(-1), QString());
}

void tst_ctlView::templates_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("selected");

    for (int i = 0; i < 5; ++i) {
        QTest::addRow("button %d, empty tablature", i) << i << 1 << QString() << 0 << 0;
        QTest::addRow("button %d, notes mid-line", i) << i << 2 << QStringLiteral("ab\r\ncd") << 5 << 0;
    }
    QTest::newRow("tablature selection") << 2 << 1 << QStringLiteral("keep|DROP|keep") << 5 << 4;
    QTest::newRow("notes selection") << 4 << 2 << QStringLiteral("xxSEL\r\nyy") << 2 << 5;
    QTest::newRow("browser tab") << 1 << 3 << QStringLiteral("abc") << 1 << 0;
}

void tst_ctlView::templates()
{
    QFETCH(int, button);
    QFETCH(int, tab);
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(int, selected);

    Fixture f;
    ctlView &v = f.view;
    f.showFile(QStringLiteral("Song"), text, text);
    v.EditCurrent(true);
    v.SelectTab(tab);
    TextEditor *target = tab == 1 ? v.rtbText : tab == 2 ? v.rtbNotes : nullptr;
    TextEditor *other = tab == 1 ? v.rtbNotes : v.rtbText;
    // The other editor's caret stays where it is, whatever happens in the target.
    other->setSelStart(1);
    if (target) {
        target->setSelStart(caret);
        target->SendScintilla(QsciScintillaBase::SCI_SETSEL, static_cast<unsigned long>(caret),
                              long(caret + selected));
        QCOMPARE(target->selStart(), caret);
        QCOMPARE(target->selLength(), selected);
    }
    QSignalSpy changes(&v, &ctlView::OnChange);

    v.cmd[button]->click();

    QCOMPARE(other->text(), text);
    QCOMPARE(other->selStart(), std::min(1, int(text.size())));
    if (!target) {
        QCOMPARE(v.rtbText->text(), text);
        QCOMPARE(changes.count(), 0);
        QVERIFY(!v.Dirty());
        return;
    }
    const QString expected = text.left(caret) + expectedBlock(button) + CrLf + text.mid(caret + selected);
    QCOMPARE(target->text(), expected);
    QCOMPARE(target->selStart(), caret);
    QCOMPARE(target->selLength(), 0);
    QVERIFY(changes.count() >= 1);
    QVERIFY(v.Dirty());
    if (text.isEmpty())
        QCOMPARE(target->text().count(CrLf), button == 0 ? 5 : 7);
}

void tst_ctlView::templatesNeedEditMode()
{
    Fixture f;
    ctlView &v = f.view;
    f.showFile(QStringLiteral("Song"), QStringLiteral("abc"), QString());
    // Even a button that is enabled does nothing outside edit mode.
    v.cmd[1]->setEnabled(true);
    v.cmd[1]->click();
    v.cmd_Click(0);
    QCOMPARE(v.rtbText->text(), QStringLiteral("abc"));

    v.EditCurrent(true);
    for (QToolButton *button : v.cmd)
        QVERIFY(button->isEnabled());
    v.EditCurrent(false);
    for (QToolButton *button : v.cmd)
        QVERIFY(!button->isEnabled());
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
    f.showFile(QStringLiteral("Song"), tab, notes);
    v.EditCurrent(true);
    v.rtbText->setSelStart(0);
    QTest::keyClicks(v.rtbText, QStringLiteral("A"));
    v.SelectTab(2);
    v.rtbNotes->setSelStart(6);
    QTest::keyClicks(v.rtbNotes, QStringLiteral("!"));
    const QString editedTab = QStringLiteral("A") + tab;
    const QString editedNotes = notes + QStringLiteral("!");
    QCOMPARE(v.rtbText->text(), editedTab);
    QCOMPARE(v.rtbNotes->text(), editedNotes);

    QSignalSpy saves(&v, &ctlView::OnSaveChanges);
    QSignalSpy completes(&v, &ctlView::OnEditComplete);
    f.prompts.answer(answer);
    v.EditCurrent(false);

    QCOMPARE(f.prompts.asked.size(), 1);
    const ScriptedPrompts::Question &q = f.prompts.last();
    QCOMPARE(q.text, QStringLiteral("Do you wish to save your changes?"));
    QCOMPARE(q.title, QStringLiteral("Save Changes"));
    QCOMPARE(q.icon, Prompts::Icon::Exclamation);
    QCOMPARE(q.buttons, Prompts::Buttons::YesNoCancel);

    if (answer == Answer::Cancel) {
        QCOMPARE(saves.count(), 0);
        QCOMPARE(completes.count(), 0);
        QCOMPARE(chordex::EditMode, 1);
        QVERIFY(v.Dirty());
        QCOMPARE(v.rtbText->text(), editedTab);
        QCOMPARE(v.rtbNotes->text(), editedNotes);
        QCOMPARE(v.TabText(), tab);
        QCOMPARE(v.lblTab->text(), QStringLiteral(" Editing:  Song"));
        QVERIFY(!v.rtbText->isReadOnly());
        QVERIFY(v.cmd[0]->isEnabled());
        return;
    }

    const bool yes = answer == Answer::Yes;
    QCOMPARE(saves.count(), yes ? 1 : 0);
    if (yes) {
        QCOMPARE(saves.at(0).at(0).toString(), editedTab);
        QCOMPARE(saves.at(0).at(1).toString(), editedNotes);
    }
    QCOMPARE(completes.count(), 1);
    QCOMPARE(chordex::EditMode, 0);
    QVERIFY(!v.Dirty());
    QCOMPARE(v.TabText(), yes ? editedTab : tab);
    QCOMPARE(v.Notes(), yes ? editedNotes : notes);
    QCOMPARE(v.rtbText->text(), yes ? editedTab : tab);
    QCOMPARE(v.rtbNotes->text(), yes ? editedNotes : notes);
    QCOMPARE(v.lblTab->text(), QStringLiteral(" Song"));
    QVERIFY(v.rtbText->isReadOnly());
    QVERIFY(v.rtbNotes->isReadOnly());
    QVERIFY(!v.cmd[0]->isEnabled());
}

void tst_ctlView::captionsAndColours()
{
    Fixture f;
    ctlView &v = f.view;
    f.showFile(QStringLiteral("Song"), QStringLiteral("abc"), QString());
    QCOMPARE(v.lblTab->text(), QStringLiteral(" Song"));
    QCOMPARE(v.lblNotes->text(), QStringLiteral(" Notes:"));
    const QColor normalBack = v.lblTab->palette().color(QPalette::Window);
    const QColor normalFore = v.lblTab->palette().color(QPalette::WindowText);
    QCOMPARE(normalBack, v.palette().color(QPalette::Dark));
    QCOMPARE(normalFore, v.palette().color(QPalette::Button));

    for (int cycle = 0; cycle < 3; ++cycle) {
        v.EditCurrent(true);
        QCOMPARE(v.lblTab->text(), QStringLiteral(" Editing:  Song"));
        QCOMPARE(v.lblHelp->text(), QStringLiteral("Edit Mode: No Changes - Select File"));
        for (QLabel *label : {v.lblTab, v.lblNotes}) {
            QCOMPARE(label->palette().color(QPalette::Window), QColor(0, 192, 0));
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
        }
        if (cycle == 1) {
            QTest::keyClicks(v.rtbText, QStringLiteral("x"));
            f.prompts.answer(Answer::Yes);
        }
        v.EditCurrent(false);
        QCOMPARE(v.lblTab->text(), QStringLiteral(" Song"));
        QCOMPARE(v.lblHelp->text(), QString());
        for (QLabel *label : {v.lblTab, v.lblNotes}) {
            QCOMPARE(label->palette().color(QPalette::Window), normalBack);
            QCOMPARE(label->palette().color(QPalette::WindowText), normalFore);
        }
    }
    // Leaving without a change asks nothing; the one question came from cycle 1.
    QCOMPARE(f.prompts.asked.size(), 1);

    // A rename while editing keeps the edit prefix until edit mode ends.
    v.EditCurrent(true);
    v.setTitleText(QStringLiteral("Renamed"));
    QCOMPARE(v.lblTab->text(), QStringLiteral(" Editing:  Renamed"));
    v.EditCurrent(false);
    QCOMPARE(v.lblTab->text(), QStringLiteral(" Renamed"));
    QCOMPARE(v.TitleText(), QStringLiteral("Renamed"));

    // A title that itself starts like the prefix is left alone.
    v.setTitleText(QStringLiteral("Editing: live"));
    v.EditCurrent(false);
    QCOMPARE(v.lblTab->text(), QStringLiteral(" Editing: live"));

    v.Clear();
    QCOMPARE(v.lblTab->text(), QStringLiteral(" Chordex"));
    QCOMPARE(v.lblNotes->text(), QStringLiteral(" Chordex"));
}

void tst_ctlView::dirtyAndChangeOnlyInEditMode()
{
    Fixture f;
    ctlView &v = f.view;
    QSignalSpy changes(&v, &ctlView::OnChange);
    f.showFile(QStringLiteral("Song"), QStringLiteral("abc"), QStringLiteral("n"));
    QCOMPARE(changes.count(), 0);
    QVERIFY(!v.Dirty());

    // A writable editor outside edit mode still does not count as a change.
    v.rtbText->setReadOnly(false);
    QTest::keyClicks(v.rtbText, QStringLiteral("x"));
    QCOMPARE(v.rtbText->text(), QStringLiteral("xabc"));
    QCOMPARE(changes.count(), 0);
    QVERIFY(!v.Dirty());

    v.EditCurrent(true);
    QCOMPARE(chordex::EditMode, 1);
    v.setTabText(QStringLiteral("loaded"));
    v.setNotes(QStringLiteral("loaded notes"));
    QCOMPARE(changes.count(), 0);
    QVERIFY(!v.Dirty());

    v.SelectTab(2);
    QTest::keyClicks(v.rtbNotes, QStringLiteral("y"));
    QVERIFY(changes.count() >= 1);
    QVERIFY(v.Dirty());
    QCOMPARE(v.lblHelp->text(), QStringLiteral("Select \"Cancel\" or \"Save\" to exit Edit Mode"));

    QSignalSpy saves(&v, &ctlView::OnSaveChanges);
    QVERIFY(v.SaveCurrent());
    QCOMPARE(saves.count(), 1);
    QCOMPARE(saves.at(0).at(0).toString(), QStringLiteral("loaded"));
    QCOMPARE(saves.at(0).at(1).toString(), QStringLiteral("yloaded notes"));
    QVERIFY(!v.Dirty());
    v.EditCurrent(false);
    QCOMPARE(f.prompts.asked.size(), 0);
}

void tst_ctlView::undoRedoReporting()
{
    Fixture f;
    ctlView &v = f.view;
    QSignalSpy reports(&v, &ctlView::UpdateUndoRedo);
    const auto report = [&](bool canUndo, bool canRedo, int count) {
        reports.clear();
        v.SetUndoRedo();
        QCOMPARE(reports.count(), count);
        QCOMPARE(reports.first(), (QList<QVariant>{false, false}));
        QCOMPARE(reports.last(), (QList<QVariant>{canUndo, canRedo}));
    };

    f.showFile(QStringLiteral("Song"), QStringLiteral("abc"), QStringLiteral("n"));
    report(false, false, 1);
    v.EditCurrent(true);
    report(false, false, 2);
    QTest::keyClicks(v.rtbText, QStringLiteral("x"));
    report(true, false, 2);
    v.Undo();
    report(false, true, 2);
    v.Redo();
    report(true, false, 2);
    v.SelectTab(2);
    report(false, false, 2);
    v.SelectTab(3);
    report(false, false, 1);
    v.SelectTab(1);
    f.prompts.answer(Answer::No);
    v.EditCurrent(false);
    report(false, false, 1);
}

void tst_ctlView::tabsAndCover()
{
    Fixture f;
    ctlView &v = f.view;
    QSignalSpy clicks(&v, &ctlView::OnTabsClick);
    QSignalSpy clears(&v, &ctlView::OnClear);
    const auto shownPage = [&] {
        int shown = 0;
        for (int i = 1; i <= 3; ++i)
            if (visible(v.picContainer[i], &v))
                shown = shown ? -1 : i;
        return shown;
    };
    QCOMPARE(shownPage(), 1);

    v.SelectTab(3);
    QCOMPARE(shownPage(), 3);
    QVERIFY(!v.CoverVisible());
    QCOMPARE(clicks.last().at(0).toInt(), 3);

    // Clear on the Browser tab leaves the cover down; the Tablature tab then shows it.
    v.Clear();
    QCOMPARE(clears.count(), 1);
    QVERIFY(!v.CoverVisible());
    v.SelectTab(1);
    QCOMPARE(shownPage(), 1);
    QVERIFY(v.CoverVisible());
    QCOMPARE(clicks.last().at(0).toInt(), 1);

    f.showFile(QStringLiteral("Song"), QStringLiteral("tab"), QStringLiteral("notes"));
    QVERIFY(!v.CoverVisible());
    v.SelectTab(2);
    QCOMPARE(shownPage(), 2);
    QVERIFY(!v.CoverVisible());
    v.SelectTab(3);
    v.FileSelected();
    QCOMPARE(v.SelectedTab(), 1);
    QCOMPARE(shownPage(), 1);
    QVERIFY(!v.CoverVisible());
    QCOMPARE(clicks.count(), 5);

    // ClearAll empties the fields and editors but leaves captions and cover.
    clears.clear();
    v.ClearAll();
    QCOMPARE(clears.count(), 1);
    QCOMPARE(v.TitleText(), QString());
    QCOMPARE(v.TabText(), QString());
    QCOMPARE(v.Notes(), QString());
    QCOMPARE(v.rtbText->text(), QString());
    QCOMPARE(v.rtbNotes->text(), QString());
    QCOMPARE(v.lblTab->text(), QStringLiteral(" Song"));
    QVERIFY(!v.CoverVisible());

    // Clear keeps the fields but empties the editors.
    f.showFile(QStringLiteral("Other"), QStringLiteral("tab"), QStringLiteral("notes"));
    v.Clear();
    QVERIFY(v.CoverVisible());
    QCOMPARE(v.TabText(), QStringLiteral("tab"));
    QCOMPARE(v.rtbText->text(), QString());
    v.SelectTab(2);
    QVERIFY(v.CoverVisible());
}

void tst_ctlView::diskFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("song.tab"));
    Fixture f;
    ctlView &v = f.view;
    QSignalSpy fileSaves(&v, &ctlView::OnSaveFileChanges);
    QSignalSpy saves(&v, &ctlView::OnSaveChanges);
    QSignalSpy clears(&v, &ctlView::OnClear);

    v.SelectTab(3);
    v.FileEdit(path, QStringLiteral("e:--|\r\nB:--|\r\n"));
    QCOMPARE(v.SelectedTab(), 1);
    QVERIFY(visible(v.picContainer[1], &v));
    QVERIFY(!visible(v.picContainer[3], &v));
    QVERIFY(!v.CoverVisible());
    QCOMPARE(v.TitleText(), path);
    QCOMPARE(v.lblTab->text(), QLatin1Char(' ') + path);
    v.EditCurrent(true);

    // The pages stay on the tab text while a disk file is edited.
    QSignalSpy clicks(&v, &ctlView::OnTabsClick);
    v.SelectTab(2);
    QTest::mouseClick(v.tbsTabs, Qt::LeftButton, {}, v.tbsTabs->tabRect(2).center());
    QCOMPARE(v.SelectedTab(), 1);
    QVERIFY(visible(v.picContainer[1], &v));
    QVERIFY(!visible(v.picContainer[2], &v));
    QCOMPARE(clicks.count(), 0);

    // UTF-8, CR LF line ends, and exactly one line break at the end.
    v.rtbText->setSelStart(0);
    v.rtbText->insert(QStringLiteral("caf\u00e9 "));
    QVERIFY(v.Dirty());
    QVERIFY(v.SaveCurrent());
    QCOMPARE(fileSaves.count(), 1);
    QCOMPARE(saves.count(), 0);
    QVERIFY(!v.Dirty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QStringLiteral("caf\u00e9 e:--|\r\nB:--|\r\n").toUtf8());
    file.close();
    QCOMPARE(v.TabText(), QStringLiteral("caf\u00e9 e:--|\r\nB:--|\r\n"));

    v.rtbText->setText(QStringLiteral("a\nb\rc"));
    QVERIFY(v.SaveCurrent());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("a\r\nb\r\nc\r\n"));
    file.close();

    // Leaving clears the pane but keeps the text in the editor for the host.
    v.EditCurrent(false);
    QCOMPARE(f.prompts.asked.size(), 0);
    QCOMPARE(clears.count(), 2);
    QCOMPARE(chordex::EditMode, 0);
    QVERIFY(v.CoverVisible());
    QCOMPARE(v.TitleText(), QString());
    QCOMPARE(v.TabText(), QString());
    QCOMPARE(v.lblTab->text(), QStringLiteral(" Chordex"));
    QCOMPARE(v.rtbText->text(), QStringLiteral("a\nb\rc"));
    v.SelectTab(2);
    QCOMPARE(v.SelectedTab(), 2);
    QVERIFY(visible(v.picContainer[2], &v));
}

void tst_ctlView::diskFileSaveFailure_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("path is a folder") << "folder";
    QTest::newRow("folder missing") << "missing";
    QTest::newRow("parent is a file") << "parent-file";
    QTest::newRow("read-only folder") << "read-only";
}

void tst_ctlView::diskFileSaveFailure()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QString path;
    const QString readOnly = dir.filePath(QStringLiteral("ro"));
    if (kind == "folder") {
        path = dir.path();
    } else if (kind == "missing") {
        path = dir.filePath(QStringLiteral("none/song.tab"));
    } else if (kind == "parent-file") {
        QFile plain(dir.filePath(QStringLiteral("plain.txt")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        path = plain.fileName() + QStringLiteral("/song.tab");
    } else {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ro")));
        QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner);
        QFile probe(readOnly + QStringLiteral("/probe"));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.close();
            probe.remove();
            QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("this user can write into read-only folders");
        }
        path = readOnly + QStringLiteral("/song.tab");
    }

    Fixture f;
    ctlView &v = f.view;
    QSignalSpy fileSaves(&v, &ctlView::OnSaveFileChanges);
    QSignalSpy completes(&v, &ctlView::OnEditComplete);
    v.FileEdit(path, QStringLiteral("abc\r\n"));
    v.EditCurrent(true);
    v.rtbText->setSelStart(0);
    QTest::keyClicks(v.rtbText, QStringLiteral("X"));

    QVERIFY(!v.SaveCurrent());
    QCOMPARE(f.prompts.asked.size(), 1);
    QCOMPARE(f.prompts.last().icon, Prompts::Icon::Critical);
    QCOMPARE(f.prompts.last().title, QStringLiteral("Chordex"));
    QVERIFY2(f.prompts.last().text.contains(QDir::toNativeSeparators(path)),
             qPrintable(f.prompts.last().text));
    QCOMPARE(fileSaves.count(), 0);
    QVERIFY(v.Dirty());
    QCOMPARE(chordex::EditMode, 1);
    QCOMPARE(v.rtbText->text(), QStringLiteral("Xabc\r\n"));
    QCOMPARE(v.TabText(), QStringLiteral("abc\r\n"));
    QVERIFY(!QFileInfo(path).isFile());

    // Answering Yes when leaving tries again, reports again, and stays in edit mode.
    f.prompts.answer(Answer::Yes);
    v.EditCurrent(false);
    QCOMPARE(f.prompts.asked.size(), 3);
    QCOMPARE(f.prompts.last().icon, Prompts::Icon::Critical);
    QCOMPARE(chordex::EditMode, 1);
    QCOMPARE(completes.count(), 0);
    QCOMPARE(v.rtbText->text(), QStringLiteral("Xabc\r\n"));

    f.prompts.answer(Answer::No);
    v.EditCurrent(false);
    QCOMPARE(chordex::EditMode, 0);
    QCOMPARE(completes.count(), 1);

    if (kind == "read-only")
        QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void tst_ctlView::editingCommands()
{
    Fixture f;
    ctlView &v = f.view;
    const QString tab = QStringLiteral("one two one\r\nline2\r\nline3");
    const QString notes = QStringLiteral("alpha beta alpha");
    f.showFile(QStringLiteral("Song"), tab, notes);
    const auto findText = [](const QString &text) {
        return [text](QDialog &dialog) {
            dialog.findChild<QLineEdit *>(QStringLiteral("txtFind"))->setText(text);
            return int(QDialog::Accepted);
        };
    };

    // Nothing happens on the Browser tab.
    v.SelectTab(3);
    v.SelectAll();
    v.Find();
    v.FindNext();
    v.FindPrevious();
    v.RunReplace();
    v.GoToLine();
    QCOMPARE(f.prompts.asked.size(), 0);
    QCOMPARE(v.rtbText->selLength(), 0);
    QCOMPARE(v.rtbNotes->selLength(), 0);

    // Find works on the notes page and is repeated by Find Next / Find Previous.
    v.SelectTab(2);
    f.prompts.answerModal(findText(QStringLiteral("alpha")));
    v.Find();
    QCOMPARE(f.prompts.last().dialogClass, QStringLiteral("FindDialog"));
    QCOMPARE(v.rtbNotes->selStart(), 0);
    QCOMPARE(v.rtbNotes->selLength(), 5);
    QCOMPARE(v.rtbText->selLength(), 0);
    v.FindNext();
    QCOMPARE(v.rtbNotes->selStart(), 11);
    v.FindNext();
    QCOMPARE(v.rtbNotes->selStart(), 0);
    v.FindPrevious();
    QCOMPARE(v.rtbNotes->selStart(), 11);

    f.prompts.answerModal(findText(QStringLiteral("zzz")));
    v.Find();
    QCOMPARE(f.prompts.last().kind, ScriptedPrompts::Kind::Message);
    QCOMPARE(f.prompts.last().text, QStringLiteral("Cannot find \"zzz\"."));
    QCOMPARE(f.prompts.last().title, QStringLiteral("Chordex"));

    // Go To Line and Select All on the tab text.
    v.SelectTab(1);
    f.prompts.answerModal([](QDialog &dialog) {
        dialog.findChild<QSpinBox *>(QStringLiteral("spnLine"))->setValue(3);
        return int(QDialog::Accepted);
    });
    v.GoToLine();
    QCOMPARE(v.rtbText->currentLine(), 3);
    v.SelectAll();
    QCOMPARE(v.rtbText->selLength(), int(tab.size()));

    // Replace cannot change a read-only editor; in edit mode Replace All does.
    bool replaceEnabled = true;
    f.prompts.answerModal([&](QDialog &dialog) {
        replaceEnabled = dialog.findChild<QPushButton *>(QStringLiteral("cmdReplaceAll"))->isEnabled();
        return int(QDialog::Rejected);
    });
    v.RunReplace();
    QVERIFY(!replaceEnabled);

    v.EditCurrent(true);
    QSignalSpy changes(&v, &ctlView::OnChange);
    QString status;
    f.prompts.answerModal([&](QDialog &dialog) {
        dialog.findChild<QLineEdit *>(QStringLiteral("txtFind"))->setText(QStringLiteral("one"));
        dialog.findChild<QLineEdit *>(QStringLiteral("txtReplace"))->setText(QStringLiteral("1"));
        dialog.findChild<QPushButton *>(QStringLiteral("cmdReplaceAll"))->click();
        status = dialog.findChild<QLabel *>(QStringLiteral("lblStatus"))->text();
        return int(QDialog::Rejected);
    });
    v.RunReplace();
    QCOMPARE(v.rtbText->text(), QStringLiteral("1 two 1\r\nline2\r\nline3"));
    QCOMPARE(status, QStringLiteral("2 occurrence(s) replaced."));
    QVERIFY(changes.count() >= 1);
    v.Undo();
    QCOMPARE(v.rtbText->text(), tab);

    // Cut, Copy and Paste on the active editor.
    v.rtbText->SendScintilla(QsciScintillaBase::SCI_SETSEL, 0UL, 3L);
    v.Copy();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("one"));
    v.SelectTab(2);
    v.rtbNotes->setSelStart(0);
    v.Paste();
    QCOMPARE(v.rtbNotes->text(), QStringLiteral("one") + notes);
    v.rtbNotes->SendScintilla(QsciScintillaBase::SCI_SETSEL, 0UL, 3L);
    v.Cut();
    QCOMPARE(v.rtbNotes->text(), notes);
    QCOMPARE(v.rtbText->text(), tab);
}

void tst_ctlView::editorNotifications()
{
    Fixture f;
    ctlView &v = f.view;
    f.showFile(QStringLiteral("Song"), QStringLiteral("abc def\r\nghi"), QStringLiteral("notes"));
    QSignalSpy cutCopy(&v, &ctlView::OnEnableCutCopy);
    v.rtbText->SendScintilla(QsciScintillaBase::SCI_SETSEL, 0UL, 3L);
    QVERIFY(!cutCopy.isEmpty());
    QCOMPARE(cutCopy.last().at(0).toBool(), true);
    v.rtbText->setSelStart(1);
    QCOMPARE(cutCopy.last().at(0).toBool(), false);

    // A selection in the notes editor is not reported.
    cutCopy.clear();
    v.rtbNotes->SendScintilla(QsciScintillaBase::SCI_SETSEL, 0UL, 3L);
    QCOMPARE(cutCopy.count(), 0);

    QSignalSpy doubleClicks(&v, &ctlView::rtbTextDblClick);
    // A real double-click: press and release, then the double-click event.
    QTest::mouseClick(v.rtbText->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
    QCOMPARE(doubleClicks.count(), 0);
    QTest::mouseDClick(v.rtbText->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
    QCOMPARE(doubleClicks.count(), 1);
}

void tst_ctlView::options()
{
    Fixture f;
    ctlView &v = f.view;
    modSettings::SaveSetting(QStringLiteral("Settings"), QStringLiteral("Font"),
                             QStringLiteral("DejaVu Serif"));
    modSettings::SaveSetting(QStringLiteral("Settings"), QStringLiteral("FontSize"), QStringLiteral("12"));
    v.SetOptions();
    for (TextEditor *editor : {v.rtbText, v.rtbNotes}) {
        QCOMPARE(editor->editorFont().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(editor->editorFont().pointSizeF(), 12.0);
    }

    modSettings::SaveSetting(QStringLiteral("Settings"), QStringLiteral("FontSize"), QStringLiteral("big"));
    v.SetOptions();
    QCOMPARE(v.rtbNotes->editorFont().pointSizeF(), 8.0);

    // Defaults: "Courier New" 8, or a monospace stand-in where that family is missing.
    TestHome::clearSettings();
    v.SetOptions();
    QCOMPARE(v.rtbText->editorFont().pointSizeF(), 8.0);
    QVERIFY(QFontInfo(v.rtbText->editorFont()).fixedPitch());
}

void tst_ctlView::printInfo()
{
    Fixture f;
    ctlView &v = f.view;
    f.showFile(QStringLiteral("Song"), QStringLiteral("e:--|\r\nB:--|\r\n"), QString());
    QTextEdit target;
    target.setPlainText(QStringLiteral("head "));
    target.moveCursor(QTextCursor::End);
    v.PrintInfo(target);
    QCOMPARE(target.toPlainText(), QStringLiteral("head e:--|\nB:--|\n"));
    QCOMPARE(target.font().family(), v.rtbText->editorFont().family());
}

void tst_ctlView::browserPage()
{
    Fixture f;
    ctlView &v = f.view;
    auto *pane = new QLineEdit;
    v.setBrowserPane(pane);
    QCOMPARE(pane->parentWidget(), v.browserContainer());
    QCOMPARE(v.browserContainer(), v.picContainer[3]);
    QVERIFY(pane->geometry().top() >= v.lblBrowser->geometry().bottom());

    v.ctlBrowser1_TitleChange(QStringLiteral("Tab Site"));
    QCOMPARE(v.lblBrowser->text(), QStringLiteral(" Tab Site"));

    QSignalSpy imports(&v, &ctlView::DirectImport);
    v.ctlBrowser1_DirectImport(QStringLiteral("http://x/"), QStringLiteral("Title"), QStringLiteral("Text"));
    QCOMPARE(imports.count(), 1);
    QCOMPARE(imports.at(0), (QList<QVariant>{"http://x/", "Title", "Text"}));

    v.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&v));
    v.SelectTab(3);
    QVERIFY(pane->hasFocus());
}

QTEST_MAIN(tst_ctlView)
#include "tst_ctlView.moc"
