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

// The address history file, the Go keywords and the address box's typing rules.
class tst_AddressBox final : public QObject
{
    Q_OBJECT

private slots:
    void loadHistory()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("url.dat"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("www.one.com\r\n\r\n  www.two.com  \r\n   \r\nwww.one.com\nwww.three.com");
        file.close();
        QCOMPARE(AddressHistory::Load(path),
                 (QStringList{"www.one.com", "www.two.com", "www.three.com"}));

        // A recorded line lands on a line of its own even after a last line without a line end.
        QCOMPARE(AddressHistory::Record(path, QStringLiteral("http://www.four.com")), Result::Recorded);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().endsWith("www.three.com\r\nwww.four.com\r\n"));
    }

    void recordAddress_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Result>("result");
        QTest::addColumn<QByteArray>("after");

        QTest::newRow("new file, leading http:// dropped")
            << QByteArray() << "  http://www.tabs.com/a  " << Result::Recorded << QByteArray("www.tabs.com/a\r\n");
        QTest::newRow("known without http://")
            << QByteArray("www.tabs.com\r\n") << "http://www.tabs.com" << Result::Known << QByteArray("www.tabs.com\r\n");
        QTest::newRow("line break never written")
            << QByteArray() << "www.a.com\r\nwww.b.com" << Result::Skipped << QByteArray();
    }

    void recordAddress()
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

    void keywords()
    {
        QCOMPARE(GoKeywords::Match(""), GoKeywords::Page::ProductHome);
        QCOMPARE(GoKeywords::Match(" chord ex "), GoKeywords::Page::ProductHome);
        QCOMPARE(GoKeywords::Match("  gUITAR Tabs "), GoKeywords::Page::GuitarSite);
        QCOMPARE(GoKeywords::Match("guitar  tabs"), GoKeywords::Page::None);  // inner blanks count
    }

    void completion_data()
    {
        QTest::addColumn<QString>("keys");  // '\b' is Backspace
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("prefix");

        QTest::newRow("a second Backspace removes a typed character") << "www\b\b" << "ww" << "" << "ww";
        QTest::newRow("typing after Backspace completes again") << "www.b\b\ba" << "www.alpha.com" << "lpha.com" << "www.a";
    }

    void completion()
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
            if (ch == QLatin1Char('\b'))
                QTest::keyClick(&box, Qt::Key_Backspace);
            else
                QTest::keyClicks(&box, QString(ch));
        }
        QCOMPARE(box.currentText(), text);
        QCOMPARE(box.lineEdit()->selectedText(), selected);
        QCOMPARE(box.TypedPrefix(), prefix);
    }

    void keysAndPicks()
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

        // Picking an entry goes without recording.
        box.activated(1);
        QCOMPARE(go.count(), 2);
        QCOMPARE(record.count(), 1);
    }
};

QTEST_MAIN(tst_AddressBox)
#include "tst_AddressBox.moc"
