// The F that every benchmark measures.
#pragma once

#include <cstdint>

#include "kalvex.h"

// Twenty terms of every shape, computable on 0.5 .. 3, with three roots there.
inline void fillMixed(Kalvex& k) {
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
    k.coefB[5] = 6;  // sin(6x + c): oscillates across the range
    k.coefA[5] = 40;
    k.constK[7] = -60;
}
