#include "MainFixture.h"
#include "StoreRows.h"
#include "core/EditMode.h"
#include "dialogs/frmSelector.h"
#include "mainwindow/TabReport.h"
#include "store/clsTablature.h"
#include "store/modSettings.h"
#include "tree/ctlTree.h"
#include "view/TextEditor.h"
#include "view/ctlView.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using Kind = ScriptedPrompts::Kind;
using Answer = Prompts::Answer;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The text of a PDF, one string per page.
QStringList pdfPages(const QString &pdf)
{
    QProcess run;
    run.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!run.waitForFinished(30000) || run.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(run.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.constLast().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// Writes a disk file and opens it in the window: true once it is being edited.
bool openDiskFile(MainFixture &f, const QString &path, const QByteArray &bytes)
{
    writeAll(path, bytes);
    return f.w->ImportFile(path) && QTest::qWaitFor([] { return chordex::EditMode == 1; });
}

}  // namespace

// Disk files in and out of the main window: opening one for editing, saving it back in its
// own encoding, exporting a stored file, and the print preview.
class tst_frmMainFiles : public QObject
{
    Q_OBJECT

private slots:
    // The encodings themselves are tried in tst_TextCodec; here the window keeps the file's
    // format from opening to saving: Mac Roman, CR line ends and no final line end.
    void openEditSaveKeepsTheFilesEncoding()
    {
        const QByteArray bytes("G\xCA\xCA" "C don\xD5t\re|--0--|");
        const QString shown = QStringLiteral("G\u00A0\u00A0C don’t\r\ne|--0--|\r\n");
        const QByteArray afterEdit("Hi G\xCA\xCA" "C don\xD5t\re|--0--|");  // "Hi " typed at the start

        MainFixture f;
        f.openTestStore();
        f.clickFile(1, 1, 1);
        const QString path = QDir(f.home.path()).filePath("song.tab");
        writeAll(path, bytes);
        f.prompts.answerFile(path);
        f.w->mnuFileOpen->trigger();

        QVERIFY(!f.w->objTablature);
        QCOMPARE(f.w->ctlView1->rtbText->text(), shown);
        QCOMPARE(f.w->ctlView1->TitleText(), path);
        QCOMPARE(f.w->ctlView1->cmdEncoding->text(), QString("Encoding: Mac Roman"));
        QTRY_COMPARE(chordex::EditMode, 1);  // the edit timer

        f.w->mnuFileSave_Click();  // saved unchanged: the same bytes
        QCOMPARE(readAll(path), bytes);
        f.w->ctlView1->rtbText->setSelStart(0);
        f.w->ctlView1->rtbText->insert("Hi ");
        QVERIFY(f.w->mnuFileSave->isEnabled());
        f.w->mnuFileSave->trigger();
        QCOMPARE(readAll(path), afterEdit);
        QCOMPARE(f.prompts.count(Kind::Message), 0);
    }

    void characterTheEncodingLacksSavesAsUtf8AndTells()
    {
        MainFixture f;
        f.openTestStore();
        const QString path = QDir(f.home.path()).filePath("song.txt");
        QVERIFY(openDiskFile(f, path, "caf\xE9\r\n"));
        f.w->ctlView1->rtbText->setSelStart(0);
        f.w->ctlView1->rtbText->insert(QStringLiteral("λ "));
        f.w->mnuFileSave->trigger();
        QCOMPARE(readAll(path), QByteArray("\xCE\xBB caf\xC3\xA9\r\n"));
        QCOMPARE(f.prompts.count(Kind::Message), 1);
        QVERIFY(f.prompts.last().text.contains("Windows-1252"));
        QVERIFY(f.prompts.last().text.contains("UTF-8"));
        QCOMPARE(f.w->ctlView1->cmdEncoding->text(), QString("Encoding: UTF-8"));
    }

    // A file that cannot be shown changes nothing: the selected file stays selected.
    void openRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");  // "<missing>": no such file
        QTest::addColumn<QString>("told");
        QByteArray image("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);
        for (int i = 0; i < 300; ++i)
            image += static_cast<char>(i % 32);
        QTest::newRow("image") << image << "not a text file";
        QTest::newRow("missing") << QByteArray("<missing>") << "could not be opened";
    }

    void openRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, told);
        MainFixture f;
        f.openTestStore();
        f.clickFile(1, 1, 2);
        const QString path = QDir(f.home.path()).filePath("in.tab");
        if (bytes != "<missing>")
            writeAll(path, bytes);
        const QByteArray before = readAll(path);

        QVERIFY(!f.w->ImportFile(path));
        QCOMPARE(f.prompts.count(Kind::Message), 1);
        QVERIFY2(f.prompts.last().text.contains(told), qPrintable(f.prompts.last().text));
        QVERIFY(f.prompts.last().text.contains(QDir::toNativeSeparators(path)));
        QCOMPARE(readAll(path), before);
        QVERIFY(f.w->objTablature);
        QCOMPARE(f.w->ctlView1->TitleText(), QString("Two"));
        QCOMPARE(f.w->ctlView1->rtbText->text(), QString("e|--2--|"));
        QTest::qWait(150);
        QCOMPARE(chordex::EditMode, 0);
    }

    // Save As writes the export layout, and asks before replacing a file: No keeps it.
    void saveAsAsksBeforeReplacing()
    {
        MainFixture f;
        f.openTestStore();
        f.clickFile(1, 1, 2);  // tab "e|--2--|", empty notes
        const QString path = QDir(f.home.path()).filePath("out.tab");
        f.prompts.answerFile(QDir(f.home.path()).filePath("out"));  // the default extension is added
        f.w->mnuFileSaveAs->trigger();
        QCOMPARE(readAll(path), QByteArray("e|--2--|\r\nNotes . . . . . . . . . . . . . . . . . . . . . . . . .\r\n\r\n"));
        QCOMPARE(f.prompts.count(Kind::Message), 0);

        writeAll(path, "old");
        f.prompts.answer(Answer::No);
        f.prompts.answerFile(path);
        f.w->mnuFileSaveAs->trigger();
        QVERIFY(f.prompts.last().text.contains("already exists"));
        QCOMPARE(readAll(path), QByteArray("old"));
    }

    void failedExportReported()
    {
        MainFixture f;
        f.openTestStore();
        f.clickFile(1, 1, 1);
        const QString path = QDir(f.home.path()).filePath("no/such/folder/out.tab");
        QVERIFY(!f.w->ExportFile(path));
        QCOMPARE(f.prompts.count(Kind::Message), 1);
        QCOMPARE(f.prompts.last().icon, Prompts::Icon::Critical);
        QVERIFY(f.prompts.last().text.contains(QDir::toNativeSeparators(path)));
        QVERIFY(!QFile::exists(path));
    }

    // The text being edited, with its change, goes into a new store file.
    void saveFileToChordex()
    {
        MainFixture f;
        f.openTestStore();
        const QByteArray bytes("\x93" "Blues\x94\r\ne|--0--|\r\n");
        const QString path = QDir(f.home.path()).filePath("Blues riff.tab");
        QVERIFY(openDiskFile(f, path, bytes));
        f.w->ctlView1->rtbText->setSelStart(0);
        f.w->ctlView1->rtbText->insert("Slow ");
        QString proposed;
        f.prompts.answerModal([&](QDialog &d) {
            auto &chooser = static_cast<frmSelector &>(d);
            proposed = chooser.txtTitle->text();
            chooser.txtTitle->setText("Blues");
            chooser.cmdOk->click();
            return chooser.result();
        });
        f.w->tbrButton(QStringLiteral("savetochordex"))->trigger();

        QCOMPARE(proposed, QString("Blues riff"));
        QCOMPARE(readAll(path), QByteArray("Slow ") + bytes);  // the disk file is saved first
        QCOMPARE(f.prompts.count(Kind::Message), 0);
        QCOMPARE(StoreRows::scalar(f.store, "SELECT tab FROM tablature WHERE file_id=(SELECT MAX(file_id) FROM file)")
                     .toString(),
                 QStringLiteral("Slow “Blues”\r\ne|--0--|\r\n"));
        QCOMPARE(f.w->ctlView1->TitleText(), QString("Blues"));
        QVERIFY(!f.w->ctlView1->FileEditing());
    }

    // The preview prints the stored text with the title on every page, in the options font.
    void printShowsTheTitleOnEveryPage()
    {
        MainFixture f;
        QString tab;
        for (int i = 1; i <= 200; ++i)
            tab += QStringLiteral("e|--%1--| line %1\r\n").arg(i);
        tab += QString(300, u'-') + QStringLiteral("END\r\n");  // wider than the page: wraps
        StoreRows::exec(f.store, "UPDATE tablature SET tab='" + tab + "' WHERE file_id=1");
        modSettings::SaveSetting("Settings", "FontSize", "ten");
        f.openTestStore();
        f.clickFile(1, 1, 1);

        QTemporaryDir dir;
        const QString pdf = dir.filePath("out.pdf");
        QString caption;
        f.prompts.answerModal([&](QDialog &dialog) {
            caption = dialog.windowTitle();
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            emit static_cast<QPrintPreviewDialog &>(dialog).paintRequested(&printer);
            return int(QDialog::Rejected);
        });
        emit f.w->ctlTree1->OnFileDoubleClick();
        QCOMPARE(f.prompts.count(Kind::Modal), 1);
        QCOMPARE(f.prompts.last().dialogClass, QString("QPrintPreviewDialog"));
        QCOMPARE(caption, QString("One"));

        const QStringList pages = pdfPages(pdf);
        QVERIFY2(pages.size() >= 2, qPrintable(QString::number(pages.size())));
        for (const QString &page : pages)
            QCOMPARE(page.trimmed().section(u'\n', 0, 0).trimmed(), QString("One"));
        const QString all = pages.join(QString());
        QVERIFY(all.contains("e|--1--| line 1"));
        QVERIFY(all.contains("line 200"));
        QVERIFY(all.contains("END"));  // the wide line is wrapped, not cut
        QCOMPARE(TabReport::bodyFont().pointSizeF(), 8.0);
    }
};

QTEST_MAIN(tst_frmMainFiles)
#include "tst_frmMainFiles.moc"
