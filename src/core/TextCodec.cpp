#include "core/TextCodec.h"

#include "core/TabFileLayout.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>

namespace TextCodec {

namespace {

using HighTable = std::array<char16_t, 128>;

// Bytes 0x80..0xFF. The five bytes Windows-1252 leaves undefined read as the C1 controls of
// the same number, so every byte reads as some character and writes back as itself.
constexpr HighTable Windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF,
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF,
    0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7,
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF,
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF,
    0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF,
};

constexpr HighTable MacRomanHigh = {
    0x00C4, 0x00C5, 0x00C7, 0x00C9, 0x00D1, 0x00D6, 0x00DC, 0x00E1,
    0x00E0, 0x00E2, 0x00E4, 0x00E3, 0x00E5, 0x00E7, 0x00E9, 0x00E8,
    0x00EA, 0x00EB, 0x00ED, 0x00EC, 0x00EE, 0x00EF, 0x00F1, 0x00F3,
    0x00F2, 0x00F4, 0x00F6, 0x00F5, 0x00FA, 0x00F9, 0x00FB, 0x00FC,
    0x2020, 0x00B0, 0x00A2, 0x00A3, 0x00A7, 0x2022, 0x00B6, 0x00DF,
    0x00AE, 0x00A9, 0x2122, 0x00B4, 0x00A8, 0x2260, 0x00C6, 0x00D8,
    0x221E, 0x00B1, 0x2264, 0x2265, 0x00A5, 0x00B5, 0x2202, 0x2211,
    0x220F, 0x03C0, 0x222B, 0x00AA, 0x00BA, 0x03A9, 0x00E6, 0x00F8,
    0x00BF, 0x00A1, 0x00AC, 0x221A, 0x0192, 0x2248, 0x2206, 0x00AB,
    0x00BB, 0x2026, 0x00A0, 0x00C0, 0x00C3, 0x00D5, 0x0152, 0x0153,
    0x2013, 0x2014, 0x201C, 0x201D, 0x2018, 0x2019, 0x00F7, 0x25CA,
    0x00FF, 0x0178, 0x2044, 0x20AC, 0x2039, 0x203A, 0xFB01, 0xFB02,
    0x2021, 0x00B7, 0x201A, 0x201E, 0x2030, 0x00C2, 0x00CA, 0x00C1,
    0x00CB, 0x00C8, 0x00CD, 0x00CE, 0x00CF, 0x00CC, 0x00D3, 0x00D4,
    0xF8FF, 0x00D2, 0x00DA, 0x00DB, 0x00D9, 0x0131, 0x02C6, 0x02DC,
    0x00AF, 0x02D8, 0x02D9, 0x02DA, 0x00B8, 0x02DD, 0x02DB, 0x02C7,
};

const HighTable *highTable(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Windows1252: return &Windows1252High;
    case Encoding::MacRoman: return &MacRomanHigh;
    default: return nullptr;
    }
}

// Character -> byte for the high half of a single-byte table.
const QHash<char16_t, char> &reverseTable(Encoding encoding)
{
    static const auto build = [](const HighTable &table) {
        QHash<char16_t, char> reverse;
        for (int i = 0; i < 128; ++i)
            reverse.insert(table[i], static_cast<char>(0x80 + i));
        return reverse;
    };
    static const QHash<char16_t, char> windows = build(Windows1252High);
    static const QHash<char16_t, char> mac = build(MacRomanHigh);
    return encoding == Encoding::MacRoman ? mac : windows;
}

QString decodeSingleByte(const QByteArray &bytes, Encoding encoding)
{
    const HighTable *table = highTable(encoding);
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = QChar(b < 0x80 || !table ? char16_t(b) : (*table)[b - 0x80]);
    }
    return text;
}

QString decodeUnicode(const QByteArray &bytes, QStringConverter::Encoding encoding, int *invalid)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    const QString text = decoder(bytes);
    if (decoder.hasError())
        *invalid = static_cast<int>(text.count(QChar::ReplacementCharacter));
    return text;
}

bool isAsciiLetter(unsigned char b)
{
    return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z');
}

// Windows-1252 against Mac Roman: each high byte votes for the encoding that makes sense of
// it in its place. Ties go to Windows-1252, the more common of the two.
Encoding guessSingleByte(const QByteArray &bytes)
{
    int windows = 0;
    int mac = 0;
    const auto at = [&](qsizetype i) -> unsigned char {
        return i >= 0 && i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : ' ';
    };
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const unsigned char b = at(i);
        if (b < 0x80)
            continue;
        const unsigned char prev = at(i - 1);
        const unsigned char next = at(i + 1);
        const bool letterBefore = isAsciiLetter(prev);
        const bool letterAfter = isAsciiLetter(next);
        const auto spaceOrText = [](unsigned char n) {
            return n == ' ' || n == 0xCA || (n > ' ' && n < 0x7F);
        };
        switch (b) {
        case 0x81: case 0x8D: case 0x8F: case 0x90: case 0x9D:
            mac += 10;  // no character in Windows-1252
            break;
        case 0xCA:  // Mac Roman no-break space lining up chords
            if (spaceOrText(prev) && spaceOrText(next))
                mac += 3;
            break;
        case 0xD2: case 0xD4:  // Mac Roman opening quotes
            if (letterAfter && !letterBefore)
                mac += 2;
            break;
        case 0xD3:  // Mac Roman closing double quote
            if (letterBefore && !letterAfter)
                mac += 2;
            break;
        case 0xD5:  // Mac Roman apostrophe
            if (letterBefore)
                mac += 3;
            break;
        case 0x92:  // Windows-1252 apostrophe
            if (letterBefore)
                windows += 3;
            break;
        case 0x91: case 0x93:  // Windows-1252 opening quotes
            if (letterAfter && !letterBefore)
                windows += 2;
            break;
        case 0x94:  // Windows-1252 closing double quote
            if (letterBefore && !letterAfter)
                windows += 2;
            break;
        case 0x95: case 0x96: case 0x97:  // bullet, dashes between blanks
            if (prev == ' ' || next == ' ' || prev == '\n' || prev == '\r')
                windows += 2;
            break;
        default:
            break;
        }
        // Accented lower-case letters beside letters: é is 0xE9 in one and 0x8E in the other.
        if (letterBefore || letterAfter) {
            const QChar w(Windows1252High[b - 0x80]);
            const QChar m(MacRomanHigh[b - 0x80]);
            if (w.isLower())
                ++windows;
            if (m.isLower())
                ++mac;
        }
    }
    return mac > windows ? Encoding::MacRoman : Encoding::Windows1252;
}

// UTF-16 without a byte-order mark: plain text has a NUL in every other byte.
bool looksUtf16(const QByteArray &bytes, bool *bigEndian)
{
    if (bytes.size() < 4 || bytes.size() % 2 != 0)
        return false;
    qsizetype evenNul = 0;
    qsizetype oddNul = 0;
    for (qsizetype i = 0; i < bytes.size(); i += 2) {
        evenNul += bytes[i] == '\0';
        oddNul += bytes[i + 1] == '\0';
    }
    const qsizetype units = bytes.size() / 2;
    if (oddNul * 10 >= units * 9 && evenNul * 10 < units) {
        *bigEndian = false;
        return true;
    }
    if (evenNul * 10 >= units * 9 && oddNul * 10 < units) {
        *bigEndian = true;
        return true;
    }
    return false;
}

// A file is binary when control characters other than the usual text ones (tab, line ends,
// form feed, escape, Ctrl-Z) make up more than a twentieth of it: an image or a store file,
// not a tab with a stray NUL or two.
bool looksBinary(const QString &text)
{
    qsizetype controls = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != '\t' && u != '\n' && u != '\r' && u != '\f' && u != 0x0B
             && u != 0x1A && u != 0x1B)
            || u == 0x7F)
            ++controls;
    }
    return controls > 8 && controls * 20 > text.size();
}

void finish(Decoded &result, QString text)
{
    if (looksBinary(text)) {
        result.binary = true;
        return;
    }
    result.droppedNuls = static_cast<int>(text.count(QChar(u'\0')));
    if (result.droppedNuls > 0)
        text.remove(QChar(u'\0'));

    // The line end used most is the one a save writes back.
    qsizetype crlf = 0;
    qsizetype lf = 0;
    qsizetype cr = 0;
    const QChar *c = text.constData();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (c[i] == u'\r') {
            if (i + 1 < text.size() && c[i + 1] == u'\n') {
                ++crlf;
                ++i;
            } else {
                ++cr;
            }
        } else if (c[i] == u'\n') {
            ++lf;
        }
    }
    if (lf > crlf && lf >= cr)
        result.format.lineEnd = LineEnd::Lf;
    else if (cr > crlf && cr > lf)
        result.format.lineEnd = LineEnd::Cr;

    text = toCrLf(text);
    result.format.finalLineEnd = text.isEmpty() || text.endsWith(u'\n');
    if (!result.format.finalLineEnd)
        text += QStringLiteral("\r\n");
    result.text = text;
}

QStringConverter::Encoding unicodeEncoding(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf16LE: return QStringConverter::Utf16LE;
    case Encoding::Utf16BE: return QStringConverter::Utf16BE;
    default: return QStringConverter::Utf8;
    }
}

QByteArray bomOf(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8: return QByteArray("\xEF\xBB\xBF", 3);
    case Encoding::Utf16LE: return QByteArray("\xFF\xFE", 2);
    case Encoding::Utf16BE: return QByteArray("\xFE\xFF", 2);
    default: return QByteArray();
    }
}

bool isUnicode(Encoding encoding)
{
    return encoding == Encoding::Utf8 || encoding == Encoding::Utf16LE
           || encoding == Encoding::Utf16BE;
}

}  // namespace

Decoded decode(const QByteArray &bytes, Encoding encoding)
{
    Decoded result;
    result.format.encoding = encoding;
    QByteArray body = bytes;
    const QByteArray bom = bomOf(encoding);
    if (!bom.isEmpty() && body.startsWith(bom)) {
        result.format.bom = true;
        body.remove(0, bom.size());
    }
    result.guessed = !result.format.bom;
    if (isUnicode(encoding))
        finish(result, decodeUnicode(body, unicodeEncoding(encoding), &result.invalid));
    else
        finish(result, decodeSingleByte(body, encoding));
    return result;
}

Decoded decode(const QByteArray &bytes)
{
    for (const Encoding encoding : {Encoding::Utf8, Encoding::Utf16LE, Encoding::Utf16BE}) {
        if (bytes.startsWith(bomOf(encoding)))
            return decode(bytes, encoding);
    }
    bool bigEndian = false;
    if (looksUtf16(bytes, &bigEndian))
        return decode(bytes, bigEndian ? Encoding::Utf16BE : Encoding::Utf16LE);
    Decoded asUtf8 = decode(bytes, Encoding::Utf8);
    if (asUtf8.invalid == 0)
        return asUtf8;
    return decode(bytes, guessSingleByte(bytes));
}

bool fits(const QString &text, Encoding encoding)
{
    if (isUnicode(encoding))
        return true;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80)
            continue;
        if (encoding == Encoding::Latin1) {
            if (u > 0xFF)
                return false;
        } else if (!reverseTable(encoding).contains(u)) {
            return false;
        }
    }
    return true;
}

QByteArray encode(const QString &text, const Format &format)
{
    QString body = toCrLf(text);
    if (!body.isEmpty()) {
        const bool ended = body.endsWith(QStringLiteral("\r\n"));
        if (format.finalLineEnd && !ended)
            body += QStringLiteral("\r\n");
        else if (!format.finalLineEnd && ended)
            body.chop(2);
    }
    if (format.lineEnd == LineEnd::Lf)
        body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    else if (format.lineEnd == LineEnd::Cr)
        body.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));

    QByteArray bytes;
    if (format.bom)
        bytes = bomOf(format.encoding);
    if (isUnicode(format.encoding)) {
        QStringEncoder encoder(unicodeEncoding(format.encoding), QStringConverter::Flag::Stateless);
        bytes += encoder(body);
        return bytes;
    }
    bytes.reserve(bytes.size() + body.size());
    for (const QChar c : body) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (format.encoding == Encoding::Latin1 && u <= 0xFF))
            bytes += static_cast<char>(u);
        else
            bytes += reverseTable(format.encoding).value(u, '?');
    }
    return bytes;
}

QString toCrLf(const QString &text)
{
    const QChar *in = text.constData();
    const qsizetype size = text.size();
    // Text that is CR LF throughout already is given back as it is, without a copy.
    qsizetype first = 0;
    for (; first < size; ++first) {
        if (in[first] == u'\r' && first + 1 < size && in[first + 1] == u'\n')
            ++first;
        else if (in[first] == u'\r' || in[first] == u'\n')
            break;
    }
    if (first == size)
        return text;
    QString out(first + 2 * (size - first), Qt::Uninitialized);
    QChar *o = out.data();
    std::copy(in, in + first, o);
    o += first;
    for (qsizetype i = first; i < size; ++i) {
        const QChar c = in[i];
        if (c == u'\r' || c == u'\n') {
            *o++ = u'\r';
            *o++ = u'\n';
            if (c == u'\r' && i + 1 < size && in[i + 1] == u'\n')
                ++i;
        } else {
            *o++ = c;
        }
    }
    out.truncate(o - out.constData());
    return out;
}

QString name(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8: return QStringLiteral("UTF-8");
    case Encoding::Utf16LE: return QStringLiteral("UTF-16 LE");
    case Encoding::Utf16BE: return QStringLiteral("UTF-16 BE");
    case Encoding::Windows1252: return QStringLiteral("Windows-1252");
    case Encoding::MacRoman: return QStringLiteral("Mac Roman");
    case Encoding::Latin1: return QStringLiteral("Latin-1");
    }
    return QString();
}

QList<Encoding> reopenChoices()
{
    return {Encoding::Windows1252, Encoding::MacRoman, Encoding::Utf8, Encoding::Latin1};
}

QString exportText(const QString &tab, const QString &notes)
{
    const QString crlf = QStringLiteral("\r\n");
    return toCrLf(tab) + crlf + TabFileLayout::NotesRule() + crlf + toCrLf(notes) + crlf;
}

QByteArray exportBytes(const QString &tab, const QString &notes)
{
    return exportText(tab, notes).toUtf8();
}

}  // namespace TextCodec
