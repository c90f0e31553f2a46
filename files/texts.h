// SPDX-License-Identifier: GPL-3.0-or-later
// Small text tools shared by the equation files and the command line:
// message patterns, JSON strings and numbers. No Qt.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// UTF-8 checks and shownText live in the core, which the formula line needs too.
#include "showntext.h"

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
