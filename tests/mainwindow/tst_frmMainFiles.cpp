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

        QCOMPARE(f.prompts.last().kind, Kind::OpenFile);
        QCOMPARE(f.prompts.last().title, QString("Open File..."));
        QVERIFY(!f.w->objTablature);
        QCOMPARE(f.w->ctlView1->rtbText->text(), shown);
        QCOMPARE(f.w->ctlView1->TitleText(), path);
        QCOMPARE(f.w->ctlView1->cmdEncoding->text(), QString("Encoding: Mac Roman"));
        QVERIFY(f.w->mnuFileSaveToChordex->isEnabled());
        QVERIFY(!f.w->mnuFileDeleteFile->isEnabled());
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
        writeAll(path, "caf\xE9\r\n");
        QVERIFY(f.w->ImportFile(path));
        QTRY_COMPARE(chordex::EditMode, 1);
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
    void openRefusedOrToldAbout_data()
    {
        QTest::addColumn<QByteArray>("bytes");  // "<missing>": no such file
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("text");

        QTest::newRow("two NUL bytes: opened, told")
            << QByteArray("e|-\0-0--|\r\nB|--\0-|\r\n", 20) << true << "2 NUL" << "e|--0--|\r\nB|---|\r\n";
        QByteArray image("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);
        for (int i = 0; i < 300; ++i)
            image += static_cast<char>(i % 32);
        QTest::newRow("image: refused") << image << false << "not a text file" << "";
        QTest::newRow("missing: reported") << QByteArray("<missing>") << false << "could not be opened" << "";
    }

    void openRefusedOrToldAbout()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, opened);
        QFETCH(QString, told);
        QFETCH(QString, text);

        MainFixture f;
        f.openTestStore();
        f.clickFile(1, 1, 2);
        const QString path = QDir(f.home.path()).filePath("in.tab");
        if (bytes != "<missing>")
            writeAll(path, bytes);
        const QByteArray before = readAll(path);

        QCOMPARE(f.w->ImportFile(path), opened);
        QCOMPARE(f.prompts.count(Kind::Message), 1);
        QVERIFY2(f.prompts.last().text.contains(told), qPrintable(f.prompts.last().text));
        QVERIFY(f.prompts.last().text.contains(QDir::toNativeSeparators(path)));
        QCOMPARE(readAll(path), before);
        if (opened) {
            QCOMPARE(f.w->ctlView1->rtbText->text(), text);
            return;
        }
        QVERIFY(f.w->objTablature);
        QCOMPARE(f.w->ctlView1->TitleText(), QString("Two"));
        QCOMPARE(f.w->ctlView1->rtbText->text(), QString("e|--2--|"));
        QTest::qWait(150);
        QCOMPARE(chordex::EditMode, 0);
    }

    void reopenGuessedFileInAnotherEncoding()
    {
        MainFixture f;
        f.openTestStore();
        const QString path = QDir(f.home.path()).filePath("mac.tab");
        writeAll(path, "caf\xE9\r\n");  // read as Windows-1252
        QVERIFY(f.w->ImportFile(path));
        QTRY_COMPARE(chordex::EditMode, 1);
        ctlView &v = *f.w->ctlView1;
        QVERIFY(v.cmdEncoding->isEnabled());
        v.rtbText->setSelStart(0);
        v.rtbText->insert("x");

        f.prompts.answer(Answer::No);  // keep the change
        QVERIFY(!v.ReopenAs(TextCodec::Encoding::MacRoman));
        QCOMPARE(v.rtbText->text(), QStringLiteral("xcafé\r\n"));
        f.prompts.answer(Answer::Yes);
        QVERIFY(v.ReopenAs(TextCodec::Encoding::MacRoman));
        QCOMPARE(v.rtbText->text(), QStringLiteral("cafÈ\r\n"));
        QCOMPARE(v.cmdEncoding->text(), QString("Encoding: Mac Roman"));
        QVERIFY(!v.Dirty());
        f.w->mnuFileSave_Click();
        QCOMPARE(readAll(path), QByteArray("caf\xE9\r\n"));
        const int asked = f.prompts.asked.size();
        QVERIFY(v.ReopenAs(TextCodec::Encoding::Utf8));  // not UTF-8: the user is told
        QCOMPARE(f.prompts.asked.size(), asked + 1);
        QVERIFY(f.prompts.last().text.contains("not valid UTF-8"));

        // A byte-order mark names the encoding for certain: nothing to reopen.
        writeAll(path, "\xEF\xBB\xBF" "caf\xC3\xA9\r\n");
        f.w->mnuFileCancel_Click();
        QVERIFY(f.w->ImportFile(path));
        QVERIFY(!v.cmdEncoding->isEnabled());
    }

    void saveAsWritesTheExportLayout_data()
    {
        QTest::addColumn<QString>("typed");      // the name chosen in the dialog
        QTest::addColumn<QString>("written");    // the file written
        QTest::addColumn<bool>("exists");
        QTest::addColumn<int>("answer");         // to the overwrite question
        QTest::addColumn<bool>("replaced");

        QTest::newRow("new file, default extension") << "out" << "out.tab" << false << -1 << true;
        QTest::newRow("existing, Yes") << "out.crd" << "out.crd" << true << int(Answer::Yes) << true;
        QTest::newRow("existing, No") << "out.txt" << "out.txt" << true << int(Answer::No) << false;
    }

    void saveAsWritesTheExportLayout()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QFETCH(bool, exists);
        QFETCH(int, answer);
        QFETCH(bool, replaced);

        MainFixture f;
        f.openTestStore();
        f.clickFile(1, 1, 2);  // tab "e|--2--|", empty notes
        QVERIFY(f.w->mnuFileSaveAs->isEnabled());
        const QString path = QDir(f.home.path()).filePath(written);
        if (exists)
            writeAll(path, "old");
        if (answer >= 0)
            f.prompts.answer(Answer(answer));
        f.prompts.answerFile(QDir(f.home.path()).filePath(typed));
        f.w->mnuFileSaveAs->trigger();

        QCOMPARE(f.prompts.asked.first().title, QString("Save As File..."));
        QCOMPARE(f.prompts.count(Kind::Message), exists ? 1 : 0);
        if (exists)
            QVERIFY(f.prompts.last().text.contains("already exists"));
        QCOMPARE(readAll(path),
                 replaced ? QByteArray("e|--2--|\r\nNotes . . . . . . . . . . . . . . . . . . . . . . . . .\r\n\r\n")
                          : QByteArray("old"));
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

    // The text being edited goes into a new store file; a Cancel in the chooser writes nothing.
    void saveFileToChordex_data()
    {
        QTest::addColumn<bool>("edited");
        QTest::addColumn<bool>("cancel");
        QTest::newRow("edited, stored") << true << false;
        QTest::newRow("unchanged, chooser cancelled") << false << true;
    }

    void saveFileToChordex()
    {
        QFETCH(bool, edited);
        QFETCH(bool, cancel);
        MainFixture f;
        f.openTestStore();
        const QString path = QDir(f.home.path()).filePath("Blues riff.tab");
        const QByteArray bytes("\x93" "Blues\x94\r\ne|--0--|\r\n");
        writeAll(path, bytes);
        QVERIFY(f.w->ImportFile(path));
        QTRY_COMPARE(chordex::EditMode, 1);
        if (edited) {
            f.w->ctlView1->rtbText->setSelStart(0);
            f.w->ctlView1->rtbText->insert("Slow ");
        }
        QString proposed;
        f.prompts.answerModal([&](QDialog &d) {
            auto &chooser = static_cast<frmSelector &>(d);
            proposed = chooser.txtTitle->text();
            if (cancel)
                return int(QDialog::Rejected);
            chooser.txtTitle->setText("Blues");
            chooser.cmdOk->click();
            return chooser.result();
        });
        QVERIFY(f.w->tbrButton(QStringLiteral("savetochordex"))->isEnabled());
        f.w->tbrButton(QStringLiteral("savetochordex"))->trigger();

        QCOMPARE(proposed, QString("Blues riff"));
        QCOMPARE(readAll(path), edited ? QByteArray("Slow ") + bytes : bytes);
        QCOMPARE(f.prompts.count(Kind::Message), 0);
        const int files = StoreRows::scalar(f.store, "SELECT COUNT(*) FROM file").toInt();
        QCOMPARE(files, cancel ? 3 : 4);
        if (cancel)
            return;
        const QString shown = QStringLiteral("“Blues”\r\ne|--0--|\r\n");
        QCOMPARE(StoreRows::scalar(f.store, "SELECT tab FROM tablature WHERE file_id=(SELECT MAX(file_id) FROM file)")
                     .toString(),
                 edited ? "Slow " + shown : shown);
        QVERIFY(f.w->objTablature);
        QCOMPARE(f.w->ctlView1->TitleText(), QString("Blues"));
        QVERIFY(!f.w->ctlView1->FileEditing());
    }

    void printWithoutADocumentDoesNothing()
    {
        MainFixture f;
        f.openTestStore();
        f.w->mnuFilePrint_Click();
        emit f.w->ctlView1->rtbTextDblClick();
        QVERIFY(f.prompts.asked.isEmpty());
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
