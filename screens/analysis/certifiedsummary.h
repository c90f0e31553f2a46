// SPDX-License-Identifier: GPL-3.0-or-later
// What the certified analysis found, said in a line, and the automatic
// analysis's list held against it.
#pragma once

#include <QColor>
#include <QString>
#include <vector>

#include "certified.h"

// The colours of the marks on the graph, and of the legend that names them.
namespace markColours {
inline const QColor root(0, 160, 0), multiple(190, 150, 0), pole(220, 0, 220), unresolved(255, 140, 0),
    undefined(128, 128, 128);
}

// The counts of each kind, and whether the findings cover the range: every
// root in a listed root or a possible multiple root, nothing unresolved.
QString certifiedSummary(const core::Certified& result);

// Which F, range and precision a result speaks of, in one line.
QString certifiedSubject(const QString& formula, const QString& start, const QString& end,
                         const QString& precision);

// The marks on the graph and what each means.
struct LegendEntry {
    QColor colour;
    QString glyph, name;
};
std::vector<LegendEntry> certifiedLegend();

// One entry of the automatic analysis's list: its text and the value it says.
struct ListedRoot {
    QString text;
    double value;
};

// One row of the comparison: an entry of the list (empty for a proved root
// the list lacks), the nearest proved root, how far it lies, and the verdict.
struct ComparisonRow {
    QString entry, nearest, distance, verdict;
};

// Each listed entry beside its nearest proved root, then the proved roots
// no entry names.
std::vector<ComparisonRow> listComparison(const core::Certified& result, core::Range range, double precision,
                                          const std::vector<ListedRoot>& listed);

// A finding's kind, its value rounded to the precision (a root's only) and its
// multiplicity (a root's only).
QString findingKindText(core::Finding::Kind kind);
QString findingValueText(const core::Finding& finding, double precision);
QString multiplicityText(const core::Finding& finding);
// An interval's end with every digit a double holds.
QString intervalEndText(double v);
