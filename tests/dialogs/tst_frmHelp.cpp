#include "dialogs/frmHelp.h"

#include <QDir>
#include <QFile>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QSignalSpy>
#include <QTemporaryDir>
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

    // The built collection lists each page written for the help once, and every page has text.
    void everyPageIsInTheContents()
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

};

QTEST_MAIN(tst_frmHelp)
#include "tst_frmHelp.moc"
