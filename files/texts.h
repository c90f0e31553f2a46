// Small text tools shared by the equation files and the command line:
// message patterns, JSON strings and numbers, UTF-8 checks. No Qt.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// The pattern with %1 ... %9 replaced by the values, in one pass: a value
// that itself holds "%2" is not replaced again.
std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> values);
std::string fillIn(std::string_view pattern, const std::vector<std::string>& values);

// The text as a JSON string, quotes included. Control characters are
// escaped; everything else, non-ASCII included, is written as it is.
std::string jsonQuoted(std::string_view text);

// A JSON number with the fewest digits that read back to the same double;
// null for a value JSON cannot hold (NaN, infinities).
std::string jsonNumber(double value);

// The shortest text that the lenient reading turns back into the same
// double, written with "E" as the program writes its numbers ("1E-07").
std::string shortestText(double value);

// The offset of the first byte that is not part of well-formed UTF-8
// (no overlong forms, no surrogates, nothing above U+10FFFF), or npos.
std::size_t invalidUtf8At(std::string_view bytes);

// Text from a file or a command line as a message shows it: control and
// direction-changing characters written as \x1B or \u202E and bytes that
// are not UTF-8 as \xE9, so nothing reaches a terminal raw; cut with "…"
// where it would pass `longest` characters.
inline constexpr std::size_t shownTextLength = 60;
std::string shownText(std::string_view text, std::size_t longest = shownTextLength);

// A line with a mark under one of its characters (at a byte offset; past
// the end marks the end), as a terminal shows it: escaped as shownText
// escapes it and, where long, cut around the mark with "…" at the cut ends.
// `mark` counts the characters shown before the marked one.
struct MarkedLine {
    std::string line;
    std::size_t mark = 0;
};
MarkedLine markedLine(std::string_view text, std::size_t position, std::size_t longest = shownTextLength);
