// What one evaluation of a full F costs, against the bare term functions,
// and what a scan with its plot costs.
#include <benchmark/benchmark.h>

#include "kalvex.h"
#include "recording.h"
#include "terms.h"

namespace {

// Twenty terms of every shape, all computable on 0.5 .. 3.
void fillMixed(Kalvex& k) {
    k.termCount = 20;
    for (int i = 1; i <= 20; ++i) {
        k.shape[i] = static_cast<std::int16_t>((i - 1) % 7 + 1);
        k.coefA[i] = 0.5f;
        k.coefB[i] = 1.25f;
        k.expN[i] = static_cast<float>(i % 3 + 1);
        k.baseM[i] = 2.0f;
        k.offsetC[i] = 0.75f;
        k.constK[i] = -1.5f;
    }
}

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
