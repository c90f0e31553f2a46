// Any line reads without failing, stopping inside the line; every line that
// reads writes back to a line that reads to the same terms, bit for bit,
// and that line writes back to itself.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "formula.h"

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const FormulaRead read = readFormula(text);
    if (!read) {
        if (read.error.position > size || !read.terms.empty()) std::abort();
        if (formulaColumn(text, read.error.position) > size + 1) std::abort();
        return 0;
    }
    if (read.terms.size() > 20) std::abort();
    const std::string line = writeFormula(read.termList());
    const FormulaRead again = readFormula(line);
    if (!again || !sameTerms(again.termList(), read.termList())) std::abort();
    if (writeFormula(again.termList()) != line) std::abort();
    return 0;
}
