// SPDX-License-Identifier: GPL-3.0-or-later
// An equation file's terms put into a module as 追加 would put them, for
// tests and fuzzing; the program itself replaces the table whole.
#pragma once

#include "equationfile.h"
#include "kalvex.h"

// Appends the equation's terms one after the other. When the checks of
// adding refuse one of them, nothing is appended and the refusal's message
// is returned.
const char* loadTerms(Kalvex& k, const Equation& equation);
