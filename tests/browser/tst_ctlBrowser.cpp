#include "browser/WebControl.h"
#include "browser/ctlBrowser.h"

#include "ScriptedPrompts.h"
#include "TestHome.h"

#include <QAction>
#include <QFile>
#include <QMainWindow>
#include <QSignalSpy>
#include <QWebEnginePage>
#include <QtTest>

#include <memory>

// One pane serves every case: the web engine starts once, its profile exists once per process.
class tst_ctlBrowser final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void ctrlSImportsTextInsteadOfSave();
    void downloadIntoStore();

private:
    QUrl writePage(const QString &name, const QByteArray &content);
    bool load(const QUrl &url);

    std::unique_ptr<TestHome> m_home;
    ScriptedPrompts m_prompts;
    std::unique_ptr<QMainWindow> m_window;
    ctlBrowser *m_browser = nullptr;
    QAction *m_save = nullptr;
};

QUrl tst_ctlBrowser::writePage(const QString &name, const QByteArray &content)
{
    QFile file(m_home->path() + name);
    file.open(QIODevice::WriteOnly);
    file.write(content);
    return QUrl::fromLocalFile(file.fileName());
}

bool tst_ctlBrowser::load(const QUrl &url)
{
    QSignalSpy finished(m_browser->brw, &QWebEngineView::loadFinished);
    m_browser->BrowseNavigate(url.toString());
    return finished.wait(20000) && finished.first().first().toBool();
}

void tst_ctlBrowser::initTestCase()
{
    m_home = std::make_unique<TestHome>();
    // The pane sits in a window whose Save command holds Ctrl+S, as in the program.
    m_window = std::make_unique<QMainWindow>();
    m_save = new QAction(QStringLiteral("Save"), m_window.get());
    m_save->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    m_window->addAction(m_save);
    m_browser = new ctlBrowser(m_prompts);
    m_window->setCentralWidget(m_browser);
    m_browser->InitBrowse();


    m_window->resize(900, 700);
    m_window->show();
    QVERIFY(m_browser->brw != nullptr);
    QSignalSpy finished(m_browser->brw, &QWebEngineView::loadFinished);
    QVERIFY(finished.wait(20000));
}

void tst_ctlBrowser::cleanupTestCase()
{
    m_window.reset();
}

// A plain text file comes in with CR LF line ends, titled after the file; Ctrl+S in the page
// imports it rather than reaching the window's Save.
void tst_ctlBrowser::ctrlSImportsTextInsteadOfSave()
{
    const QUrl url = writePage(QStringLiteral("song.txt"), "line one\nline two\r\nline three\n");
    QVERIFY(load(url));
    QSignalSpy saves(m_save, &QAction::triggered);
    QSignalSpy imports(m_browser, &ctlBrowser::DirectImport);
    m_browser->BrowserFocus();
    QTRY_VERIFY(QApplication::focusWidget() != nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(imports.wait(10000));
    QCOMPARE(imports.first().at(0).toString(), url.toString());
    QCOMPARE(imports.first().at(1).toString(), QStringLiteral("song.txt"));
    QCOMPARE(imports.first().at(2).toString().trimmed(), QStringLiteral("line one\r\nline two\r\nline three"));
    QCOMPARE(saves.count(), 0);
}

void tst_ctlBrowser::downloadIntoStore()
{
    writePage(QStringLiteral("riff.tab"), "e|--3--|\nB|--5--|\n");
    QVERIFY(load(writePage(QStringLiteral("links.html"),
                           "<html><body><a id='d' href='riff.tab' download>riff</a></body></html>")));
    QSignalSpy imports(m_browser, &ctlBrowser::DirectImport);

    // Cancel drops the download and imports nothing.
    m_prompts.answer(Prompts::Answer::Cancel);
    m_browser->brw->page()->runJavaScript(QStringLiteral("document.getElementById('d').click()"));
    QTRY_VERIFY_WITH_TIMEOUT(m_prompts.count(ScriptedPrompts::Kind::Message) == 1, 10000);
    QTest::qWait(300);
    QCOMPARE(imports.count(), 0);

    // Yes brings the file's text in, titled after the file.
    m_prompts.answer(Prompts::Answer::Yes);
    m_browser->brw->page()->runJavaScript(QStringLiteral("document.getElementById('d').click()"));
    QVERIFY(imports.wait(10000));
    QCOMPARE(imports.first().at(1).toString(), QStringLiteral("riff"));
    QCOMPARE(imports.first().at(2).toString(), QStringLiteral("e|--3--|\r\nB|--5--|\r\n"));
}

QTEST_MAIN(tst_ctlBrowser)
#include "tst_ctlBrowser.moc"
