// SPDX-License-Identifier: GPL-3.0-or-later
#include "loadterms.h"

const char* loadTerms(Kalvex& k, const Equation& equation) {
    int count = k.termTotal();
    for (const Term& term : equation.terms) {
        if (const char* refusal = termRefusal(static_cast<int>(term.shape), term.typed, count))
            return refusal;
        ++count;
    }
    std::vector<Term> all = k.terms();
    all.insert(all.end(), equation.terms.begin(), equation.terms.end());
    k.replaceTerms(all);
    return nullptr;
}
