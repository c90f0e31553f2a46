// SPDX-License-Identifier: GPL-3.0-or-later
// Random term tables, ranges, precisions and tick steps through the scan,
// the plot and the refinement: every run ends, without a crash, a hang or
// a sanitizer report, and nothing is drawn with coordinates it should not.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "core.h"
#include "kalvex.h"
#include "numbertext.h"
#include "recording.h"
#include "kalvexprobe.h"
#include "fuzzbytes.h"

namespace {

class Input : public FuzzBytes {
public:
    using FuzzBytes::FuzzBytes;
    // A double that is often a plain small number, sometimes anything.
    double number() {
        const std::uint8_t kind = take<std::uint8_t>();
        if (kind % 4 == 0) return take<double>();
        return static_cast<double>(take<std::int16_t>()) / (1 << (kind % 8));
    }
    float single() { return static_cast<float>(take<std::int8_t>()) / 4.0f; }
};

// The result list: every entry must be a number the program wrote.
class CheckingList : public RootList {
public:
    void clearAndShow() override { entries = 0; }
    void append(const std::vector<double>& values, double precision) override {
        for (double v : values) {
            const std::string text = core::listText(v, precision);
            if (text.find_first_not_of("0123456789.-+E") != std::string::npos) std::abort();
        }
        entries += static_cast<long>(values.size());
    }
    long entries = 0;
};

class CountingSink : public MessageSink {
public:
    void showMessage(const std::string&) override { ++count; }
    long count = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    Kalvex k;
    CountingSink sink;
    RecordingScreenHost host;
    RecordingCanvas canvas;
    k.attach(&sink, &host, &canvas);

    state(k).termCount = static_cast<std::int16_t>(in.take<std::uint8_t>() % (Kalvex::maxTerms + 1));
    for (int i = 1; i <= state(k).termCount; ++i) {
        state(k).shape[i] = static_cast<std::int16_t>(in.take<std::uint8_t>() % 9);
        state(k).coefA[i] = in.single();
        state(k).coefB[i] = in.single();
        state(k).expN[i] = in.single();
        state(k).baseM[i] = in.single();
        state(k).offsetC[i] = in.single();
        state(k).constK[i] = in.single();
    }
    state(k).gridX = in.take<std::uint8_t>() & 1;
    state(k).gridY = in.take<std::uint8_t>() & 1;
    state(k).rangeStart = in.number();
    state(k).rangeEnd = in.number();
    state(k).precision = std::fabs(in.number());

    KalvexProbe::scanRange(k);

    // Tick steps as the tick settings screen would accept them.
    const double tickX = in.number(), tickY = in.number();
    if (tickX > 0 && std::isfinite(tickX) && tickY > 0 && std::isfinite(tickY)) {
        state(k).tickX = tickX;
        state(k).tickY = tickY;
        state(k).evalFailed = 0;
        k.plotGraph();
    }

    // The manual root of a drag to the left and down, as the mouse gives it.
    if (state(k).precision >= 1e-300 && std::isfinite(state(k).precision)) {
        const float pressX = in.single(), pressY = in.single(), releaseX = in.single(), releaseY = in.single();
        state(k).evalFailed = 0;
        k.pressGraph(pressX, pressY);
        if (k.releaseGraph(releaseX, releaseY).kind == Drag::root) {
            const double before = state(k).rootEstimate;
            const std::optional<double> root = k.manualRoot();
            // A refinement that failed leaves the last root as it was.
            if (state(k).evalFailed == 1 && state(k).rootEstimate != before) std::abort();
            if (root && *root != state(k).rootEstimate) std::abort();
        }
    }

    // The automatic analysis, from the texts of the boxes as a user types them.
    CheckingList list;
    const double precisionBefore = state(k).precision;
    state(k).evalFailed = 0;
    k.automaticAnalysis(generalNumberText(in.number()), generalNumberText(in.number()),
                        generalNumberText(in.number()), list);
    // A refused precision is never stored.
    const bool unchanged = std::memcmp(&state(k).precision, &precisionBefore, sizeof precisionBefore) == 0;
    if (!unchanged && !core::usablePrecision(state(k).precision)) std::abort();
    return 0;
}
