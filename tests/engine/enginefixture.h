#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kalvex.h"
#include "messages.h"
#include "recording.h"

// A fresh module with recording platform parts.
class EngineTest : public ::testing::Test {
protected:
    EngineTest() { k.attach(&sink, &host, &canvas); }

    struct Term {
        int shape;
        float a = 0, b = 0, n = 0, m = 0, c = 0, k = 0;
    };
    void add(const Term& t) {
        const int s = ++k.termCount;
        k.shape[s] = static_cast<std::int16_t>(t.shape);
        k.coefA[s] = t.a;
        k.coefB[s] = t.b;
        k.expN[s] = t.n;
        k.baseM[s] = t.m;
        k.offsetC[s] = t.c;
        k.constK[s] = t.k;
    }
    static Term power(float b, float n) { return {1, 0, b, n}; }
    static Term constant(float value) { return {7, 0, 0, 0, 0, 0, value}; }
    static Term log(float a, float b, float n, float c) { return {4, a, b, n, 0, c}; }

    double at(double x) {
        k.evalX = x;
        k.evaluateF();
        return k.evalSum;
    }
    // A scan over [start, end] as the graph command does it.
    void scan(double start, double end) {
        k.rangeStart = start;
        k.rangeEnd = end;
        k.evalFailed = 0;
        k.scanRange();
    }

    Kalvex k;
    RecordingMessageSink sink;
    RecordingScreenHost host;
    RecordingCanvas canvas;
};
