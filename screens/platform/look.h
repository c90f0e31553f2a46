// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts and the application-wide look shared by every screen.
#pragma once

#include <QFont>

class QApplication;

inline constexpr const char* msPGothic = "ＭＳ Ｐゴシック";
inline constexpr const char* msMincho = "ＭＳ 明朝";

// A font of the given face at a point size such as 11.4.
QFont designFont(const char* family, double pointSize);

// Substitutes the IPA fonts where the Japanese system fonts are absent.
void installFontSubstitutions();

// Style without icons on dialog buttons, font substitutions and the forms'
// default font, name and version. The language is installed apart from it.
void installApplicationLook(QApplication& app);
