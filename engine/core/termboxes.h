// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter boxes of the setting screen, as typed: what a term is made
// from and what its text is written with.
#pragma once

#include <string>

// The parameter boxes of the setting screen, as typed.
struct TermBoxes {
    std::string a;  // 頭
    std::string b;  // 入力(0)
    std::string n;  // 入力(1)
    std::string c;  // 入力(2)
    std::string k;  // 定数
    std::string m;  // tein, the box of the base m (shape 3 only)
    bool operator==(const TermBoxes&) const = default;
};
