// What one evaluation of a full F costs, against the bare term functions,
// and what a scan with its plot costs.
#include <benchmark/benchmark.h>

#include "kalvex.h"
#include "mixedterms.h"
#include "recording.h"
#include "terms.h"

namespace {


void evaluateFTwentyTerms(benchmark::State& state) {
    Kalvex k;
    fillMixed(k);
    double x = 0.5;
    for (auto _ : state) {
        k.evalX = x;
        k.evaluateF();
        benchmark::DoNotOptimize(k.evalSum);
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
    k.gridX = "v";
    k.gridY = "v";
    for (auto _ : state) {
        canvas.ops.clear();
        k.rangeStart = 0.5;
        k.rangeEnd = 3;
        k.evalFailed = 0;
        k.scanRange();
        benchmark::DoNotOptimize(canvas.ops.size());
    }
}
BENCHMARK(scanAndPlotTwentyTerms);

}  // namespace
