// SPDX-License-Identifier: GPL-3.0-or-later
// The maker's lines on the version and help screens. They name no real
// maker: example.jp is reserved for examples and reaches nobody.
#pragma once

#include <QtGlobal>

namespace maker {

inline constexpr const char* name = QT_TRANSLATE_NOOP("VersionScreen", "Kalvex工房");
inline constexpr const char* webAddress = "http://kalvex.example.jp/";
inline constexpr const char* manualAddress = "http://kalvex.example.jp/manual/";
inline constexpr const char* mailAddress = "kalvex@example.jp";

}  // namespace maker
