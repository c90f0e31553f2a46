// SPDX-License-Identifier: GPL-3.0-or-later
// The certified analysis on a thousand generated equations in one process,
// beside the designed automatic analysis on the same ones:
// ./bench/certified_bench [count] [seed]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "certified.h"
#include "numbertext.h"
#include "randomequations.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

void report(const char* name, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    double total = 0;
    for (double m : ms) total += m;
    const auto at = [&](double q) {
        return ms[std::min(ms.size() - 1, static_cast<std::size_t>(q * ms.size()))];
    };
    std::printf("%-10s median %.4f ms, 95th percentile %.4f ms, worst %.2f ms, total %.0f ms\n", name,
                at(0.5), at(0.95), ms.back(), total);
}

}  // namespace

int main(int argc, char* argv[]) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 1000;
    const unsigned long seed = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 20261207;
    RandomEquations equations(seed);
    std::vector<double> certified, designed;
    int unresolved = 0, notComplete = 0, roots = 0;
    long evaluations = 0, mostEvaluations = 0;
    for (int i = 0; i < count; ++i) {
        const RandomEquation e = equations.next();
        auto t = Clock::now();
        const core::Certified c = core::certify(e.formula, {readNumber(e.start), readNumber(e.end)});
        certified.push_back(msSince(t));
        const bool open = std::any_of(c.findings.begin(), c.findings.end(), [](const core::Finding& g) {
            return g.kind == core::Finding::unresolved;
        });
        notComplete += c.rangeUsable && !c.complete;
        if (c.rangeUsable && open) {
            ++unresolved;
            std::printf("unresolved: equation %d, %s .. %s:", i, e.start.c_str(), e.end.c_str());
            for (int s = 1; s <= e.formula.count; ++s)
                std::printf(" [%d a=%g b=%g n=%g m=%g c=%g k=%g]", e.formula.shape[s], e.formula.a[s],
                            e.formula.b[s], e.formula.n[s], e.formula.m[s], e.formula.c[s], e.formula.k[s]);
            for (const core::Finding& g : c.findings) {
                if (g.kind == core::Finding::unresolved) {
                    std::printf(" unresolved %g .. %g", g.lo, g.hi);
                    break;
                }
            }
            std::printf(" (%ld evaluations)\n", c.evaluations);
        }
        for (const core::Finding& g : c.findings) roots += g.kind == core::Finding::root;
        evaluations += c.evaluations;
        mostEvaluations = std::max(mostEvaluations, c.evaluations);

        core::AnalysisInput in;
        in.startText = e.start;
        in.endText = e.end;
        in.precisionText = e.precision;
        in.view.pixelWidth = 942;
        in.view.pixelHeight = 565;
        core::TermValues values{};
        t = Clock::now();
        core::analyse(e.formula, in, values);
        designed.push_back(msSince(t));
    }
    // Not complete: something unresolved, or a possible multiple root.
    std::printf(
        "%d equations (seed %lu): %d certified roots, %d with something unresolved, %d not complete, "
        "%ld evaluations (at most %ld)\n",
        count, seed, roots, unresolved, notComplete, evaluations, mostEvaluations);
    report("certified", certified);
    report("designed", designed);
    return unresolved == 0 ? 0 : 1;
}
