// SPDX-License-Identifier: GPL-3.0-or-later
// How a term and the formula are written for the user. The texts are built
// from the boxes as typed, not from the numbers, so that what the user wrote
// is what the formula shows; numbers only decide where a sign is added.
// Plain C++: the rules are tested without a display.
#pragma once

#include <string>
#include <vector>

#include "termboxes.h"

// The term text of a term of the given shape (1..7); firstTerm when it is
// the table's first term. A shape without a rule gives the empty text.
std::string termText(int shape, bool firstTerm, const TermBoxes& boxes);

// A term text as the term list shows it: without a leading "+".
std::string listEntry(const std::string& termText);

// "F(x)=" and the term texts joined as they are: the signs come from them.
std::string formulaFromTerms(const std::vector<std::string>& termTexts);

// "F(x)=" and the list entries, a "+" put before every later entry that
// does not begin with "-".
std::string formulaFromList(const std::vector<std::string>& entries);
