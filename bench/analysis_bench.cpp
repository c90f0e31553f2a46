// SPDX-License-Identifier: GPL-3.0-or-later
// The automatic analysis end to end, as the user's click runs it: scan and
// plot, both passes, the refinements, the list filling and the repaint of
// the screen, under the offscreen platform. The counter ratio is the
// window's time over the engine's own analysis of the same input, which
// evaluates F at exactly the x values the window's analysis visits (an
// evaluation priced at other x costs differently: pow's time depends on
// its arguments). Then one wheel step over the graph at 1920 × 1080: the
// re-plot and the repaint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWheelEvent>
#include <cstdlib>
#include <ctime>
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
#include "picturebox.h"

namespace {

// This thread's processor time: on a machine shared with other work, wall
// time would price the others' load into whichever side ran under it.
double threadNanoseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_nsec);
}


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

// Nanoseconds per analysis by the engine alone, on the same input: the
// same scan, plot, passes and refinements, so the same x values.
double engineNanoseconds(const Kalvex& k, const char* start, const char* end, const char* precision,
                         QSize pixels, long runs) {
    core::AnalysisInput in;
    in.startText = start;
    in.endText = end;
    in.precisionText = precision;
    in.view.pixelWidth = pixels.width();
    in.view.pixelHeight = pixels.height();
    const core::Formula f = k.formula();
    const double began = threadNanoseconds();
    for (long i = 0; i < runs; ++i) {
        core::TermValues values{};
        benchmark::DoNotOptimize(core::analyse(f, in, values));
    }
    return (threadNanoseconds() - began) / static_cast<double>(runs);
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

// A control of the screen by its designed object name, found before any timing.
template <class T>
T& control(AnalysisScreen& screen, const char* name) {
    T* found = screen.findChild<T*>(QString::fromUtf8(name));
    if (!found) std::abort();
    return *found;
}

void runAnalysis(benchmark::State& state, void (*fill)(Kalvex&), const char* start, const char* end,
                 const char* precision) {
    Kalvex k;
    RecordingMessageSink messages;
    ScreenRegistry registry(k);
    QtCanvas canvas(registry);
    k.attach(&messages, &registry, &canvas);
    fill(k);

    AnalysisScreen& screen = registry.analysis();
    ScreenRegistry::present(screen);
    control<QLineEdit>(screen, "変域(0)").setText(start);
    control<QLineEdit>(screen, "変域(1)").setText(end);
    control<QComboBox>(screen, "精度コンボ").setEditText(precision);
    QPushButton& analyse = control<QPushButton>(screen, "解析");
    QApplication::processEvents();

    // The engine's run alternates with the window's, so both meet the same
    // state of the machine.
    double window = 0, engine = 0;
    for (auto _ : state) {
        const double began = threadNanoseconds();
        analyse.click();
        screen.repaint();  // graph and list painted before the click returns to the user
        window += threadNanoseconds() - began;
        state.PauseTiming();
        engine += engineNanoseconds(k, start, end, precision, screen.picture().size(), 1);
        state.ResumeTiming();
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["evaluations"] = evaluationsPerAnalysis(k, start, end, precision);
    state.counters["entries"] = control<ResultList>(screen, "解リスト").count();
    state.counters["window_ms"] = window / runs / 1e6;
    state.counters["engine_ms"] = engine / runs / 1e6;
    state.counters["ratio"] = window / engine;
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

// One wheel notch over the graph of the twenty-term F, the picture at
// 1920 × 1080: the zoom's re-plot and the repaint, notch in and notch out.
void wheelStepAtFullHd(benchmark::State& state) {
    Kalvex k;
    RecordingMessageSink messages;
    ScreenRegistry registry(k);
    QtCanvas canvas(registry);
    k.attach(&messages, &registry, &canvas);
    fillMixed(k);
    AnalysisScreen& screen = registry.analysis();
    ScreenRegistry::present(screen);
    PictureBox& picture = screen.picture();
    screen.resize(screen.size() + QSize(1920, 1080) - picture.size());
    QApplication::processEvents();
    control<QLineEdit>(screen, "変域(0)").setText("0.5");
    control<QLineEdit>(screen, "変域(1)").setText("3");
    control<QPushButton>(screen, "グラフ").click();
    QApplication::processEvents();
    const QPointF centre(picture.width() / 2.0, picture.height() / 2.0);
    int notch = 120;
    for (auto _ : state) {
        QWheelEvent wheel(centre, picture.mapToGlobal(centre), QPoint(), QPoint(0, notch), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&picture, &wheel);
        picture.repaint();
        notch = -notch;
    }
    state.counters["width"] = picture.width();
    state.counters["height"] = picture.height();
    if (!messages.shown.empty()) state.SkipWithError(messages.shown.front().c_str());
}
BENCHMARK(wheelStepAtFullHd)->Unit(benchmark::kMillisecond);

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
