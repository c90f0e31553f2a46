// The module's private state, for tests that set it up by hand or check
// what a procedure wrote: the program itself reaches it only through the
// module's procedures.
#pragma once

#include "kalvex.h"

class KalvexProbe {
public:
    static KalvexState& state(Kalvex& k) { return k; }
    static const KalvexState& state(const Kalvex& k) { return k; }
    // What the term functions do on a failure: the message, the flag.
    static double fail(Kalvex& k, const char* message) { return k.failTerm(message); }
};

inline KalvexState& state(Kalvex& k) { return KalvexProbe::state(k); }
inline const KalvexState& state(const Kalvex& k) { return KalvexProbe::state(k); }
