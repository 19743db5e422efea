#include "MainFixture.h"
#include "StoreRows.h"

#include "browser/AddressBox.h"
#include "browser/WebControl.h"
#include "browser/ctlBrowser.h"
#include "dialogs/frmSelector.h"
#include "tree/ctlTree.h"
#include "view/TextEditor.h"
#include "view/ctlView.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString PageText = QStringLiteral("Riff\r\n\r\ne|--0--|\r\nB|--2--|");

// Answers the chooser with a title (null: Cancel) and notes the title it proposed.
void answerChooser(ScriptedPrompts &prompts, QString *proposed, const QString &title)
{
    prompts.answerModal([proposed, title](QDialog &d) {
        auto &chooser = static_cast<frmSelector &>(d);
        *proposed = chooser.txtTitle->text();
        if (title.isNull())
            return int(QDialog::Rejected);
        chooser.txtTitle->setText(title);
        chooser.cmdOk->click();
        return chooser.result();
    });
}

int fileCount(const MainFixture &f)
{
    return StoreRows::scalar(f.store, QStringLiteral("SELECT COUNT(*) FROM file")).toInt();
}

}  // namespace

// The browser on the view's third page and the import of a page's text as a new file.
class tst_frmMainBrowser final : public QObject
{
    Q_OBJECT

private slots:
    void browserWaitsForItsTab();
    void pageImport_data();
    void pageImport();
    void savedPageEndToEnd();
};

void tst_frmMainBrowser::browserWaitsForItsTab()
{
    MainFixture f;
    QVERIFY(f.w->ctlBrowser1);
    QCOMPARE(f.w->ctlBrowser1->parentWidget(), f.w->ctlView1->browserContainer());
    QVERIFY(QFile::exists(f.home.path() + QStringLiteral("Start.html")));
    // The program starts without the web engine.
    QVERIFY(!f.w->ctlBrowser1->brw);

    emit f.w->ctlBrowser1->TitleChange(QStringLiteral("Tabs of the day"));
    QCOMPARE(f.w->ctlView1->lblBrowser->text(), QStringLiteral(" Tabs of the day"));
}

void tst_frmMainBrowser::pageImport_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("answer");  // the chooser's title
    QTest::addColumn<int>("filesAdded");
    QTest::addColumn<int>("choosers");

    QTest::newRow("saved") << PageText << QStringLiteral("My riff") << 1 << 1;
    QTest::newRow("page without text") << QStringLiteral(" \r\n \r\n") << QStringLiteral("x") << 0 << 0;
}

void tst_frmMainBrowser::pageImport()
{
    QFETCH(QString, text);
    QFETCH(QString, answer);
    QFETCH(int, filesAdded);
    QFETCH(int, choosers);

    MainFixture f;
    f.openTestStore();
    f.clickFile(1, 1, 1);
    QString proposed;
    answerChooser(f.prompts, &proposed, answer);
    emit f.w->ctlBrowser1->DirectImport(QStringLiteral("file:///tmp/riff.html"),
                                        QStringLiteral("Riff page"), text);

    QCOMPARE(f.prompts.count(ScriptedPrompts::Kind::Modal), choosers);
    QCOMPARE(fileCount(f), 3 + filesAdded);
    QVERIFY(!f.w->PendingImport);
    QVERIFY(f.w->PendingImportText.isEmpty());
    QVERIFY(!f.w->tmr->isActive());  // an imported page is not opened for editing
    if (choosers)
        QCOMPARE(proposed, QStringLiteral("Riff page"));
    if (filesAdded) {
        const QString id = StoreRows::scalar(f.store, QStringLiteral("SELECT MAX(file_id) FROM file")).toString();
        QCOMPARE(StoreRows::scalar(f.store, "SELECT filename FROM file WHERE file_id=" + id).toString(), answer);
        QCOMPARE(StoreRows::scalar(f.store, "SELECT tab FROM tablature WHERE file_id=" + id).toString(), text);
        QCOMPARE(f.w->ctlView1->TitleText(), answer);  // the new file is selected
    } else {
        QCOMPARE(f.w->ctlView1->TitleText(), QStringLiteral("One"));
    }
    if (!choosers) {
        QCOMPARE(f.prompts.count(ScriptedPrompts::Kind::Message), 1);
        QCOMPARE(f.prompts.last().text, QStringLiteral("This page has no text to save."));
    }
}

// As a user does it: the Browser tab, a saved tab page, Ctrl+S, a folder and a title.
void tst_frmMainBrowser::savedPageEndToEnd()
{
    MainFixture f;
    f.openTestStore();
    f.w->show();
    QFile page(f.home.path() + QStringLiteral("wonderwall.html"));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<html><head><title>Wonderwall Tab</title></head><body><pre>e|--3--|\nB|--3--|</pre></body></html>");
    page.close();

    f.w->ctlView1->SelectTab(3);
    ctlBrowser *browser = f.w->ctlBrowser1;
    QVERIFY(browser->brw);
    QSignalSpy loaded(browser->brw, &QWebEngineView::loadFinished);
    browser->BrowseNavigate(page.fileName());
    QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty() && browser->brw->url().isLocalFile()
                                 && browser->brw->url().fileName() == QLatin1String("wonderwall.html"),
                             20000);
    QSignalSpy saves(f.w->mnuFileSave, &QAction::triggered);
    QString proposed;
    answerChooser(f.prompts, &proposed, QStringLiteral("Wonderwall"));
    browser->ComboFocus();
    QTest::keyClick(browser->cboURL, Qt::Key_S, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(fileCount(f), 4, 10000);
    QCOMPARE(proposed, QStringLiteral("Wonderwall Tab"));
    QCOMPARE(StoreRows::scalar(f.store, QStringLiteral("SELECT tab FROM tablature WHERE file_id=(SELECT MAX(file_id) FROM file)")).toString(),
             QStringLiteral("e|--3--|\r\nB|--3--|"));
    QCOMPARE(saves.count(), 0);
    QVERIFY(f.w->ctlTree1->FileOpened());
}

QTEST_MAIN(tst_frmMainBrowser)
#include "tst_frmMainBrowser.moc"
