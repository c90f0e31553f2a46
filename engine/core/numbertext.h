// SPDX-License-Identifier: GPL-3.0-or-later
// How numbers are written for and read from the user. Locale-independent.
#pragma once

#include <string>
#include <string_view>

// 15 significant digits, no trailing zeros, plain from 1E-04 up to below
// 1E+15, otherwise mantissa, "E", sign and at least two exponent digits.
// Negative zero is written "0".
std::string generalNumberText(double value);

// The general number text with a blank before a value that is not negative.
std::string signedNumberText(double value);

// The length of the number at the start of s, its sign included: digits
// with at most one point, at least one digit, and an exponent only with a
// digit after it ("2e^(x)" has the number 2). 0 when there is none. The one
// grammar of a number, for the boxes and the formula line alike.
std::size_t numberLength(std::string_view s);

// The longest leading number of the text; blanks, tabs and line feeds are
// skipped anywhere. Never fails: a text without a number reads 0.
double readNumber(std::string_view text);

// The largest whole number not greater than v.
double Int(double v);

// Narrowing to a 32-bit float that is defined for every double: values
// beyond the float range become infinities, as the hardware would round them.
float toSingle(double v);
bool fitsSingle(double v);

// A number text that is not zero but whose 32-bit value is: it would
// silently become 0, so 追加 refuses it. Subnormal values are kept.
bool tooSmallForSingle(std::string_view text);
