// SPDX-License-Identifier: GPL-3.0-or-later
// Any line reads without failing, stopping inside the line with a short
// piece that holds nothing raw; every line that reads writes back to a line
// that reads to the same terms, bit for bit, and that line writes back to
// itself. The same bytes, read as a table a file could hold (any 32-bit
// value, 0 and negative bases included), write to a line that reads back
// to that table.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "formula.h"
#include "fuzzbytes.h"
#include "showntext.h"

namespace {

bool sameTerms(const std::vector<Term>& a, const std::vector<Term>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].shape != b[i].shape) return false;
        for (auto column : {&Term::a, &Term::b, &Term::n, &Term::m, &Term::c, &Term::k}) {
            if (std::memcmp(&(a[i].*column), &(b[i].*column), sizeof(float)) != 0) return false;
        }
    }
    return true;
}

void checkRoundTrip(const std::vector<Term>& terms) {
    const std::string line = writeFormula(terms);
    const FormulaRead again = readFormula(line);
    if (!again || !sameTerms(again.termList(), terms)) std::abort();
    if (writeFormula(again.termList()) != line) std::abort();
}

// A box as a file may hold it: the shortest text of any finite 32-bit
// value, or a few bytes as they were typed.
std::string boxText(FuzzBytes& bytes) {
    const auto kind = bytes.take<std::uint8_t>();
    if (kind % 2 == 0) {
        float value = bytes.take<float>();
        if (!std::isfinite(value)) value = 0;
        char buffer[64];
        const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
        return std::string(buffer, written.ptr);
    }
    std::string text;
    for (int n = kind / 2 % 8; n > 0; --n) text += static_cast<char>(bytes.take<std::uint8_t>());
    return text;
}

// The terms a file could hold: those that 追加's checks let through.
std::vector<Term> tableFrom(const std::uint8_t* data, std::size_t size) {
    FuzzBytes bytes(data, size);
    std::vector<Term> terms;
    for (int count = bytes.take<std::uint8_t>() % 21; count > 0; --count) {
        Shape shape;
        shapeOf(1 + bytes.take<std::uint8_t>() % shapeCount, shape);
        const ShapeRule& rule = shapeRule(shape);
        TermBoxes boxes;
        for (int i = 0; i < rule.boxCount; ++i)
            boxes.*rule.boxes[static_cast<std::size_t>(i)].text = boxText(bytes);
        if (termRefusal(static_cast<int>(shape), boxes, static_cast<int>(terms.size()))) continue;
        terms.push_back(termFrom(shape, boxes));
    }
    return terms;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkRoundTrip(tableFrom(data, size));
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const FormulaRead read = readFormula(text);
    if (!read) {
        if (read.error.position > size || !read.terms.empty()) std::abort();
        if (formulaColumn(text, read.error.position) > size + 1) std::abort();
        // The piece is already as a message shows it.
        if (shownText(read.error.piece, std::string::npos) != read.error.piece) std::abort();
        if (read.error.piece.size() > 4 * shownTextLength + 8) std::abort();
        return 0;
    }
    if (read.terms.size() > 20) std::abort();
    for (const FormulaTerm& t : read.terms) {
        if (t.begin >= t.end || t.end > size) std::abort();
    }
    checkRoundTrip(read.termList());
    return 0;
}
