// The automatic analysis end to end, as the user's click runs it: scan and
// plot, both passes, the refinements, the list filling and the repaint of
// the screen, under the offscreen platform. The counter outside_share is
// the part of the time not spent in evaluations of F, at the cost per
// evaluation measured here for the same F.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <chrono>
#include <clocale>

#include "analysisscreen.h"
#include "resultlist.h"
#include "core.h"
#include "kalvex.h"
#include "look.h"
#include "qtcanvas.h"
#include "screenregistry.h"
#include "mixedterms.h"
#include "recording.h"
#include "kalvexprobe.h"

namespace {


// Twenty terms whose sum stays within 0.1 of 0 on 0 .. 1: every fine
// point is listed, ten thousand entries.
void fillFlat(Kalvex& k) {
    KalvexProbe::state(k).termCount = 20;
    for (int i = 1; i <= 20; ++i) {
        KalvexProbe::state(k).shape[i] = 1;
        KalvexProbe::state(k).coefB[i] = 1e-4f;
        KalvexProbe::state(k).expN[i] = static_cast<float>(i % 3 + 1);
    }
}

// Nanoseconds per evaluation of F through the core, as the analysis evaluates it.
double nanosecondsPerEvaluation(Kalvex& k) {
    constexpr int count = 200000;
    const core::Formula f = k.formula();
    core::TermValues values{};
    const auto began = std::chrono::steady_clock::now();
    double x = 0.5, sum = 0;
    for (int i = 0; i < count; ++i) {
        sum += core::evaluate(f, x, values).sum;
        x = x < 3 ? x + 0.0001 : 0.5;
    }
    benchmark::DoNotOptimize(sum);
    return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - began).count() / count;
}

// Evaluations of F that one analysis makes, counted by the core on the same
// input: the scan, the plot and the passes.
double evaluationsPerAnalysis(const Kalvex& k, const char* start, const char* end, const char* precision) {
    core::AnalysisInput in;
    in.startText = start;
    in.endText = end;
    in.precisionText = precision;
    core::TermValues values{};
    const core::Analysis a = core::analyse(k.formula(), in, values);
    long n = a.trace.evaluations;
    if (a.scan) n += a.scan->trace.evaluations;
    if (a.plot) n += a.plot->trace.evaluations;
    return static_cast<double>(n);
}

void runAnalysis(benchmark::State& state, void (*fill)(Kalvex&), const char* start, const char* end,
                 const char* precision) {
    Kalvex k;
    RecordingMessageSink messages;
    ScreenRegistry registry(k);
    QtCanvas canvas(registry);
    k.attach(&messages, &registry, &canvas);
    fill(k);
    const double perEvaluation = nanosecondsPerEvaluation(k);

    AnalysisScreen& screen = registry.analysis();
    ScreenRegistry::present(screen);
    screen.変域[0]->setText(start);
    screen.変域[1]->setText(end);
    screen.精度コンボ->setEditText(precision);
    QApplication::processEvents();

    const auto began = std::chrono::steady_clock::now();
    for (auto _ : state) {
        screen.解析->click();
        screen.repaint();  // graph and list painted before the click returns to the user
    }
    const double elapsed =
        std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - began).count();
    const double perAnalysis = evaluationsPerAnalysis(k, start, end, precision);
    const double evaluations = perAnalysis * static_cast<double>(state.iterations());
    state.counters["evaluations"] = perAnalysis;
    state.counters["entries"] = screen.解リスト->count();
    state.counters["ns_per_evaluation"] = perEvaluation;
    state.counters["outside_share"] = 1 - evaluations * perEvaluation / elapsed;
    state.counters["ratio"] = elapsed / (evaluations * perEvaluation);
    if (!messages.shown.empty()) state.SkipWithError(messages.shown.front().c_str());
}

void automaticAnalysisTwentyTerms(benchmark::State& state) {
    runAnalysis(state, fillMixed, "0.5", "3", "1E-07");
}
BENCHMARK(automaticAnalysisTwentyTerms)->Unit(benchmark::kMillisecond);

void automaticAnalysisTenThousandEntries(benchmark::State& state) {
    runAnalysis(state, fillFlat, "0", "1", "0.1");
}
BENCHMARK(automaticAnalysisTenThousandEntries)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    // Measured without a display, as the screen tests run.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    installApplicationLook(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
