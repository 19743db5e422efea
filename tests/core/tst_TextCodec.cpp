#include "core/TextCodec.h"
#include "core/TextFile.h"

#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using TextCodec::Encoding;
using TextCodec::LineEnd;

Q_DECLARE_METATYPE(TextCodec::Encoding)
Q_DECLARE_METATYPE(TextCodec::LineEnd)

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
        QTest::newRow("Windows-1252 accents") << QByteArray("caf\xE9 na\xEFve r\xF4le\r\n")
                                              << Encoding::Windows1252 << false
                                              << QStringLiteral("café naïve rôle\r\n");
        QTest::newRow("Mac Roman 0xCA alignment")
            << QByteArray("G\xCA\xCA\xCA\xCA" "C\xCA\xCA\xCA" "D\r\ne|--3--1--|\r\n")
            << Encoding::MacRoman << false
            << QStringLiteral("G\u00A0\u00A0\u00A0\u00A0C\u00A0\u00A0\u00A0D\r\ne|--3--1--|\r\n");
        QTest::newRow("Mac Roman quotes") << QByteArray("\xD2Wish\xD3 don\xD5t \xD4x\xD5\r\n")
                                          << Encoding::MacRoman << false
                                          << QStringLiteral("“Wish” don’t ‘x’\r\n");
        QTest::newRow("Mac Roman accents") << QByteArray("caf\x8E na\x95ve\r\n")
                                           << Encoding::MacRoman << false
                                           << QStringLiteral("café naïve\r\n");
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
        QVERIFY(!decoded.binary);
        QCOMPARE(decoded.droppedNuls, 0);
    }

    // A file opened and saved without a change is written back byte for byte.
    void unchangedFileRoundTrips_data()
    {
        QTest::addColumn<QByteArray>("bytes");

        QTest::newRow("empty") << QByteArray();
        QTest::newRow("UTF-8 BOM, CR LF") << QByteArray("\xEF\xBB\xBF" "a\xC3\xA9\r\nb\r\n");
        QTest::newRow("UTF-16 LE BOM, LF") << QByteArray("\xFF\xFE", 2) + utf16(QStringLiteral("é\nx\n"), false);
        QTest::newRow("Windows-1252, LF only") << QByteArray("\x93Hi\x94\ndon\x92t\n");
        QTest::newRow("Mac Roman, CR only") << QByteArray("G\xCA\xCA" "C\rdon\xD5t\r");
        QTest::newRow("no final line end") << QByteArray("e|--0--|\r\nB|--1--|");
        QTest::newRow("Ctrl-Z mid-file") << QByteArray("verse\r\n\x1A\r\nchorus after it\r\n");
    }

    void unchangedFileRoundTrips()
    {
        QFETCH(QByteArray, bytes);
        const TextCodec::Decoded decoded = TextCodec::decode(bytes);
        QVERIFY(!decoded.binary);
        QCOMPARE(TextCodec::encode(decoded.text, decoded.format), bytes);
    }

    void everySingleByteReadsAndWritesBack_data()
    {
        QTest::addColumn<Encoding>("encoding");
        QTest::newRow("Windows-1252") << Encoding::Windows1252;
        QTest::newRow("Mac Roman") << Encoding::MacRoman;
        QTest::newRow("Latin-1") << Encoding::Latin1;
    }

    void everySingleByteReadsAndWritesBack()
    {
        QFETCH(Encoding, encoding);
        QByteArray bytes;
        for (int b = 0x20; b < 0x100; ++b)
            bytes += static_cast<char>(b);
        bytes += "\r\n";
        const TextCodec::Decoded decoded = TextCodec::decode(bytes, encoding);
        QCOMPARE(decoded.text.size(), bytes.size());
        QSet<QChar> distinct(decoded.text.begin(), decoded.text.end());
        QCOMPARE(distinct.size(), bytes.size());  // a different character for every byte
        QVERIFY(TextCodec::fits(decoded.text, encoding));
        QCOMPARE(TextCodec::encode(decoded.text, decoded.format), bytes);
    }

    void lineEndsReadAsCrLf_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<LineEnd>("lineEnd");
        QTest::addColumn<bool>("finalLineEnd");

        QTest::newRow("CR only") << QByteArray("a\rb\r") << QString("a\r\nb\r\n") << LineEnd::Cr
                                 << true;
        QTest::newRow("mixed, mostly CR LF") << QByteArray("a\r\nb\nc\rd\r\ne\r\n")
                                             << QString("a\r\nb\r\nc\r\nd\r\ne\r\n")
                                             << LineEnd::CrLf << true;
        QTest::newRow("lone CR last, after CR LF") << QByteArray("a\r\nb\r") << QString("a\r\nb\r\n")
                                                   << LineEnd::CrLf << true;
        QTest::newRow("LF CR is two line ends") << QByteArray("a\n\rb") << QString("a\r\n\r\nb\r\n")
                                                << LineEnd::Lf << false;
        QTest::newRow("no final line end gains one") << QByteArray("a\r\nb") << QString("a\r\nb\r\n")
                                                     << LineEnd::CrLf << false;
        QTest::newRow("text after Ctrl-Z is kept")
            << QByteArray("intro\x1Aoutro\r\nlast") << QString("intro\x1Aoutro\r\nlast\r\n")
            << LineEnd::CrLf << false;
    }

    void lineEndsReadAsCrLf()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(LineEnd, lineEnd);
        QFETCH(bool, finalLineEnd);
        const TextCodec::Decoded decoded = TextCodec::decode(bytes);
        QCOMPARE(decoded.text, text);
        QCOMPARE(decoded.format.lineEnd, lineEnd);
        QCOMPARE(decoded.format.finalLineEnd, finalLineEnd);
    }

    void nulBytesDroppedAndCounted()
    {
        const TextCodec::Decoded decoded = TextCodec::decode(QByteArray("e|--0\0--|\r\nB|\0--1--|\r\n", 22));
        QVERIFY(!decoded.binary);
        QCOMPARE(decoded.droppedNuls, 2);
        QCOMPARE(decoded.text, QString("e|--0--|\r\nB|--1--|\r\n"));
    }

    void binaryRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");

        QByteArray png("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x10\0\0\0\x10\x08\x06\0\0\0", 33);
        for (int i = 0; i < 200; ++i)
            png += static_cast<char>((i * 37) % 256);
        QTest::newRow("image") << png;
        QByteArray store("SQLite format 3\0", 16);
        store += QByteArray(4080, '\0');
        store += "CREATE TABLE categories(category_id INTEGER PRIMARY KEY)";
        QTest::newRow("store file") << store;
        QTest::newRow("UTF-16 text full of controls")
            << QByteArray("\xFF\xFE", 2) + utf16(QString(40, QChar(3)) + "abc", false);
    }

    void binaryRefused()
    {
        QFETCH(QByteArray, bytes);
        const TextCodec::Decoded decoded = TextCodec::decode(bytes);
        QVERIFY(decoded.binary);
        QVERIFY(decoded.text.isEmpty());
    }

    // Reopening in another encoding reads the same bytes as that encoding says.
    void reopenInChosenEncoding()
    {
        const QByteArray bytes("Am\xCA\xCA" "G caf\xE9\r\n");
        QCOMPARE(TextCodec::decode(bytes, Encoding::Latin1).text, QStringLiteral("AmÊÊG café\r\n"));
        QCOMPARE(TextCodec::decode(bytes, Encoding::MacRoman).text,
                 QStringLiteral("Am\u00A0\u00A0G cafÈ\r\n"));
        const TextCodec::Decoded asUtf8 = TextCodec::decode(bytes, Encoding::Utf8);
        QVERIFY(asUtf8.invalid > 0);
        QVERIFY(asUtf8.text.contains(QChar::ReplacementCharacter));
        QCOMPARE(TextCodec::decode(bytes).invalid, 0);
    }

    void charactersThatDoNotFit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Encoding>("encoding");
        QTest::addColumn<bool>("fits");

        QTest::newRow("euro in Windows-1252") << QStringLiteral("€") << Encoding::Windows1252 << true;
        QTest::newRow("Greek in Windows-1252") << QStringLiteral("λ") << Encoding::Windows1252 << false;
        QTest::newRow("≠ in Mac Roman") << QStringLiteral("≠") << Encoding::MacRoman << true;
    }

    void charactersThatDoNotFit()
    {
        QFETCH(QString, text);
        QFETCH(Encoding, encoding);
        QFETCH(bool, fits);
        QCOMPARE(TextCodec::fits(text, encoding), fits);
    }

    void exportLayoutByteForByte_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QByteArray>("bytes");

        const QByteArray rule("Notes . . . . . . . . . . . . . . . . . . . . . . . . .");
        QTest::newRow("LF-only text from a web page")
            << QString("a\nb") << QString("n1\nn2")
            << QByteArray("a\r\nb\r\n" + rule + "\r\nn1\r\nn2\r\n");
        QTest::newRow("UTF-8 out") << QStringLiteral("“x”") << QStringLiteral("é")
                                   << QByteArray("\xE2\x80\x9Cx\xE2\x80\x9D\r\n" + rule + "\r\n\xC3\xA9\r\n");
    }

    void exportLayoutByteForByte()
    {
        QFETCH(QString, tab);
        QFETCH(QString, notes);
        QFETCH(QByteArray, bytes);
        QCOMPARE(TextCodec::exportBytes(tab, notes), bytes);
        // An exported file comes back as one tab text holding the rule and the notes.
        QCOMPARE(TextCodec::decode(bytes).text, QString::fromUtf8(bytes));
    }

    void filesReadAndWrittenWithReasons()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("song.tab");
        QString error;
        QVERIFY(TextFile::write(path, QByteArray("new\r\n"), error));
        QByteArray bytes;
        QVERIFY(TextFile::read(path, bytes, error));
        QCOMPARE(bytes, QByteArray("new\r\n"));

        QVERIFY(!TextFile::read(dir.filePath("missing.tab"), bytes, error));
        QVERIFY(!error.isEmpty());
        error.clear();
        QVERIFY(!TextFile::write(dir.filePath("no/such/folder.tab"), "x", error));
        QVERIFY(!error.isEmpty());
        error.clear();
        QVERIFY(!TextFile::write(dir.path(), "x", error));  // a folder, not a file
        QVERIFY(!error.isEmpty());
        QVERIFY(QFileInfo(dir.path()).isDir());
    }
};

QTEST_GUILESS_MAIN(tst_TextCodec)
#include "tst_TextCodec.moc"
