// SPDX-License-Identifier: GPL-3.0-or-later
// 検証 > 保証付き解析: the certified analysis of the range in the boxes, off
// the interface thread, in a window of its own and as marks on the graph.
// The designed list, picture and messages stay as they are.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "analysisscreen.h"
#include "certifiedrun.h"
#include "certifiedsummary.h"
#include "certifiedwindow.h"
#include "analysisrules.h"
#include "core.h"
#include "formula.h"
#include "kalvex.h"
#include "messages.h"
#include "numbertext.h"
#include "picturebox.h"
#include "resultlist.h"

namespace {

constexpr int markSize = 5;  // pixels from a mark's centre to its edge

using Stroke = PictureBox::Stroke;

QAction* named(QAction* action, const char* name) {
    action->setObjectName(QString::fromUtf8(name));
    return action;
}

// A small triangle pointing up at x on the axis, below it.
void triangle(std::vector<Stroke>& marks, int x, int axis, const QColor& colour) {
    for (int row = 0; row <= markSize; ++row) {
        marks.push_back({Stroke::line, QLine(x - row, axis + 1 + row, x + row, axis + 1 + row), colour});
    }
}

// A cross two pixels thick, centred on the axis.
void cross(std::vector<Stroke>& marks, int x, int axis, const QColor& colour) {
    for (int shift = 0; shift <= 1; ++shift) {
        marks.push_back({Stroke::line, QLine(x - markSize + shift, axis - markSize, x + markSize + shift, axis + markSize), colour});
        marks.push_back({Stroke::line, QLine(x - markSize + shift, axis + markSize, x + markSize + shift, axis - markSize), colour});
    }
}

// A bar along the axis over a stretch, at least a pixel wide.
void bar(std::vector<Stroke>& marks, int from, int to, int axis, const QColor& colour) {
    marks.push_back({Stroke::fill, QLine(std::min(from, to), axis - 2, std::max(from, to), axis + 2), colour});
}

}  // namespace

void AnalysisScreen::createCertifiedMenu() {
    QMenu* check = menuBar()->addMenu(tr("検証(&V)"));
    check->setObjectName("検証");
    certifiedAction = named(check->addAction(tr("保証付き解析(&G)")), "保証付き解析");
    certifiedAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    connect(certifiedAction, &QAction::triggered, this, &AnalysisScreen::certifiedAnalysis);
    certifiedRun = new CertifiedRun(this);
    connect(certifiedRun, &CertifiedRun::finished, this, &AnalysisScreen::certifiedFinished);
    for (QLineEdit* box : 変域) connect(box, &QLineEdit::textChanged, this, &AnalysisScreen::certifiedStale);
    connect(精度コンボ, &QComboBox::editTextChanged, this, &AnalysisScreen::certifiedStale);
}

void AnalysisScreen::certifiedStale() {
    if (!certifiedShown || *certifiedShown == analysedOnNow()) return;
    certifiedShown.reset();
    図->setOverlay({});
    if (certifiedWindow) certifiedWindow->showNothing(tr("式か変域か精度が変わったので、結果を消しました。"));
}

AnalysisScreen::AnalysedOn AnalysisScreen::analysedOnNow() const {
    const AnalysisTexts texts = analysisTexts();
    return {kalvex.formula(), *texts.start, *texts.end, *texts.precision};
}

void AnalysisScreen::certifiedAnalysis() {
    if (refusedWithoutTerms()) return;
    const AnalysedOn asked = analysedOnNow();
    const core::CertifiedBoxes boxes = core::certifiedBoxes(asked.start, asked.end, asked.precision);
    if (boxes.refusal) {
        kalvex.showMessage(boxes.refusal);
        return;
    }
    const core::Range range = boxes.range;
    if (!certifiedWindow) {
        certifiedWindow = new CertifiedWindow(this);
        connect(certifiedWindow, &CertifiedWindow::cancelRequested, this,
                [this] { cancelCertified(tr("キャンセルしました。")); });
        // New digits for the result shown: the same analysis again, with them.
        connect(certifiedWindow, &CertifiedWindow::digitsChanged, this, [this] {
            if (certifiedShown) certifiedAnalysis();
        });
    }
    図->setOverlay({});
    certifiedShown.reset();
    certifiedAsked = asked;
    certifiedWindow->showRunning();
    certifiedRun->start(asked.formula, range, certifiedWindow->digits());
}

void AnalysisScreen::cancelCertified(const QString& why) {
    certifiedRun->cancel();
    certifiedAsked.reset();
    if (certifiedWindow) certifiedWindow->showNothing(why);
}

void AnalysisScreen::certifiedFinished(const CertifiedAnswer& answer) {
    const core::Certified& result = answer.result;
    const std::optional<AnalysedOn> asked = std::exchange(certifiedAsked, std::nullopt);
    // F, the range or the precision changed while the work ran: its result
    // would speak of something no longer on the screen.
    if (!asked || !(*asked == analysedOnNow())) {
        certifiedWindow->showNothing(tr("式か範囲か精度が変わったので、結果を捨てました。"));
        return;
    }
    const double precision = readNumber(asked->precision);
    const bool sameAsList = lastAutomatic && *lastAutomatic == *asked;
    const QString subject = certifiedSubject("F(x) = " + QString::fromStdString(writeFormula(kalvex.terms())),
                                             QString::fromStdString(asked->start), QString::fromStdString(asked->end),
                                             QString::fromStdString(asked->precision));
    certifiedWindow->showResult(result, precision, subject,
                                sameAsList ? comparedWithList(result, precision) : std::vector<ComparisonRow>{},
                                answer.digits);
    certifiedShown = asked;
    markFindings(result);
}

std::vector<ComparisonRow> AnalysisScreen::comparedWithList(const core::Certified& result, double precision) const {
    std::vector<ListedRoot> listed;
    for (int row = 0; row < 解リスト->count(); ++row) listed.push_back({解リスト->text(row), 解リスト->listedValue(row)});
    const core::Range range{readNumber(lastAutomatic->start), readNumber(lastAutomatic->end)};
    return listComparison(result, range, precision, listed);
}

// The findings along the x axis of the graph on the picture (at its edge
// when the axis is out of view); nothing without a graph. They are made
// again from the view whenever it changes, so they stay on their x.
void AnalysisScreen::markFindings(const core::Certified& result) {
    if (図->strokes().empty() || !kalvex.hasGraph()) return;
    // F that is 0 everywhere: one root along the whole range.
    std::optional<std::pair<double, double>> everywhere;
    if (result.zeroEverywhere && certifiedShown)
        everywhere = {readNumber(certifiedShown->start), readNumber(certifiedShown->end)};
    図->setOverlaySource([box = 図, findings = result.findings, everywhere] {
        const int axis = std::clamp(static_cast<int>(std::lround(std::clamp(box->toPixels(0, 0).y(), -1e6, 1e6))),
                                    markSize + 1, box->height() - markSize - 2);
        auto pixel = [box](double x) {
            return static_cast<int>(std::lround(std::clamp(box->toPixels(x, 0).x(), -10.0, box->width() + 10.0)));
        };
        std::vector<Stroke> marks;
        if (everywhere) bar(marks, pixel(everywhere->first), pixel(everywhere->second), axis, markColours::root);
        for (const core::Finding& g : findings) {
            const int from = pixel(g.lo), to = pixel(g.hi);
            switch (g.kind) {
                case core::Finding::root: triangle(marks, pixel(core::rootValue(g)), axis, markColours::root); break;
                case core::Finding::multiple:
                    // A block wider than a mark is drawn across its extent.
                    if (std::abs(to - from) > 2 * markSize) bar(marks, from, to, axis, markColours::multiple);
                    else triangle(marks, pixel(core::rootValue(g)), axis, markColours::multiple);
                    break;
                case core::Finding::pole: cross(marks, from, axis, markColours::pole); break;
                case core::Finding::unresolved: bar(marks, from, to, axis, markColours::unresolved); break;
                case core::Finding::undefined: bar(marks, from, to, axis, markColours::undefined); break;
            }
        }
        return marks;
    });
}

void AnalysisScreen::waitForCertified() { certifiedRun->wait(); }
