// SPDX-License-Identifier: GPL-3.0-or-later
#include "certifiedsummary.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "core.h"

namespace {

int countOf(const core::Certified& result, core::Finding::Kind kind) {
    return static_cast<int>(std::count_if(result.findings.begin(), result.findings.end(),
                                          [kind](const core::Finding& g) { return g.kind == kind; }));
}

QString listedText(double root, double precision) {
    return QString::fromStdString(core::listText(root, precision));
}

double distance(const core::Finding& g, double v) { return v < g.lo ? g.lo - v : (v > g.hi ? v - g.hi : 0); }

// A listed entry names a proved root when it reads as the root would be
// listed, or lies within twice the precision of it: the list refines its
// roots to the precision and then cuts them to it.
bool namesRoot(const core::Finding& g, const ListedRoot& entry, double precision) {
    if (g.kind != core::Finding::root) return false;
    return listedText(core::rootValue(g), precision) == entry.text || distance(g, entry.value) <= 2 * precision;
}

// A sign change the list took for a root next to a pole: the nearest
// finding is the pole, and it lies close against the width of the range.
bool besidePole(const core::Certified& result, double v, double width) {
    const auto nearest = std::min_element(result.findings.begin(), result.findings.end(),
                                          [v](const core::Finding& a, const core::Finding& b) {
                                              return distance(a, v) < distance(b, v);
                                          });
    return nearest != result.findings.end() && nearest->kind == core::Finding::pole &&
           distance(*nearest, v) <= 0.01 * width;
}

// The proved root nearest to v, or none.
const core::Finding* nearestRoot(const core::Certified& result, double v) {
    const core::Finding* best = nullptr;
    for (const core::Finding& g : result.findings) {
        if (g.kind == core::Finding::root && (!best || distance(g, v) < distance(*best, v))) best = &g;
    }
    return best;
}

// What the findings say of the stretch within twice the precision of an
// entry that names no proved root: open there, or proved free of roots.
QString verdictNear(const core::Certified& result, double v, double precision) {
    for (const core::Finding& g : result.findings) {
        if (g.kind != core::Finding::root && g.kind != core::Finding::pole && distance(g, v) <= 2 * precision)
            return findingKindText(g.kind);
    }
    return QCoreApplication::translate("CertifiedSummary", "証明済み: ここに解はない");
}

}  // namespace

QString certifiedSummary(const core::Certified& result) {
    if (result.zeroEverywhere) return QCoreApplication::translate("CertifiedSummary", "F は変域のすべての点で 0 です。");
    const int roots = countOf(result, core::Finding::root);
    const int multiple = countOf(result, core::Finding::multiple);
    const int unresolved = countOf(result, core::Finding::unresolved);
    QString text = unresolved > 0 ? QCoreApplication::translate("CertifiedSummary", "証明済みの解 %1 個。未解決の区間があり、解がすべてとは言えません。")
                   : multiple > 0 ? QCoreApplication::translate("CertifiedSummary", "証明済みの解 %1 個。ほかの解は、あれば重解の可能性の区間の中です。")
                                  : QCoreApplication::translate("CertifiedSummary", "証明済みの解 %1 個。範囲内のほかの点に解はありません。");
    return text.arg(roots) + "\n" +
           QCoreApplication::translate("CertifiedSummary", "極 %1、値のない区間 %2、重解の可能性 %3、未解決 %4")
               .arg(countOf(result, core::Finding::pole))
               .arg(countOf(result, core::Finding::undefined))
               .arg(multiple)
               .arg(unresolved);
}

QString certifiedSubject(const QString& formula, const QString& start, const QString& end,
                         const QString& precision) {
    return QCoreApplication::translate("CertifiedSummary", "%1　変域 %2 〜 %3　精度 %4").arg(formula, start, end, precision);
}

std::vector<LegendEntry> certifiedLegend() {
    return {{markColours::root, "▲", QCoreApplication::translate("CertifiedSummary", "解")},
            {markColours::multiple, "▲", QCoreApplication::translate("CertifiedSummary", "重解の可能性")},
            {markColours::pole, "✕", QCoreApplication::translate("CertifiedSummary", "極")},
            {markColours::undefined, "▬", QCoreApplication::translate("CertifiedSummary", "値のない区間")},
            {markColours::unresolved, "▬", QCoreApplication::translate("CertifiedSummary", "未解決")}};
}

std::vector<ComparisonRow> listComparison(const core::Certified& result, core::Range range, double precision,
                                          const std::vector<ListedRoot>& listed) {
    const double lo = std::min(range.start, range.end), hi = std::max(range.start, range.end);
    std::vector<ComparisonRow> rows;
    std::vector<bool> named(result.findings.size(), false);
    for (const ListedRoot& entry : listed) {
        ComparisonRow row{entry.text, {}, {}, {}};
        const core::Finding* nearest = nearestRoot(result, entry.value);
        if (nearest) {
            row.nearest = findingValueText(*nearest, precision);
            row.distance = QString::number(distance(*nearest, entry.value), 'g', 3);
        }
        if (nearest && namesRoot(*nearest, entry, precision)) {
            named[static_cast<std::size_t>(nearest - result.findings.data())] = true;
            row.verdict = QCoreApplication::translate("CertifiedSummary", "証明済みの解");
        } else if (entry.value < lo || entry.value > hi) {
            row.verdict = QCoreApplication::translate("CertifiedSummary", "変域の外");
        } else if (besidePole(result, entry.value, hi - lo)) {
            row.verdict = QCoreApplication::translate("CertifiedSummary", "極のそば");
        } else {
            row.verdict = verdictNear(result, entry.value, precision);
        }
        rows.push_back(row);
    }
    for (std::size_t i = 0; i < result.findings.size(); ++i) {
        const core::Finding& g = result.findings[i];
        if (g.kind == core::Finding::root && !named[i])
            rows.push_back({{}, findingValueText(g, precision), {}, QCoreApplication::translate("CertifiedSummary", "一覧にない証明済みの解")});
    }
    return rows;
}

QString findingKindText(core::Finding::Kind kind) {
    switch (kind) {
        case core::Finding::root: return QCoreApplication::translate("CertifiedSummary", "解");
        case core::Finding::pole: return QCoreApplication::translate("CertifiedSummary", "極");
        case core::Finding::undefined: return QCoreApplication::translate("CertifiedSummary", "値のない区間");
        case core::Finding::multiple: return QCoreApplication::translate("CertifiedSummary", "重解の可能性");
        case core::Finding::unresolved: return QCoreApplication::translate("CertifiedSummary", "未解決");
    }
    return {};
}

QString findingValueText(const core::Finding& finding, double precision) {
    // Rounded, not cut as the list cuts: the text lies within half the precision of the root.
    return finding.kind == core::Finding::root ? QString::fromStdString(core::rootText(finding, precision)) : QString();
}

QString multiplicityText(const core::Finding& finding) {
    return finding.kind == core::Finding::root && finding.multiplicity > 0 ? QString::number(finding.multiplicity)
                                                                           : QString();
}

QString intervalEndText(double v) { return QString::number(v, 'g', 17); }
