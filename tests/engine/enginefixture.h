#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kalvex.h"
#include "messages.h"
#include "recording.h"
#include "kalvexprobe.h"

// A fresh module with recording platform parts.
class EngineTest : public ::testing::Test {
protected:
    EngineTest() { k.attach(&sink, &host, &canvas); }

    struct Term {
        int shape;
        float a = 0, b = 0, n = 0, m = 0, c = 0, k = 0;
    };
    void add(const Term& t) {
        const int s = ++state(k).termCount;
        state(k).shape[s] = static_cast<std::int16_t>(t.shape);
        state(k).coefA[s] = t.a;
        state(k).coefB[s] = t.b;
        state(k).expN[s] = t.n;
        state(k).baseM[s] = t.m;
        state(k).offsetC[s] = t.c;
        state(k).constK[s] = t.k;
    }
    static Term power(float b, float n) { return {1, 0, b, n}; }
    static Term constant(float value) { return {7, 0, 0, 0, 0, 0, value}; }
    static Term log(float a, float b, float n, float c) { return {4, a, b, n, 0, c}; }

    double at(double x) {
        state(k).evalX = x;
        KalvexProbe::evaluateF(k);
        return state(k).evalSum;
    }
    // A scan over [start, end] as the graph command does it.
    void scan(double start, double end) {
        state(k).rangeStart = start;
        state(k).rangeEnd = end;
        state(k).evalFailed = 0;
        plotted = KalvexProbe::scanRange(k);
    }
    PlotEnd plotted = PlotEnd::refused;  // by the last scan

    Kalvex k;
    RecordingMessageSink sink;
    RecordingScreenHost host;
    RecordingCanvas canvas;
};
