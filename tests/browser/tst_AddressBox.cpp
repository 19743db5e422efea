#include "browser/AddressBox.h"
#include "browser/AddressHistory.h"
#include "browser/GoKeywords.h"

#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using Result = AddressHistory::Result;
Q_DECLARE_METATYPE(Result)
Q_DECLARE_METATYPE(GoKeywords::Page)

// The address history file, the Go keywords and the address box's typing rules: none of
// them needs the web engine.
class tst_AddressBox final : public QObject
{
    Q_OBJECT

private slots:
    void loadHistory();
    void recordAddress_data();
    void recordAddress();
    void keywords_data();
    void keywords();
    void completion_data();
    void completion();
    void keysAndPicks();
};

void tst_AddressBox::loadHistory()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("url.dat"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("www.one.com\r\n\r\n  www.two.com  \r\n   \r\nwww.one.com\nwww.three.com");
    file.close();
    QCOMPARE(AddressHistory::Load(path),
             (QStringList{"www.one.com", "www.two.com", "www.three.com"}));
    QVERIFY(AddressHistory::Load(dir.filePath(QStringLiteral("missing.dat"))).isEmpty());

    // A recorded line lands on a line of its own even after a last line without a line end.
    QCOMPARE(AddressHistory::Record(path, QStringLiteral("http://www.four.com")), Result::Recorded);
    QCOMPARE(AddressHistory::Load(path),
             (QStringList{"www.one.com", "www.two.com", "www.three.com", "www.four.com"}));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().endsWith("www.three.com\r\nwww.four.com\r\n"));
}

void tst_AddressBox::recordAddress_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Result>("result");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("new file, leading http:// dropped")
        << QByteArray() << "  http://www.tabs.com/a  " << Result::Recorded << QByteArray("www.tabs.com/a\r\n");
    QTest::newRow("known without http://")
        << QByteArray("www.tabs.com\r\n") << "http://www.tabs.com" << Result::Known << QByteArray("www.tabs.com\r\n");
    QTest::newRow("known with blanks around the line")
        << QByteArray("  www.tabs.com \r\n") << "www.tabs.com" << Result::Known << QByteArray("  www.tabs.com \r\n");
    QTest::newRow("only a leading http:// is dropped")
        << QByteArray() << "www.a.com/?u=http://b" << Result::Recorded << QByteArray("www.a.com/?u=http://b\r\n");
    QTest::newRow("case of the scheme is kept")
        << QByteArray() << "HTTP://www.a.com" << Result::Recorded << QByteArray("HTTP://www.a.com\r\n");
    QTest::newRow("keyword kept as typed")
        << QByteArray("x\r\n") << " Guitar TABS " << Result::Recorded << QByteArray("x\r\nGuitar TABS\r\n");
    QTest::newRow("line break never written")
        << QByteArray() << "www.a.com\r\nwww.b.com" << Result::Skipped << QByteArray();
    QTest::newRow("blank") << QByteArray() << "   " << Result::Skipped << QByteArray();
    QTest::newRow("scheme only") << QByteArray() << "http://" << Result::Skipped << QByteArray();
    QTest::newRow("start page text") << QByteArray() << "Chordex" << Result::Skipped << QByteArray();
}

void tst_AddressBox::recordAddress()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, typed);
    QFETCH(Result, result);
    QFETCH(QByteArray, after);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("url.dat"));
    if (!before.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    QCOMPARE(AddressHistory::Record(path, typed), result);
    QFile file(path);
    QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), after);
}

void tst_AddressBox::keywords_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<GoKeywords::Page>("page");
    QTest::newRow("empty") << "" << GoKeywords::Page::ProductHome;
    QTest::newRow("name, mixed case") << "ChordEx" << GoKeywords::Page::ProductHome;
    QTest::newRow("name, two words") << " chord ex " << GoKeywords::Page::ProductHome;
    QTest::newRow("guitar tabs, mixed case and blanks") << "  gUITAR Tabs " << GoKeywords::Page::GuitarSite;
    QTest::newRow("learn to play guitar") << "Learn To Play Guitar" << GoKeywords::Page::GuitarSite;
    QTest::newRow("inner blanks count") << "guitar  tabs" << GoKeywords::Page::None;
    QTest::newRow("address") << "www.guitar.com" << GoKeywords::Page::None;
}

void tst_AddressBox::keywords()
{
    QFETCH(QString, typed);
    QFETCH(GoKeywords::Page, page);
    QCOMPARE(GoKeywords::Match(typed), page);
    const QUrl start = QUrl::fromLocalFile(QStringLiteral("/opt/chordex/Start.html"));
    if (page == GoKeywords::Page::ProductHome)
        QCOMPARE(GoKeywords::Address(page, start), start);
    else if (page != GoKeywords::Page::None)
        QVERIFY(GoKeywords::Address(page, start).scheme() == QLatin1String("https"));
}

void tst_AddressBox::completion_data()
{
    QTest::addColumn<QString>("keys");  // '\b' is Backspace
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("prefix");

    QTest::newRow("two characters complete the first match") << "ww" << "www.alpha.com" << "w.alpha.com" << "ww";
    QTest::newRow("typing on narrows") << "www.b" << "www.beta.com" << "eta.com" << "www.b";
    QTest::newRow("case-sensitive") << "WW" << "WW" << "" << "WW";
    QTest::newRow("no match keeps the typed characters") << "wwz" << "wwz" << "" << "wwz";
    QTest::newRow("Backspace removes the completion") << "ww\b" << "ww" << "" << "ww";
    QTest::newRow("a second Backspace removes a typed character") << "www\b\b" << "ww" << "" << "ww";
    QTest::newRow("typing after Backspace completes again") << "www.b\b\ba" << "www.alpha.com" << "lpha.com" << "www.a";
    QTest::newRow("a full entry is not extended") << "www.alpha.com" << "www.alpha.com" << "" << "www.alpha.com";
}

void tst_AddressBox::completion()
{
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(QString, selected);
    QFETCH(QString, prefix);

    AddressBox box;
    box.addItems({"www.alpha.com", "www.alpha.com/tabs", "www.beta.com"});
    box.setEditText(QString());
    box.show();
    box.setFocus();
    for (const QChar ch : keys) {
        // Keys go to the box, which has the focus, as they do for a user.
        if (ch == QLatin1Char('\b'))
            QTest::keyClick(&box, Qt::Key_Backspace);
        else
            QTest::keyClicks(&box, QString(ch));
    }
    QCOMPARE(box.currentText(), text);
    QCOMPARE(box.lineEdit()->selectedText(), selected);
    QCOMPARE(box.TypedPrefix(), prefix);
}

void tst_AddressBox::keysAndPicks()
{
    AddressBox box;
    box.addItems({"www.alpha.com", "www.beta.com"});
    box.show();
    QSignalSpy go(&box, &AddressBox::GoRequested);
    QSignalSpy record(&box, &AddressBox::RecordRequested);

    // Completion alone never navigates.
    box.setEditText(QString());
    QTest::keyClicks(&box, QStringLiteral("www.b"));
    QCOMPARE(go.count(), 0);

    // Enter goes, then records, and clears the typed characters.
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(go.count(), 1);
    QCOMPARE(record.count(), 1);
    QVERIFY(box.TypedPrefix().isEmpty());
    QCOMPARE(box.count(), 2);  // the box itself never adds entries

    // Delete empties the box, also when sent to its text field.
    QTest::keyClick(box.lineEdit(), Qt::Key_Delete);
    QCOMPARE(box.currentText(), QString());

    // Picking an entry goes without recording.
    box.activated(1);
    QCOMPARE(go.count(), 2);
    QCOMPARE(record.count(), 1);
}

QTEST_MAIN(tst_AddressBox)
#include "tst_AddressBox.moc"
