// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace {

template <class Values>
std::string filledIn(std::string_view pattern, const Values& values) {
    std::string out;
    out.reserve(pattern.size() + 32);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char ch = pattern[i];
        if (ch == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const std::size_t index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < values.size()) {
                out += *(values.begin() + index);
                ++i;
                continue;
            }
        }
        out += ch;
    }
    return out;
}

}  // namespace

std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> values) {
    return filledIn(pattern, values);
}

std::string fillIn(std::string_view pattern, const std::vector<std::string>& values) {
    return filledIn(pattern, values);
}

std::string jsonQuoted(std::string_view text) {
    static constexpr char hex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        switch (ch) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\b': out += "\\b"; break;
            case '\f': out += "\\f"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (byte < 0x20) {
                    out += "\\u00";
                    out += hex[byte >> 4];
                    out += hex[byte & 15];
                } else {
                    out += ch;
                }
        }
    }
    out += '"';
    return out;
}

std::string jsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string shortestText(double value) {
    std::string text = jsonNumber(value);
    for (char& ch : text) {
        if (ch == 'e') ch = 'E';
    }
    return text;
}
