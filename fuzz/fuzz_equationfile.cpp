// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as an equation file: the reader never crashes, a refusal names
// the file, and an accepted file writes, reads back and writes again to the
// same bytes, with the same terms, and loads into a module as 追加 would.
#include <QByteArray>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "equationfile.h"
#include "kalvex.h"
#include "loadterms.h"

namespace {

bool sameTerm(const Term& x, const Term& y) {
    return x.shape == y.shape && x.typed.a == y.typed.a && x.typed.b == y.typed.b && x.typed.n == y.typed.n &&
           x.typed.c == y.typed.c && x.typed.k == y.typed.k && x.typed.m == y.typed.m &&
           std::memcmp(&x.a, &y.a, sizeof x.a) == 0 && std::memcmp(&x.b, &y.b, sizeof x.b) == 0 &&
           std::memcmp(&x.n, &y.n, sizeof x.n) == 0 && std::memcmp(&x.c, &y.c, sizeof x.c) == 0 &&
           std::memcmp(&x.k, &y.k, sizeof x.k) == 0 && std::memcmp(&x.m, &y.m, sizeof x.m) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const EquationRead read = parseEquation(bytes, "f.kalvex");
    if (!read) {
        if (read.error.text().rfind("f.kalvex: ", 0) != 0) std::abort();
        return 0;
    }
    const Equation& first = *read.equation;
    if (first.terms.size() > Kalvex::maxTerms) std::abort();

    const QByteArray written = serializeEquation(first);
    const EquationRead again = parseEquation(written, "f.kalvex");
    if (!again) std::abort();
    const Equation& second = *again.equation;
    if (serializeEquation(second) != written) std::abort();
    if (second.terms.size() != first.terms.size()) std::abort();
    for (std::size_t i = 0; i < first.terms.size(); ++i) {
        if (!sameTerm(first.terms[i], second.terms[i])) std::abort();
    }
    if (second.start != first.start || second.end != first.end || second.precision != first.precision)
        std::abort();

    Kalvex k;
    if (loadTerms(k, second) != nullptr || k.termTotal() != static_cast<int>(second.terms.size())) std::abort();
    return 0;
}
