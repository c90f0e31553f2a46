#include "loadterms.h"

#include "kalvex.h"

const char* loadTerms(Kalvex& k, const Equation& equation) {
    int count = k.termCount;
    for (const Term& term : equation.terms) {
        if (const char* refusal = termRefusal(static_cast<int>(term.shape), term.typed, count)) return refusal;
        ++count;
    }
    for (const Term& term : equation.terms) k.appendTerm(term);
    return nullptr;
}
