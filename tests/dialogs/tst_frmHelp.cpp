#include "dialogs/HelpBrowser.h"
#include "dialogs/frmHelp.h"

#include <QDir>
#include <QFile>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpEngineCore>
#include <QHelpIndexModel>
#include <QHelpLink>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include <functional>

namespace {

// Every page's file name and the titles of its entries, depth first.
void walk(QHelpContentItem *item, const std::function<void(QHelpContentItem *)> &visit)
{
    if (!item)
        return;
    visit(item);
    for (int i = 0; i < item->childCount(); ++i)
        walk(item->child(i), visit);
}

}  // namespace

class tst_frmHelp : public QObject
{
    Q_OBJECT

private slots:
    void everyPageIsInTheContents();
    void keywordsLeadToPages();
    void windowOpensAndMoves();
    void unusableFiles();
};

// The built collection lists each page written for the help once, and every page has text.
void tst_frmHelp::everyPageIsInTheContents()
{
    QHelpEngine engine(QString::fromUtf8(CHORDEX_HELP_QHC));
    engine.setReadOnly(true);
    engine.setUsesFilterEngine(true);
    QVERIFY2(engine.setupData(), qPrintable(engine.error()));

    QSignalSpy created(engine.contentModel(), &QHelpContentModel::contentsCreated);
    engine.contentModel()->createContents(QString());
    QVERIFY(created.wait(10000) || created.count() == 1);

    QStringList listed;
    QHelpContentModel *model = engine.contentModel();
    for (int row = 0; row < model->rowCount(); ++row) {
        walk(model->contentItemAt(model->index(row, 0)), [&](QHelpContentItem *item) {
            listed << item->url().fileName();
            QVERIFY2(!item->title().isEmpty(), qPrintable(item->url().toString()));
            const QByteArray page = engine.fileData(item->url());
            QVERIFY2(page.contains("<h1>"), qPrintable(item->url().toString()));
        });
    }
    QStringList written = QDir(QString::fromUtf8(CHORDEX_HELP_PAGES)).entryList({"*.html"}, QDir::Files);
    listed.sort();
    written.sort();
    QCOMPARE(listed, written);
}

void tst_frmHelp::keywordsLeadToPages()
{
    QHelpEngineCore engine(QString::fromUtf8(CHORDEX_HELP_QHC));
    engine.setReadOnly(true);
    engine.setUsesFilterEngine(true);
    QVERIFY(engine.setupData());
    const std::pair<const char *, const char *> cases[] = {
        {"Bookmark", "search.html"},     {"Fixedsys", "options.html"},
        {"Staff buttons", "editing.html"}, {"Tree Search", "window.html"},
        {"Maintenance", "stores.html"},  {"Keyboard shortcuts", "shortcuts.html"},
    };
    for (const auto &c : cases) {
        const QList<QHelpLink> links = engine.documentsForKeyword(QString::fromLatin1(c.first));
        QVERIFY2(links.size() == 1, c.first);
        QCOMPARE(links.first().url.fileName(), QString::fromLatin1(c.second));
        // The page the keyword names says something about it.
        QVERIFY2(QString::fromUtf8(engine.fileData(links.first().url)).contains(QString::fromLatin1(c.first).section(' ', 0, 0), Qt::CaseInsensitive), c.first);
    }
}

// The window opens a copy of the collection moved to another folder (as an installed program
// does), shows the first page, and its Index finds a keyword.
void tst_frmHelp::windowOpensAndMoves()
{
    QTemporaryDir dir;
    const QString built = QFileInfo(QString::fromUtf8(CHORDEX_HELP_QHC)).absolutePath() + '/';
    for (const QString &name : {frmHelp::CollectionName, frmHelp::DocumentationName})
        QVERIFY(QFile::copy(built + name, dir.filePath(name)));

    frmHelp help(dir.filePath(frmHelp::CollectionName));
    QString error;
    QVERIFY2(help.Open(&error), qPrintable(error));
    help.ShowContents();
    help.show();
    QCOMPARE(help.tabs->currentIndex(), 0);
    QTRY_COMPARE(help.browser->source().fileName(), QString("index.html"));
    QVERIFY(help.browser->toPlainText().contains("Getting started"));

    help.ShowIndex();
    QCOMPARE(help.tabs->tabText(help.tabs->currentIndex()), QString("Index"));
    QVERIFY(help.ShowKeyword("Bookmark"));
    QCOMPARE(help.browser->source().fileName(), QString("search.html"));
    QVERIFY(help.browser->toPlainText().contains("Each file can carry one bookmark"));
    QVERIFY(!help.ShowKeyword("no such keyword"));
}

void tst_frmHelp::unusableFiles()
{
    QTemporaryDir dir;
    // A collection whose pages file is missing, and a file that is not a collection at all.
    QVERIFY(QFile::copy(QString::fromUtf8(CHORDEX_HELP_QHC), dir.filePath("alone.qhc")));
    QFile junk(dir.filePath("junk.qhc"));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a help file");
    junk.close();
    for (const char *name : {"alone.qhc", "junk.qhc"}) {
        frmHelp help(dir.filePath(QString::fromLatin1(name)));
        QString error;
        QVERIFY2(!help.Open(&error), name);
        QVERIFY2(!error.isEmpty(), name);
    }
}

QTEST_MAIN(tst_frmHelp)
#include "tst_frmHelp.moc"
