// SPDX-License-Identifier: GPL-3.0-or-later
// Text from a file, a command line or the formula line as a message shows
// it, so nothing a user typed reaches a terminal or a label raw. No Qt.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The code point of the well-formed UTF-8 sequence at i and its length;
// length 0 when the bytes at i are not one (no overlong forms, no
// surrogates, nothing above U+10FFFF).
std::size_t decodedAt(std::string_view bytes, std::size_t i, std::uint32_t& code);

// The offset of the first byte that is not part of well-formed UTF-8, or npos.
std::size_t invalidUtf8At(std::string_view bytes);

// Control, direction-changing and invisible characters written as \x1B or
// \u202E, and bytes that are not UTF-8 as \xE9; cut with "…" where it
// would pass `longest` characters.
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
