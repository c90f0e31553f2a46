// SPDX-License-Identifier: GPL-3.0-or-later
// One equation with its analysis settings in a small UTF-8 JSON file
// (.kalvex). Values are kept as the texts the user typed into the boxes,
// so the term texts and the 32-bit parameters come back exactly; a term is
// read with the same reading and the same checks as the setting screen's
// 追加. Reading returns a value or an error and never touches a module.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fileerror.h"
#include "term.h"

struct Equation {
    std::vector<Term> terms;  // Term::typed holds the texts that are written
    // The analysis screen's boxes: 変域(0), 変域(1) and 精度. None when the
    // file does not give it.
    std::optional<std::string> start, end, precision;
};

// An equation, or why the file gave none: a message naming the file and,
// where one is at fault, the term.
struct EquationRead {
    std::optional<Equation> equation;
    FileError error;
    explicit operator bool() const { return equation.has_value(); }
};

inline constexpr const char* equationFormat = "kalvex-equation";
inline constexpr int equationVersion = 1;
// Twenty terms of typed texts fit in a few kilobytes: anything near this
// size is not an equation file, and reading it whole would only cost memory.
inline constexpr long long largestEquationFile = 1 << 20;

// The file's bytes; fileName only names it in a message.
EquationRead parseEquation(const QByteArray& bytes, const std::string& fileName);
EquationRead readEquation(const QString& path);

// The file's bytes: fixed key order and layout, so writing what was read
// gives the same bytes again.
QByteArray serializeEquation(const Equation& equation);

// Replaces the file whole through a temporary file, so a failed save leaves
// the old one as it was. Why it failed, naming the file.
std::optional<FileError> writeEquation(const QString& path, const Equation& equation);
