// SPDX-License-Identifier: GPL-3.0-or-later
// The formula line's characters and tokens, private to its reader. What
// keyboards and word processors give (full-width forms, dashes, dots,
// superscripts) is read as the plain ASCII it stands for, remembering where
// each plain byte came from, so faults point at what the user typed.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace formulaline {

struct PlainLine {
    std::string text;  // ASCII where the line was typed otherwise
    // For each byte of text: the bytes of the line's character it came from.
    std::vector<std::size_t> from, to;

    // The line's bytes behind the plain bytes [begin, end); empty for none.
    std::string_view original(std::string_view line, std::size_t begin, std::size_t end) const;
    // The line's byte offset of a plain offset (the line's end for text's end).
    std::size_t lineOffset(std::string_view line, std::size_t plain) const;
};

PlainLine plainLine(std::string_view line);

enum class Kind { number, name, plus, minus, times, divide, power, open, close, end, bad };

struct Token {
    Kind kind;
    std::size_t begin, end;  // bytes of the plain text
};

// The tokens of the plain text, ending with one of kind end.
std::vector<Token> tokenize(std::string_view s);

}  // namespace formulaline
