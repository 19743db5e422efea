#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The one codec for every text file the program reads or writes. Tab files come from old
// Windows and Mac editors, web pages and modern tools, so reading takes any encoding and any
// line end, and writing puts a file back in the form it came in. The program holds CR LF.
namespace TextCodec {

enum class Encoding { Utf8, Utf16LE, Utf16BE, Windows1252, MacRoman, Latin1 };
enum class LineEnd { CrLf, Lf, Cr };

// How a disk file is laid out, kept with the open file so that saving writes it back the
// same way: the encoding, its byte-order mark, the line end used most and whether the last
// line ended with one.
struct Format
{
    Encoding encoding = Encoding::Utf8;
    bool bom = false;
    LineEnd lineEnd = LineEnd::CrLf;
    bool finalLineEnd = true;
};

struct Decoded
{
    QString text;            // CR LF line ends, every line ended (also the last one)
    Format format;
    bool guessed = false;    // no byte-order mark decided the encoding
    int droppedNuls = 0;     // NUL characters removed (an editor cannot hold them)
    int invalid = 0;         // byte sequences the encoding cannot read, shown as U+FFFD
    bool binary = false;     // not a text file: text is empty and nothing should be shown
};

// Reads bytes: a byte-order mark decides UTF-8 or UTF-16; otherwise valid UTF-8 is UTF-8;
// otherwise Windows-1252 or Mac Roman, whichever explains the high bytes better.
Decoded decode(const QByteArray &bytes);
// Reads bytes in the encoding the user chose (reopening a file whose encoding was guessed).
// A byte-order mark of that encoding is still recognised and skipped.
Decoded decode(const QByteArray &bytes, Encoding encoding);

// Writes text in a format: its line ends, final line end, encoding and byte-order mark.
// Characters the encoding cannot hold become '?': check fits() first.
QByteArray encode(const QString &text, const Format &format);
// Whether every character of text has a code in the encoding.
bool fits(const QString &text, Encoding encoding);

// Every line end (CR LF, lone LF, lone CR) as CR LF.
QString toCrLf(const QString &text);

// The display name of an encoding ("Windows-1252", "Mac Roman", "UTF-8", ...).
QString name(Encoding encoding);
// The encodings a file whose encoding was guessed can be reopened in, in menu order.
QList<Encoding> reopenChoices();

// An exported file: the tab text, CR LF, the "Notes" rule, CR LF, the notes, CR LF, every
// line end as CR LF, in UTF-8.
QString exportText(const QString &tab, const QString &notes);
QByteArray exportBytes(const QString &tab, const QString &notes);

}  // namespace TextCodec
