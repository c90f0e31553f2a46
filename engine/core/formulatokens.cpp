// SPDX-License-Identifier: GPL-3.0-or-later
#include "formulatokens.h"

#include <algorithm>
#include <numeric>

#include <cstdint>

#include "numbertext.h"
#include "showntext.h"

namespace formulaline {

namespace {

bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }
bool isLetter(char ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); }

// The superscript digits and minus, as their plain characters; 0 for any other.
char superscript(std::uint32_t code) {
    switch (code) {
        case 0x2070: return '0';
        case 0x00B9: return '1';
        case 0x00B2: return '2';
        case 0x00B3: return '3';
        case 0x207B: return '-';
        default: return code >= 0x2074 && code <= 0x2079 ? static_cast<char>('4' + (code - 0x2074)) : 0;
    }
}

bool isDash(std::uint32_t code) {
    return (code >= 0x2010 && code <= 0x2015) || code == 0x2212 || code == 0xFE63 || code == 0xFF0D;
}

// ×, the middle dots of Japanese and Western text, and the term texts' ･.
bool isTimesSign(std::uint32_t code) {
    return code == 0x00D7 || code == 0x00B7 || code == 0x30FB || code == 0xFF65;
}

// The plain text of one character that is no superscript; empty to keep
// the character's own bytes. A multiplication dot gets blanks around its
// star so that it never joins another star into a power.
std::string plainOf(std::uint32_t code) {
    if (code == 0x3000 || code == 0x00A0) return " ";
    if (isDash(code)) return "-";
    if (isTimesSign(code)) return " * ";
    if (code >= 0xFF01 && code <= 0xFF5E) return std::string(1, static_cast<char>(code - 0xFEE0));
    return {};
}

}  // namespace

std::string_view PlainLine::original(std::string_view line, std::size_t begin, std::size_t end) const {
    if (end <= begin || begin >= text.size()) return {};
    return line.substr(from[begin], to[end - 1] - from[begin]);
}

std::size_t PlainLine::lineOffset(std::string_view line, std::size_t plain) const {
    return plain < from.size() ? from[plain] : line.size();
}

PlainLine plainLine(std::string_view line) {
    PlainLine plain;
    // A line of plain ASCII, the usual one, is its own plain text.
    if (std::all_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        plain.text.assign(line);
        plain.from.resize(line.size());
        plain.to.resize(line.size());
        std::iota(plain.from.begin(), plain.from.end(), std::size_t{0});
        std::iota(plain.to.begin(), plain.to.end(), std::size_t{1});
        return plain;
    }
    bool raised = false;  // the character before was a superscript
    auto add = [&](std::string_view bytes, std::size_t begin, std::size_t end) {
        plain.text += bytes;
        plain.from.insert(plain.from.end(), bytes.size(), begin);
        plain.to.insert(plain.to.end(), bytes.size(), end);
    };
    for (std::size_t i = 0; i < line.size();) {
        std::uint32_t code = 0;
        std::size_t length = decodedAt(line, i, code);
        if (length == 0) length = 1;  // a byte that is no character stays, and is refused
        const std::size_t end = i + length;
        if (const char raisedChar = length > 1 ? superscript(code) : 0) {
            // x² is x^2 and x⁻¹ is x^-1: a run of superscripts is one power.
            add(raised ? std::string(1, raisedChar) : std::string{'^', raisedChar}, i, end);
            raised = true;
        } else {
            std::string text = length > 1 ? plainOf(code) : std::string();
            if (text.empty()) text = line.substr(i, length);
            // x²3 is no x^23: the power ends where the superscripts do.
            if (raised && (isDigit(text[0]) || text[0] == '.')) text.insert(0, " ");
            add(text, i, end);
            raised = false;
        }
        i = end;
    }
    return plain;
}

std::vector<Token> tokenize(std::string_view s) {
    std::vector<Token> tokens;
    std::size_t p = 0;
    auto add = [&](Kind kind, std::size_t length) {
        tokens.push_back({kind, p, p + length});
        p += length;
    };
    auto lengthOfCharacter = [&] {
        std::uint32_t code = 0;
        const std::size_t length = decodedAt(s, p, code);
        return length == 0 ? 1 : length;
    };
    while (p < s.size()) {
        const char ch = s[p];
        if (ch == ' ' || ch == '\t') {
            ++p;
        } else if (isDigit(ch) || ch == '.') {
            // No sign here: a sign is a token of its own.
            const std::size_t length = numberLength(s.substr(p));
            add(length > 0 ? Kind::number : Kind::bad, length > 0 ? length : 1);
        } else if (isLetter(ch)) {
            std::size_t end = p;
            while (end < s.size() && isLetter(s[end])) ++end;
            add(Kind::name, end - p);
        } else if (ch == '*') {
            const bool twice = p + 1 < s.size() && s[p + 1] == '*';
            add(twice ? Kind::power : Kind::times, twice ? 2 : 1);
        } else {
            switch (ch) {
                case '+': add(Kind::plus, 1); break;
                case '-': add(Kind::minus, 1); break;
                case '/': add(Kind::divide, 1); break;
                case '(': add(Kind::open, 1); break;
                case ')': add(Kind::close, 1); break;
                case '^': add(Kind::power, 1); break;
                default: add(Kind::bad, lengthOfCharacter()); break;
            }
        }
    }
    tokens.push_back({Kind::end, s.size(), s.size()});
    return tokens;
}

}  // namespace formulaline
