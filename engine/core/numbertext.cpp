// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbertext.h"

#include <cfloat>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>

std::string generalNumberText(double value) {
    if (value == 0) return "0";  // also negative zero
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    for (char& ch : text) {
        if (ch == 'e') ch = 'E';
    }
    return text;
}

std::string signedNumberText(double value) {
    std::string text = generalNumberText(value);
    return text[0] == '-' ? text : " " + text;
}

namespace {

bool isBlank(char ch) { return ch == ' ' || ch == '\t' || ch == '\n'; }
bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }

}  // namespace

std::size_t numberLength(std::string_view s) {
    std::size_t pos = 0;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) ++pos;
    std::size_t digits = 0;
    bool point = false;
    while (pos < s.size()) {
        if (isDigit(s[pos])) {
            ++digits;
        } else if (s[pos] == '.' && !point) {
            point = true;
        } else {
            break;
        }
        ++pos;
    }
    if (digits == 0) return 0;
    std::size_t end = pos;
    if (pos < s.size() && (s[pos] == 'e' || s[pos] == 'E')) {
        std::size_t e = pos + 1;
        if (e < s.size() && (s[e] == '+' || s[e] == '-')) ++e;
        if (e < s.size() && isDigit(s[e])) {
            while (e < s.size() && isDigit(s[e])) ++e;
            end = e;
        }
    }
    return end;
}

namespace {

// The text without its blanks, as the boxes read it.
std::string packed(std::string_view text) {
    if (text.find_first_of(" \t\n") == std::string_view::npos) return std::string(text);
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        if (!isBlank(ch)) out += ch;
    }
    return out;
}

}  // namespace

double readNumber(std::string_view text) {
    const std::string all = packed(text);
    std::string number = all.substr(0, numberLength(all));
    if (number.empty()) return 0;
    // from_chars rounds as strtod does, knows no locale and is quick; it
    // leaves out-of-range values to strtod, which gives them as infinities
    // or as what is left of them below the smallest double.
    const std::size_t sign = number[0] == '+' ? 1 : 0;
    double value = 0;
    const auto [end, error] = std::from_chars(number.data() + sign, number.data() + number.size(), value);
    if (error == std::errc() && end == number.data() + number.size()) return value;
    // strtod follows the C locale's decimal point, which a GUI may have set.
    const char* point = std::localeconv()->decimal_point;
    if (point && std::strcmp(point, ".") != 0) {
        std::size_t dot = number.find('.');
        if (dot != std::string::npos) number.replace(dot, 1, point);
    }
    return std::strtod(number.c_str(), nullptr);
}

double Int(double v) { return std::floor(v); }

float toSingle(double v) {
    if (std::isnan(v)) return std::numeric_limits<float>::quiet_NaN();
    if (std::fabs(v) <= FLT_MAX) return static_cast<float>(v);
    // Beyond FLT_MAX: round to nearest, ties to even, as the hardware does.
    // The midpoint 2^128 - 2^103 ties to the even 2^128, which is infinity.
    const double midpoint = 0x1.ffffffp127;
    float magnitude = std::fabs(v) < midpoint ? FLT_MAX : std::numeric_limits<float>::infinity();
    return v < 0 ? -magnitude : magnitude;
}

bool fitsSingle(double v) { return std::isfinite(toSingle(v)); }

bool tooSmallForSingle(std::string_view text) {
    const std::string all = packed(text);
    const std::string_view number = std::string_view(all).substr(0, numberLength(all));
    // Only the digits before the exponent say whether the text means 0:
    // "1e-400" is no zero even where the double has run out.
    const std::size_t exponent = number.find_first_of("eE");
    const bool zero = number.substr(0, exponent).find_first_of("123456789") == std::string_view::npos;
    if (zero) return false;
    // Without an exponent, 44 characters cannot write a value below 1E-44,
    // which a float still holds: no need to read it.
    if (exponent == std::string_view::npos && number.size() <= 44) return false;
    return toSingle(readNumber(number)) == 0;
}
