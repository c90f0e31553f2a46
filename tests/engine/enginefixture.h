// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <charconv>
#include <string>
#include <vector>

#include "kalvex.h"
#include "messages.h"
#include "numbertext.h"
#include "recording.h"

// A fresh module with recording platform parts.
class EngineTest : public ::testing::Test {
protected:
    EngineTest() { k.attach(&sink, &host, &canvas); }

    struct Term {
        int shape;
        float a = 0, b = 0, n = 0, m = 0, c = 0, k = 0;
    };
    // Appends the term as 追加 would store it.
    void add(const Term& t) {
        ::Term term{Shape::power, t.a, t.b, t.n, t.m, t.c, t.k, {}};
        EXPECT_TRUE(shapeOf(t.shape, term.shape)) << "shape " << t.shape;
        std::vector<::Term> all = k.terms();
        all.push_back(term);
        k.replaceTerms(all);
    }
    static Term power(float b, float n) { return {1, 0, b, n}; }
    static Term constant(float value) { return {7, 0, 0, 0, 0, 0, value}; }
    static Term log(float a, float b, float n, float c) { return {4, a, b, n, 0, c}; }

    // F(x), its failures shown and flagged.
    double at(double x) { return k.pointValue(x, PointRule::calculationScreen).value; }
    // グラフ over [start, end], typed as the shortest texts that read back exactly.
    void scan(double start, double end) {
        const std::string from = exactText(start), to = exactText(end);
        plotted = k.graph(from, to, "").plot;
    }
    static std::string exactText(double v) {
        char text[32];
        const auto written = std::to_chars(text, text + sizeof text, v);
        std::string typed(text, written.ptr);
        EXPECT_EQ(readNumber(typed), v) << typed;
        return typed;
    }
    PlotEnd plotted = PlotEnd::refused;  // by the last scan

    Kalvex k;
    RecordingMessageSink sink;
    RecordingScreenHost host;
    RecordingCanvas canvas;
};
