#include "MainFixture.h"
#include "StoreRows.h"
#include "dialogs/frmImportFolder.h"
#include "dialogs/frmImportReport.h"
#include "tree/TreeControl.h"
#include "tree/ctlTree.h"

#include <QComboBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QtTest>

namespace {

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList treeTexts(const ctlTree &tree)
{
    QStringList texts;
    const auto *tvw = tree.findChild<QTreeWidget *>();
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget *>(tvw)); *it; ++it)
        texts << (*it)->text(0);
    return texts;
}

}  // namespace

class tst_frmMainCollection : public QObject
{
    Q_OBJECT

private slots:
    void importFolderIntoTheChosenCategory()
    {
        MainFixture f;
        f.openTestStore();
        QTemporaryDir src;
        write(src.path() + "/Jason/Café über.tab", "e|--0--|\r\n");
        write(src.path() + "/Jason/live/Elephant.crd", "Am C G\n");
        write(src.path() + "/Jason/cover.png", "not taken");
        f.prompts.answerFile(src.path() + "/Jason");
        QString report;
        f.prompts.answerModal([](QDialog &d) {
            auto &form = dynamic_cast<frmImportFolder &>(d);
            // The shown category is offered first; the user picks Bass.
            [&] { QCOMPARE(form.cboCategory->currentText(), QString("Guitar")); }();
            form.cboCategory->setCurrentIndex(form.cboCategory->findText("Bass"));
            return int(QDialog::Accepted);
        });
        f.prompts.answerModal([&](QDialog &d) {
            report = dynamic_cast<frmImportReport &>(d).txtReport->toPlainText();
            return int(QDialog::Accepted);
        });
        f.w->mnuFileImportFolder->trigger();
        QVERIFY(report.endsWith("2 imported, 0 skipped, 0 refused\n"));
        QCOMPARE(StoreRows::column(f.store, "SELECT directory FROM directories WHERE category_id=2 ORDER BY directory"),
                 QStringList({"Jason", "Lines", "live"}));
        QCOMPARE(StoreRows::scalar(f.store, "SELECT tab FROM tablature JOIN file USING(file_id) WHERE filename='Elephant'").toString(),
                 QString("Am C G\r\n"));
        // The tree now shows the category the files went into, with the new folders.
        QCOMPARE(f.w->ctlTree1->CategoryId(), 2);
        const QStringList nodes = treeTexts(*f.w->ctlTree1);
        QVERIFY2(nodes.contains("Jason") && nodes.contains("live"), qPrintable(nodes.join(',')));
    }

    // A file dropped from a file manager onto a folder of the tree goes into that folder.
    void dropOnAFolder()
    {
        MainFixture f;
        f.openTestStore();
        QTemporaryDir src;
        write(src.path() + "/Solo", "e|--7--|\n");  // no extension: a dropped file is always taken
        QString report;
        f.prompts.answerModal([&](QDialog &d) {
            report = dynamic_cast<frmImportReport &>(d).txtReport->toPlainText();
            return int(QDialog::Accepted);
        });
        QVERIFY(f.w->ctlTree1->SelectNode("1||2"));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(src.path() + "/Solo")});
        emit f.w->ctlTree1->tvw->nodeDragOver(f.w->ctlTree1->tvw->currentItem());
        emit f.w->ctlTree1->tvw->nodeDrop(&data, false);
        QVERIFY2(report.endsWith("1 imported, 0 skipped, 0 refused\n"), qPrintable(report));
        QCOMPARE(StoreRows::scalar(f.store, "SELECT directory_id FROM file WHERE filename='Solo'").toInt(), 2);
        QVERIFY(f.w->ctlTree1->FolderSelected());  // the folder dropped on is shown, now with the file
        QCOMPARE(f.w->ctlTree1->FolderId(), 2);
    }
};

QTEST_MAIN(tst_frmMainCollection)
#include "tst_frmMainCollection.moc"
