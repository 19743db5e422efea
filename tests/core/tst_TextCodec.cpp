#include "core/TextCodec.h"

#include <QSet>
#include <QtTest>

using TextCodec::Encoding;
using TextCodec::LineEnd;

Q_DECLARE_METATYPE(TextCodec::Encoding)

namespace {

QByteArray utf16(const QString &text, bool bigEndian)
{
    QByteArray bytes;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const char hi = static_cast<char>(u >> 8);
        const char lo = static_cast<char>(u & 0xFF);
        bytes += bigEndian ? QByteArray{1, hi} + lo : QByteArray{1, lo} + hi;
    }
    return bytes;
}

}  // namespace

// Reading tab files from everywhere and writing them back exactly as they came.
class tst_TextCodec : public QObject
{
    Q_OBJECT

private slots:
    void decodesEachEncoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Encoding>("encoding");
        QTest::addColumn<bool>("bom");
        QTest::addColumn<QString>("text");

        QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF" "caf\xC3\xA9\r\n")
                                        << Encoding::Utf8 << true << QStringLiteral("café\r\n");
        QTest::newRow("UTF-8 without BOM") << QByteArray("caf\xC3\xA9 \xE2\x80\x93 x\r\n")
                                           << Encoding::Utf8 << false << QStringLiteral("café – x\r\n");
        QTest::newRow("UTF-16 LE with BOM")
            << QByteArray("\xFF\xFE", 2) + utf16(QStringLiteral("Em “x”\r\n"), false) << Encoding::Utf16LE
            << true << QStringLiteral("Em “x”\r\n");
        QTest::newRow("UTF-16 BE with BOM")
            << QByteArray("\xFE\xFF", 2) + utf16(QStringLiteral("Em é\r\n"), true) << Encoding::Utf16BE << true
            << QStringLiteral("Em é\r\n");
        QTest::newRow("UTF-16 LE without BOM") << utf16(QStringLiteral("Intro riff\r\n"), false)
                                               << Encoding::Utf16LE << false
                                               << QString("Intro riff\r\n");
        QTest::newRow("Windows-1252 curly quotes and dashes")
            << QByteArray("\x93Wish\x94 \x96 don\x92t fret \x97 \x80" "5\r\n")
            << Encoding::Windows1252 << false << QStringLiteral("“Wish” – don’t fret — €5\r\n");
        QTest::newRow("Mac Roman 0xCA alignment")
            << QByteArray("G\xCA\xCA\xCA\xCA" "C\xCA\xCA\xCA" "D\r\ne|--3--1--|\r\n")
            << Encoding::MacRoman << false
            << QStringLiteral("G\u00A0\u00A0\u00A0\u00A0C\u00A0\u00A0\u00A0D\r\ne|--3--1--|\r\n");
    }

    void decodesEachEncoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Encoding, encoding);
        QFETCH(bool, bom);
        QFETCH(QString, text);

        const TextCodec::Decoded decoded = TextCodec::decode(bytes);
        QCOMPARE(decoded.text, text);
        QCOMPARE(decoded.format.encoding, encoding);
        QCOMPARE(decoded.format.bom, bom);
        QCOMPARE(decoded.guessed, !bom);
    }

    // A file opened and saved without a change is written back byte for byte.
    void unchangedFileRoundTrips_data()
    {
        QTest::addColumn<QByteArray>("bytes");

        QTest::newRow("UTF-16 LE BOM, LF") << QByteArray("\xFF\xFE", 2) + utf16(QStringLiteral("é\nx\n"), false);
        QTest::newRow("Windows-1252, LF only") << QByteArray("\x93Hi\x94\ndon\x92t\n");
        QTest::newRow("Mac Roman, CR only") << QByteArray("G\xCA\xCA" "C\rdon\xD5t\r");
        QTest::newRow("Ctrl-Z mid-file") << QByteArray("verse\r\n\x1A\r\nchorus after it\r\n");
    }

    void unchangedFileRoundTrips()
    {
        QFETCH(QByteArray, bytes);
        const TextCodec::Decoded decoded = TextCodec::decode(bytes);
        QVERIFY(!decoded.binary);
        QCOMPARE(TextCodec::encode(decoded.text, decoded.format), bytes);
    }

    void everySingleByteReadsAndWritesBack()
    {
        QByteArray bytes;
        for (int b = 0x20; b < 0x100; ++b)
            bytes += static_cast<char>(b);
        bytes += "\r\n";
        for (const Encoding encoding : {Encoding::Windows1252, Encoding::MacRoman, Encoding::Latin1}) {
            const TextCodec::Decoded decoded = TextCodec::decode(bytes, encoding);
            const QSet<QChar> distinct(decoded.text.begin(), decoded.text.end());
            QCOMPARE(distinct.size(), bytes.size());  // a different character for every byte
            QVERIFY(TextCodec::fits(decoded.text, encoding));
            QCOMPARE(TextCodec::encode(decoded.text, decoded.format), bytes);
        }
    }

    // Every line end reads as CR LF; the file's own style is the one most of its lines use.
    void lineEndsReadAsCrLf()
    {
        TextCodec::Decoded decoded = TextCodec::decode("a\r\nb\nc\rd\r\ne\r\n");
        QCOMPARE(decoded.text, QString("a\r\nb\r\nc\r\nd\r\ne\r\n"));
        QCOMPARE(decoded.format.lineEnd, LineEnd::CrLf);
        QVERIFY(decoded.format.finalLineEnd);
        decoded = TextCodec::decode("a\n\rb");  // LF CR is two line ends
        QCOMPARE(decoded.text, QString("a\r\n\r\nb\r\n"));
        QCOMPARE(decoded.format.lineEnd, LineEnd::Lf);
        QVERIFY(!decoded.format.finalLineEnd);
        QVERIFY(TextCodec::decode("caf\xE9\r\n", Encoding::Utf8).invalid > 0);  // reopened as UTF-8, it is not
    }

    // A store file or a text full of control characters is not opened as text.
    void binaryRefused()
    {
        const QByteArray store = QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\0') + "CREATE TABLE x(y)";
        for (const QByteArray &bytes : {store, QByteArray("\xFF\xFE", 2) + utf16(QString(40, QChar(3)) + "abc", false)}) {
            const TextCodec::Decoded refused = TextCodec::decode(bytes);
            QVERIFY(refused.binary);
            QVERIFY(refused.text.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(tst_TextCodec)
#include "tst_TextCodec.moc"
