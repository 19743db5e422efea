#include "browser/AddressBox.h"
#include "browser/WebControl.h"
#include "browser/ctlBrowser.h"
#include "store/modSettings.h"

#include "ScriptedPrompts.h"
#include "TestHome.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QSignalSpy>
#include <QTimer>
#include <QWebEnginePage>
#include <QtTest>

#include <memory>

namespace {

const QString CrLf = QStringLiteral("\r\n");

}  // namespace

// The browser pane on real local pages. One pane serves every case: the web engine starts
// once, and its named profile exists once per process.
class tst_ctlBrowser final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void startPage();
    void pageTextForImport_data();
    void pageTextForImport();
    void ctrlSImportsInsteadOfSave();
    void historyButtons();
    void goRecordsTypedAddress();
    void popupBlockedByDefault();
    void popupAllowedWhenUnchecked();
    void downloadIntoStore();

private:
    QUrl writePage(const QString &name, const QByteArray &content);
    bool load(const QUrl &url);
    QString typedInto(const QString &keys);

    std::unique_ptr<TestHome> m_home;
    ScriptedPrompts m_prompts;
    std::unique_ptr<QMainWindow> m_window;
    ctlBrowser *m_browser = nullptr;
    QAction *m_save = nullptr;
    std::unique_ptr<QSignalSpy> m_titles;
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
    QFile history(m_home->path() + QStringLiteral("url.dat"));
    QVERIFY(history.open(QIODevice::WriteOnly));
    history.write("www.alpha.com\r\n\r\nwww.beta.com\r\nwww.alpha.com\r\n");
    history.close();

    // The pane sits in a window whose Save command holds Ctrl+S, as in the program.
    m_window = std::make_unique<QMainWindow>();
    m_save = new QAction(QStringLiteral("Save"), m_window.get());
    m_save->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    m_window->addAction(m_save);
    m_browser = new ctlBrowser(m_prompts);
    m_window->setCentralWidget(m_browser);
    m_titles = std::make_unique<QSignalSpy>(m_browser, &ctlBrowser::TitleChange);
    m_browser->InitBrowse();

    // Nothing of the web engine exists until the pane is shown.
    QVERIFY(m_browser->brw == nullptr);
    QCOMPARE(m_browser->PageURL(), QStringLiteral("Start Page"));
    QCOMPARE(m_browser->cboURL->count(), 2);

    m_window->resize(900, 700);
    m_window->show();
    QVERIFY(m_browser->brw != nullptr);
    QSignalSpy finished(m_browser->brw, &QWebEngineView::loadFinished);
    QVERIFY(finished.wait(20000));
}

void tst_ctlBrowser::cleanupTestCase()
{
    m_titles.reset();
    m_window.reset();
}

void tst_ctlBrowser::startPage()
{
    QFile file(m_browser->StartPagePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), ctlBrowser::StartPageHTML() + CrLf);
    QVERIFY(m_browser->brw->url().isLocalFile());
    QCOMPARE(m_browser->PageURL(), QStringLiteral("Start Page"));
    QCOMPARE(m_browser->PageTitle(), QStringLiteral("Start Page"));
    QCOMPARE(m_browser->cboURL->currentText(), QStringLiteral("Chordex"));
    QTRY_VERIFY(!m_titles->isEmpty());
    QCOMPARE(m_titles->last().first().toString(), QStringLiteral("Chordex 3.0"));

    // Another page named Start.html is not the start page.
    QDir(m_home->path()).mkpath(QStringLiteral("Chordex"));
    const QUrl other = writePage(QStringLiteral("Chordex/Start.html"),
                                 "<html><head><title>Other</title></head><body>x</body></html>");
    QVERIFY(load(other));
    QCOMPARE(m_browser->PageURL(), other.toString());
    QCOMPARE(m_browser->PageTitle(), QStringLiteral("Other"));
    QCOMPARE(m_browser->cboURL->currentText(), other.toString());
}

void tst_ctlBrowser::pageTextForImport_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");

    QTest::newRow("html with a pre block")
        << "song.html"
        << QByteArray("<html><head><title>Riff in A</title></head><body><p>Intro</p>"
                      "<pre>e|--0--|\nB|--2--|</pre></body></html>")
        << "Riff in A" << "Intro\r\n\r\ne|--0--|\r\nB|--2--|";
    QTest::newRow("plain text file with LF and CR LF")
        << "song.txt" << QByteArray("line one\nline two\r\nline three\n")
        << "song.txt" << "line one\r\nline two\r\nline three";
}

void tst_ctlBrowser::pageTextForImport()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, title);
    QFETCH(QString, text);

    const QUrl url = writePage(name, content);
    QVERIFY(load(url));
    QSignalSpy imports(m_browser, &ctlBrowser::DirectImport);
    m_browser->tbrButton(QStringLiteral("AddFav"))->trigger();
    QVERIFY(imports.wait(10000));
    QCOMPARE(imports.count(), 1);
    QCOMPARE(imports.first().at(0).toString(), url.toString());
    QCOMPARE(imports.first().at(1).toString(), title);
    QCOMPARE(imports.first().at(2).toString().trimmed(), text);
    QVERIFY(!imports.first().at(2).toString().contains(QRegularExpression(QStringLiteral("[^\r]\n"))));
}

void tst_ctlBrowser::ctrlSImportsInsteadOfSave()
{
    QVERIFY(load(writePage(QStringLiteral("keys.html"), "<html><body><p>Keys</p></body></html>")));
    QSignalSpy saves(m_save, &QAction::triggered);
    QSignalSpy imports(m_browser, &ctlBrowser::DirectImport);

    // In the page itself...
    m_browser->BrowserFocus();
    QTRY_VERIFY(QApplication::focusWidget() != nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(imports.wait(10000));
    // ...and in the address box.
    m_browser->ComboFocus();
    QTest::keyClick(m_browser->cboURL->lineEdit(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(imports.wait(10000));

    QCOMPARE(imports.count(), 2);
    QCOMPARE(imports.last().at(2).toString().trimmed(), QStringLiteral("Keys"));
    QCOMPARE(saves.count(), 0);
}

void tst_ctlBrowser::historyButtons()
{
    QAction *back = m_browser->tbrButton(QStringLiteral("Back"));
    QAction *forward = m_browser->tbrButton(QStringLiteral("Forward"));
    QVERIFY(load(writePage(QStringLiteral("one.html"), "<html><body>one</body></html>")));
    QVERIFY(load(writePage(QStringLiteral("two.html"), "<html><body>two</body></html>")));
    QTRY_VERIFY(back->isEnabled());
    QVERIFY(!forward->isEnabled());

    QSignalSpy finished(m_browser->brw, &QWebEngineView::loadFinished);
    back->trigger();
    QVERIFY(finished.wait(10000));
    QTRY_VERIFY(forward->isEnabled());
    QVERIFY(m_browser->brw->url().fileName() == QLatin1String("one.html"));
}

void tst_ctlBrowser::goRecordsTypedAddress()
{
    const QUrl page = writePage(QStringLiteral("typed.html"), "<html><body>typed</body></html>");
    QSignalSpy finished(m_browser->brw, &QWebEngineView::loadFinished);
    m_browser->ComboFocus();
    m_browser->cboURL->setEditText(QStringLiteral("  ") + page.toLocalFile());
    QTest::keyClick(m_browser->cboURL->lineEdit(), Qt::Key_Return);
    QVERIFY(finished.wait(10000));
    QCOMPARE(m_browser->brw->url(), page);

    QFile history(m_home->path() + QStringLiteral("url.dat"));
    QVERIFY(history.open(QIODevice::ReadOnly));
    QVERIFY(history.readAll().endsWith(page.toLocalFile().toUtf8() + "\r\n"));
    QCOMPARE(m_browser->cboURL->itemText(m_browser->cboURL->count() - 1), page.toLocalFile());
}

void tst_ctlBrowser::popupBlockedByDefault()
{
    TestHome::clearSettings();
    // The check box shows what the blocking does: both read "blocked" when nothing was saved.
    m_browser->InitBrowse();
    QVERIFY(m_browser->chkPopup->isChecked());
    QVERIFY(load(writePage(QStringLiteral("opener.html"), "<html><body>opener</body></html>")));

    const int windows = m_browser->findChildren<WebControl *>().size();
    QSignalSpy blocked(m_browser->brw, &WebControl::PopupBlocked);
    m_browser->brw->page()->runJavaScript(QStringLiteral("window.open('opener.html')"));
    QVERIFY(blocked.wait(10000));
    QCOMPARE(m_browser->chkPopup->text(), QStringLiteral("Disabled!"));
    QVERIFY(m_browser->chkPopup->font().bold());
    QCOMPARE(m_browser->findChildren<WebControl *>().size(), windows);
    // A timer restores the caption; nothing waits in a loop meanwhile.
    QVERIFY(m_browser->tmrPopup->isActive());
    m_browser->ShowPopupBlocked(1);
    QTRY_COMPARE_WITH_TIMEOUT(m_browser->chkPopup->text(), QStringLiteral("Disable Pop-Ups"), 3000);
    QVERIFY(!m_browser->chkPopup->font().bold());
}

void tst_ctlBrowser::popupAllowedWhenUnchecked()
{
    m_browser->chkPopup->click();
    QCOMPARE(modSettings::GetSetting(QStringLiteral("BrowseSettings"), QStringLiteral("Popups")),
             QStringLiteral("0"));
    const int windows = m_browser->findChildren<WebControl *>().size();
    QSignalSpy blocked(m_browser->brw, &WebControl::PopupBlocked);
    m_browser->brw->page()->runJavaScript(QStringLiteral("window.open('opener.html')"));
    QTRY_COMPARE_WITH_TIMEOUT(m_browser->findChildren<WebControl *>().size(), windows + 1, 10000);
    QCOMPARE(blocked.count(), 0);
    qDeleteAll(m_browser->findChildren<WebControl *>(QString(), Qt::FindDirectChildrenOnly).mid(1));
    m_browser->chkPopup->click();
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
    QCOMPARE(m_prompts.last().text.left(22), QStringLiteral("Save \"riff.tab\" as a n"));
    QCOMPARE(imports.first().at(1).toString(), QStringLiteral("riff"));
    QCOMPARE(imports.first().at(2).toString(), QStringLiteral("e|--3--|\r\nB|--5--|\r\n"));
}

QTEST_MAIN(tst_ctlBrowser)
#include "tst_ctlBrowser.moc"
