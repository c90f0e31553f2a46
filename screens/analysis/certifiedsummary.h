// What the certified analysis found, said in a line, and the automatic
// analysis's list held against it.
#pragma once

#include <QString>
#include <vector>

#include "certified.h"

// The counts of each kind, and whether every root in the range is proved.
QString certifiedSummary(const core::Certified& result);

// One entry of the automatic analysis's list: its text and the value it says.
struct ListedRoot {
    QString text;
    double value;
};

// Which listed entries are proved roots, poles, outside the range or
// neither, and how many proved roots the list lacks.
QString listComparison(const core::Certified& result, core::Range range, double precision,
                       const std::vector<ListedRoot>& listed);

// A finding's kind and its value at the precision (a root's only).
QString findingKindText(core::Finding::Kind kind);
QString findingValueText(const core::Finding& finding, double precision);
// An interval's end with every digit a double holds.
QString intervalEndText(double v);
