// The automatic root analysis of the analysis screen, without any widget:
// the screen hands over the texts of its boxes and a list to fill; the core
// analyses, and this writes the module's fields and shows what it found in
// the order the user would see it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class Kalvex;

namespace rootsearch {

// The result list of the screen: cleared and made visible once, then
// filled in batches, so ten thousand entries cost one insertion. Entries
// are listed as core::listText(value, precision).
class RootList {
public:
    virtual ~RootList() = default;
    virtual void clearAndShow() = 0;
    virtual void append(const std::vector<double>& values, double precision) = 0;
};

// Finite and at least the smallest precision the searches work with.
bool usablePrecision(double precision);

// Reads the precision text; stores it in k.precision only when usable, so
// the module never holds a precision the searches cannot work with.
// Returns whether it was stored.
bool takePrecision(Kalvex& k, std::string_view text);

// Int(v / precision) · precision; v itself where that is not finite.
double cut(double v, double precision);

// The command from the reading of the boxes to the last message. True when
// it ran to its end (the fine pass completed), false when it stopped early.
bool automaticAnalysis(Kalvex& k, std::string_view startText, std::string_view endText,
                       std::string_view precisionText, RootList& list);

}  // namespace rootsearch
