#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

// A LIKE pattern ('%' stands for any run of characters, '_' for one character) that compares
// letters without regard to case in every alphabet, not only A to Z: two characters are equal
// when their Unicode simple case foldings are ("é" matches "É"). Patterns and texts are UTF-8;
// a byte that is not part of a valid UTF-8 sequence counts as one character of its own.
// Texts handed in must be followed by a NUL byte (as SQLite's and QByteArray's texts are).
class LikePattern
{
public:
    explicit LikePattern(std::string_view utf8Pattern);

    // Whether the whole text matches, as "text LIKE pattern" does.
    bool matches(std::string_view text) const;
    // The first place where the pattern matches part of the text, as '%' + pattern + '%'
    // would: byte offsets [begin, end). False when it matches nowhere.
    bool find(std::string_view text, std::size_t &begin, std::size_t &end) const;

    static constexpr char32_t AnyChar = 0xFFFFFFFF;

private:
    // A run of the pattern between two '%': folded characters, AnyChar for '_'.
    struct Segment
    {
        std::vector<char32_t> chars;
        std::string stopBytes;  // bytes that can start a text character equal to chars[0]
    };

    static Segment makeSegment(std::vector<char32_t> chars);
    // Matches the segment at byte pos; returns the end of the match or npos.
    static std::size_t matchAt(const Segment &seg, std::string_view text, std::size_t pos);
    // The leftmost match of the segment at or after pos; returns its start or npos, and
    // its end in matchEnd.
    static std::size_t search(const Segment &seg, std::string_view text, std::size_t pos,
                              std::size_t &matchEnd);
    bool matchFrom(std::string_view text, std::size_t pos, bool anchorStart, bool anchorEnd,
                   std::size_t &begin, std::size_t &end) const;

    std::vector<Segment> m_segments;  // all of them, empty ones included
    bool m_hasPercent = false;
};

// Makes the connection's two-argument LIKE use LikePattern.
void RegisterLike(sqlite3 *db);
