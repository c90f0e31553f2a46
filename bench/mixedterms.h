// SPDX-License-Identifier: GPL-3.0-or-later
// The F that every benchmark measures.
#pragma once

#include <cstdint>

#include "kalvex.h"
#include "kalvexprobe.h"

// Twenty terms of every shape, computable on 0.5 .. 3, with three roots there.
inline void fillMixed(Kalvex& k) {
    KalvexProbe::state(k).termCount = 20;
    for (int i = 1; i <= 20; ++i) {
        KalvexProbe::state(k).shape[i] = static_cast<std::int16_t>((i - 1) % 7 + 1);
        KalvexProbe::state(k).coefA[i] = 0.5f;
        KalvexProbe::state(k).coefB[i] = 1.25f;
        KalvexProbe::state(k).expN[i] = static_cast<float>(i % 3 + 1);
        KalvexProbe::state(k).baseM[i] = 2.0f;
        KalvexProbe::state(k).offsetC[i] = 0.75f;
        KalvexProbe::state(k).constK[i] = -1.5f;
    }
    KalvexProbe::state(k).coefB[5] = 6;  // sin(6x + c): oscillates across the range
    KalvexProbe::state(k).coefA[5] = 40;
    KalvexProbe::state(k).constK[7] = -60;
}
