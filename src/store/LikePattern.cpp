#include "store/LikePattern.h"

#include <QChar>

#include <sqlite3.h>

#include <array>
#include <cstring>
#include <memory>

namespace {

constexpr std::size_t npos = std::string_view::npos;
// Bytes that are not valid UTF-8 decode to 0xDC00 + byte: lone surrogates, which a valid
// sequence never decodes to, so such a byte only ever equals itself.
constexpr char32_t InvalidBase = 0xDC00;
// Case foldings outside this range do not exist (the last pairs are Adlam, U+1E900..).
constexpr char32_t FoldLimit = 0x20000;

// Decodes the character at s (avail bytes, avail >= 1); len gets its length in bytes.
inline char32_t decode(const unsigned char *s, std::size_t avail, std::size_t &len)
{
    const unsigned lead = s[0];
    if (lead < 0x80) {
        len = 1;
        return lead;
    }
    std::size_t extra = 0;
    char32_t cp = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
        cp = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        len = 1;
        return InvalidBase + lead;
    }
    if (avail <= extra) {
        len = 1;
        return InvalidBase + lead;
    }
    for (std::size_t i = 1; i <= extra; ++i) {
        const unsigned b = s[i];
        if ((b & 0xC0) != 0x80) {
            len = 1;
            return InvalidBase + lead;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    const bool overlong = (extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000);
    if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        len = 1;
        return InvalidBase + lead;
    }
    len = extra + 1;
    return cp;
}

inline char32_t fold(char32_t c)
{
    if (c < 0x80)
        return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    if (c >= InvalidBase && c <= InvalidBase + 0xFF)
        return c;
    return QChar::toCaseFolded(c);
}

unsigned char leadByte(char32_t cp)
{
    if (cp < 0x80)
        return static_cast<unsigned char>(cp);
    if (cp < 0x800)
        return static_cast<unsigned char>(0xC0 | (cp >> 6));
    if (cp < 0x10000)
        return static_cast<unsigned char>(0xE0 | (cp >> 12));
    return static_cast<unsigned char>(0xF0 | (cp >> 18));
}

// Every byte that can start a text character whose folding is `folded`.
std::string stopBytesFor(char32_t folded)
{
    std::array<bool, 256> stop{};
    if (folded >= InvalidBase && folded <= InvalidBase + 0xFF) {
        stop[folded - InvalidBase] = true;
    } else {
        for (char32_t cp = 1; cp < FoldLimit; ++cp) {
            if (cp >= 0xD800 && cp <= 0xDFFF)
                continue;
            if (fold(cp) == folded)
                stop[leadByte(cp)] = true;
        }
    }
    std::string bytes;
    for (int b = 1; b < 256; ++b) {
        if (stop[std::size_t(b)])
            bytes += char(b);
    }
    return bytes;
}

}  // namespace

LikePattern::LikePattern(std::string_view utf8Pattern)
{
    const auto *s = reinterpret_cast<const unsigned char *>(utf8Pattern.data());
    std::vector<char32_t> current;
    std::size_t pos = 0;
    while (pos < utf8Pattern.size()) {
        std::size_t len = 1;
        const char32_t c = decode(s + pos, utf8Pattern.size() - pos, len);
        pos += len;
        if (c == '%') {
            m_hasPercent = true;
            m_segments.push_back(makeSegment(std::move(current)));
            current.clear();
        } else {
            current.push_back(c == '_' ? AnyChar : fold(c));
        }
    }
    m_segments.push_back(makeSegment(std::move(current)));
}

LikePattern::Segment LikePattern::makeSegment(std::vector<char32_t> chars)
{
    Segment seg;
    seg.chars = std::move(chars);
    if (!seg.chars.empty() && seg.chars.front() != AnyChar && seg.chars.front() != 0)
        seg.stopBytes = stopBytesFor(seg.chars.front());
    return seg;
}

std::size_t LikePattern::matchAt(const Segment &seg, std::string_view text, std::size_t pos)
{
    const auto *s = reinterpret_cast<const unsigned char *>(text.data());
    for (const char32_t want : seg.chars) {
        if (pos >= text.size())
            return npos;
        std::size_t len = 1;
        const char32_t c = decode(s + pos, text.size() - pos, len);
        if (want != AnyChar && fold(c) != want)
            return npos;
        pos += len;
    }
    return pos;
}

std::size_t LikePattern::search(const Segment &seg, std::string_view text, std::size_t pos,
                                std::size_t &matchEnd)
{
    if (seg.chars.empty()) {
        matchEnd = pos;
        return pos;
    }
    const char *base = text.data();
    const std::size_t size = text.size();
    if (!seg.stopBytes.empty()) {
        // Jump from one possible first character to the next; the text ends with a NUL, so
        // strcspn stops at its end at the latest (or earlier, at a NUL inside the text).
        while (pos < size) {
            pos += std::strcspn(base + pos, seg.stopBytes.c_str());
            if (pos >= size)
                return npos;
            if (base[pos] != '\0') {
                const std::size_t end = matchAt(seg, text, pos);
                if (end != npos) {
                    matchEnd = end;
                    return pos;
                }
            }
            ++pos;
        }
        return npos;
    }
    const auto *s = reinterpret_cast<const unsigned char *>(base);
    while (pos < size) {
        const std::size_t end = matchAt(seg, text, pos);
        if (end != npos) {
            matchEnd = end;
            return pos;
        }
        std::size_t len = 1;
        decode(s + pos, size - pos, len);
        pos += len;
    }
    return npos;
}

bool LikePattern::matchFrom(std::string_view text, std::size_t pos, bool anchorStart, bool anchorEnd,
                            std::size_t &begin, std::size_t &end) const
{
    begin = npos;
    const std::size_t count = m_segments.size();
    for (std::size_t i = 0; i < count; ++i) {
        const Segment &seg = m_segments[i];
        const bool first = i == 0;
        const bool last = i + 1 == count;
        if (first && anchorStart) {
            const std::size_t e = matchAt(seg, text, pos);
            if (e == npos)
                return false;
            begin = pos;
            pos = e;
            if (last && anchorEnd && pos != text.size())
                return false;
            continue;
        }
        if (last && anchorEnd && !seg.chars.empty()) {
            // The last run must end the text: find where its characters would start.
            const auto *s = reinterpret_cast<const unsigned char *>(text.data());
            std::vector<std::size_t> starts;
            for (std::size_t p = pos; p < text.size();) {
                starts.push_back(p);
                std::size_t len = 1;
                decode(s + p, text.size() - p, len);
                p += len;
            }
            if (starts.size() < seg.chars.size())
                return false;
            const std::size_t start = starts[starts.size() - seg.chars.size()];
            if (matchAt(seg, text, start) != text.size())
                return false;
            if (begin == npos)
                begin = start;
            end = text.size();
            return true;
        }
        if (seg.chars.empty())
            continue;
        std::size_t e = 0;
        const std::size_t start = search(seg, text, pos, e);
        if (start == npos)
            return false;
        if (begin == npos)
            begin = start;
        pos = e;
    }
    if (begin == npos)
        begin = pos;
    end = (anchorEnd && m_hasPercent) ? text.size() : pos;
    return true;
}

bool LikePattern::matches(std::string_view text) const
{
    std::size_t begin = 0;
    std::size_t end = 0;
    return matchFrom(text, 0, true, true, begin, end);
}

bool LikePattern::find(std::string_view text, std::size_t &begin, std::size_t &end) const
{
    return matchFrom(text, 0, false, false, begin, end);
}

namespace {

// like(pattern, text), as SQLite calls it for "text LIKE pattern". The compiled pattern is
// kept with the statement while the pattern stays the same.
void likeFunction(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto *pattern = static_cast<const LikePattern *>(sqlite3_get_auxdata(ctx, 0));
    std::unique_ptr<LikePattern> made;
    if (!pattern) {
        const auto *p = reinterpret_cast<const char *>(sqlite3_value_text(argv[0]));
        const int n = sqlite3_value_bytes(argv[0]);
        made = std::make_unique<LikePattern>(std::string_view(p ? p : "", p ? std::size_t(n) : 0));
        pattern = made.get();
    }
    const auto *t = reinterpret_cast<const char *>(sqlite3_value_text(argv[1]));
    if (!t) {
        sqlite3_result_error_nomem(ctx);
        return;
    }
    const int tn = sqlite3_value_bytes(argv[1]);
    sqlite3_result_int(ctx, pattern->matches(std::string_view(t, std::size_t(tn))) ? 1 : 0);
    // SQLite may drop the pattern at once, so it is handed over only after its last use.
    if (made)
        sqlite3_set_auxdata(ctx, 0, made.release(), [](void *p) { delete static_cast<LikePattern *>(p); });
}

}  // namespace

void RegisterLike(sqlite3 *db)
{
    sqlite3_create_function_v2(db, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS, nullptr,
                               likeFunction, nullptr, nullptr, nullptr);
}
