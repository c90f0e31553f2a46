// SPDX-License-Identifier: GPL-3.0-or-later
// What one evaluation of a full F costs, against the bare term functions,
// what a scan with its plot costs, and what reading F typed as one line costs.
#include <benchmark/benchmark.h>

#include <chrono>

#include "core.h"
#include "formula.h"
#include "kalvex.h"
#include "mixedterms.h"
#include "recording.h"
#include "terms.h"
#include "kalvexprobe.h"

namespace {


void evaluateFTwentyTerms(benchmark::State& state) {
    Kalvex k;
    fillMixed(k);
    double x = 0.5;
    for (auto _ : state) {
        KalvexProbe::state(k).evalX = x;
        KalvexProbe::evaluateF(k);
        benchmark::DoNotOptimize(KalvexProbe::state(k).evalSum);
        x = x < 3 ? x + 0.001 : 0.5;
    }
}
BENCHMARK(evaluateFTwentyTerms);

void bareTermFunctionsTwentyTerms(benchmark::State& state) {
    Kalvex k;
    fillMixed(k);
    double x = 0.5;
    for (auto _ : state) {
        double sum = 0;
        for (int i = 1; i <= 20; ++i) {
            double value = 0;
            termValueAt(k, i, x, value);
            sum += value;
        }
        benchmark::DoNotOptimize(sum);
        x = x < 3 ? x + 0.001 : 0.5;
    }
}
BENCHMARK(bareTermFunctionsTwentyTerms);

void scanAndPlotTwentyTerms(benchmark::State& state) {
    Kalvex k;
    fillMixed(k);
    RecordingMessageSink sink;
    RecordingScreenHost host;
    RecordingCanvas canvas;
    k.attach(&sink, &host, &canvas);
    KalvexProbe::state(k).gridX = true;
    KalvexProbe::state(k).gridY = true;
    for (auto _ : state) {
        canvas.ops.clear();
        KalvexProbe::state(k).rangeStart = 0.5;
        KalvexProbe::state(k).rangeEnd = 3;
        KalvexProbe::state(k).evalFailed = 0;
        KalvexProbe::scanRange(k);
        benchmark::DoNotOptimize(canvas.ops.size());
    }
}
BENCHMARK(scanAndPlotTwentyTerms);

// The line 式をコピー gives for the twenty mixed terms, read back as the
// dialog reads it on every key.
void readTwentyTermLine(benchmark::State& state) {
    Kalvex k;
    fillMixed(k);
    const std::string line = writeFormula(k.terms());
    for (auto _ : state) {
        const FormulaRead read = readFormula(line);
        benchmark::DoNotOptimize(read.terms.size());
    }
    state.counters["characters"] = static_cast<double>(line.size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * line.size()));
}
BENCHMARK(readTwentyTermLine)->Unit(benchmark::kMicrosecond);

// The whole automatic analysis through the core, against the same number of
// bare evaluations of F: the counter ratio is the analysis's cost in units
// of its evaluations.
void coreAnalysisTwentyTerms(benchmark::State& state) {
    Kalvex k;
    fillMixed(k);
    const core::Formula f = k.formula();
    core::TermValues values{};
    core::AnalysisInput in;
    in.startText = "0.5";
    in.endText = "3";
    in.precisionText = "1E-07";
    in.view.pixelWidth = 942;
    in.view.pixelHeight = 565;
    long evaluations = 0;
    std::chrono::steady_clock::duration analysing{};
    for (auto _ : state) {
        const auto began = std::chrono::steady_clock::now();
        const core::Analysis a = core::analyse(f, in, values);
        const std::vector<std::string> texts = a.texts();
        analysing += std::chrono::steady_clock::now() - began;
        evaluations = a.trace.evaluations + a.scan->trace.evaluations + a.plot->trace.evaluations;
        benchmark::DoNotOptimize(texts.size());
    }
    const auto began = std::chrono::steady_clock::now();
    double x = 0.5, sum = 0;
    for (long i = 0; i < evaluations * 20; ++i) {
        sum += core::evaluate(f, x, values).sum;
        x = x < 3 ? x + 0.0001 : 0.5;
    }
    benchmark::DoNotOptimize(sum);
    const double perEvaluation =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count() / (evaluations * 20.0);
    const double perAnalysis = std::chrono::duration<double>(analysing).count() / state.iterations();
    state.counters["evaluations"] = static_cast<double>(evaluations);
    state.counters["ratio"] = perAnalysis / (perEvaluation * evaluations);
}
BENCHMARK(coreAnalysisTwentyTerms)->Unit(benchmark::kMillisecond);

}  // namespace
