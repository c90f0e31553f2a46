// The automatic root analysis of the analysis screen, without any widget:
// the screen hands over the texts of its boxes and a list to fill, so the
// whole command (passes, refinement, cut, messages) runs in engine tests.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class Kalvex;

namespace rootsearch {

// Below this the cut to a multiple of the precision and the convergence
// test of the refinement no longer mean anything in double precision.
inline constexpr double smallestPrecision = 1e-300;
// A pass that visits this many points has a step too small to matter
// (the fine grid has about 10 001): it is stopped like a stuck one.
inline constexpr long passPointLimit = 1'000'000;

// One grid interval whose ends differ in the sign of F.
struct Bracket {
    double x1, f1, x2, f2;
};

// How a pass ended. Neither failure has shown its closing message yet:
// the command shows it after listing what the pass found.
enum class PassEnd {
    completed,
    notComputable,  // F failed at a point (its own message already shown)
    stuck,          // the step no longer advances x
};

// The result list of the screen: cleared and made visible once, then
// filled in batches, so ten thousand entries cost one insertion.
class RootList {
public:
    virtual ~RootList() = default;
    virtual void clearAndShow() = 0;
    virtual void append(const std::vector<std::string>& texts) = 0;
};

// Finite and at least smallestPrecision.
bool usablePrecision(double precision);

// Reads the precision text; stores it in k.precision only when usable, so
// the module never holds a precision the searches cannot work with.
// Returns whether it was stored.
bool takePrecision(Kalvex& k, std::string_view text);

// Int(v / precision) · precision; v itself where that is not finite.
double cut(double v, double precision);

// The grid of one hundred steps from rangeStart: every interval whose ends
// differ in sign, in grid order. Sets sweepStep and leaves sweepX where it
// stopped.
PassEnd bracketPass(Kalvex& k, std::vector<Bracket>& brackets);

// The root of each bracket, in grid order: an end where F
// is 0, else the refined estimate. False when a refinement failed (its
// message shown); roots then holds those found before.
bool resolveBrackets(Kalvex& k, const std::vector<Bracket>& brackets, std::vector<double>& roots);

// The grid one hundred times finer: every point where |F| <= precision.
PassEnd finePass(Kalvex& k, std::vector<double>& hits);

// The command from the reading of the boxes to the last message. True when
// it ran to its end (the fine pass completed), false when it stopped early.
bool automaticAnalysis(Kalvex& k, std::string_view startText, std::string_view endText,
                       std::string_view precisionText, RootList& list);

}  // namespace rootsearch
