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

// A listed entry names a proved root when it lies in the enclosure, reads
// as the root would be listed, or is within the precision the list claims.
bool namesRoot(const core::Finding& g, const ListedRoot& entry, double precision) {
    if (g.kind != core::Finding::root) return false;
    const double middle = core::rootValue(g);
    return (entry.value >= g.lo && entry.value <= g.hi) || listedText(middle, precision) == entry.text ||
           std::abs(entry.value - middle) <= precision;
}

double distance(const core::Finding& g, double v) { return v < g.lo ? g.lo - v : (v > g.hi ? v - g.hi : 0); }

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

}  // namespace

QString certifiedSummary(const core::Certified& result) {
    const int roots = countOf(result, core::Finding::root);
    const int multiple = countOf(result, core::Finding::multiple);
    const bool whole = result.complete && multiple == 0;
    QString text = (whole ? QCoreApplication::translate("CertifiedSummary", "証明済みの根 %1 個。範囲内のほかの点に根はありません。")
                          : QCoreApplication::translate("CertifiedSummary", "証明済みの根 %1 個。決まらない箇所があり、根がすべてとは言えません。"))
                       .arg(roots);
    return text + "\n" +
           QCoreApplication::translate("CertifiedSummary", "極 %1、計算できない区間 %2、重根の可能性 %3、未解決の区間 %4")
               .arg(countOf(result, core::Finding::pole))
               .arg(countOf(result, core::Finding::undefined))
               .arg(multiple)
               .arg(countOf(result, core::Finding::unresolved));
}

QString listComparison(const core::Certified& result, core::Range range, double precision,
                       const std::vector<ListedRoot>& listed) {
    const double lo = std::min(range.start, range.end), hi = std::max(range.start, range.end);
    QStringList proved, poles, outside, other;
    std::vector<bool> matched(result.findings.size(), false);
    for (const ListedRoot& entry : listed) {
        bool isRoot = false;
        for (std::size_t i = 0; i < result.findings.size(); ++i) {
            if (namesRoot(result.findings[i], entry, precision)) matched[i] = isRoot = true;
        }
        if (isRoot) proved << entry.text;
        else if (entry.value < lo || entry.value > hi) outside << entry.text;
        else if (besidePole(result, entry.value, hi - lo)) poles << entry.text;
        else other << entry.text;
    }
    int missing = 0;
    for (std::size_t i = 0; i < result.findings.size(); ++i) {
        if (result.findings[i].kind == core::Finding::root && !matched[i]) ++missing;
    }
    QStringList parts;
    if (!proved.isEmpty()) parts << QCoreApplication::translate("CertifiedSummary", "証明済みの根: %1").arg(proved.join(", "));
    if (!poles.isEmpty()) parts << QCoreApplication::translate("CertifiedSummary", "極: %1").arg(poles.join(", "));
    if (!outside.isEmpty()) parts << QCoreApplication::translate("CertifiedSummary", "範囲外: %1").arg(outside.join(", "));
    if (!other.isEmpty()) parts << QCoreApplication::translate("CertifiedSummary", "根と確かめられない: %1").arg(other.join(", "));
    parts << QCoreApplication::translate("CertifiedSummary", "一覧にない証明済みの根 %1 個").arg(missing);
    return QCoreApplication::translate("CertifiedSummary", "自動解析の結果と比べて  %1").arg(parts.join(QCoreApplication::translate("CertifiedSummary", "、")));
}

QString findingKindText(core::Finding::Kind kind) {
    switch (kind) {
        case core::Finding::root: return QCoreApplication::translate("CertifiedSummary", "根");
        case core::Finding::pole: return QCoreApplication::translate("CertifiedSummary", "極");
        case core::Finding::undefined: return QCoreApplication::translate("CertifiedSummary", "計算できない区間");
        case core::Finding::multiple: return QCoreApplication::translate("CertifiedSummary", "重根の可能性");
        case core::Finding::unresolved: return QCoreApplication::translate("CertifiedSummary", "未解決");
    }
    return {};
}

QString findingValueText(const core::Finding& finding, double precision) {
    return finding.kind == core::Finding::root ? listedText(core::rootValue(finding), precision) : QString();
}

QString intervalEndText(double v) { return QString::number(v, 'g', 17); }
