// The curve of a view moved by a gesture: F sampled across the picture's
// own edges at its pixel width, so a deep zoom still draws F itself rather
// than a chord between the range's sweep steps.
#pragma once

#include "core.h"

namespace core {

// Samples F from `edges.left` to `edges.right`, one sample a pixel across
// `pixelWidth` pixels, into p.sampleX and p.sampleY; a point where F has no
// value is kept as NaN, a gap in the curve, without a message. False when a
// failure left from before stops the plot (its message said) or the step
// cannot advance x any further (the samples taken so far stay).
bool sampleAcross(const Formula& f, const Edges& edges, int pixelWidth, TermValues& values, Plot& p);

// The lines through the samples, skipping gaps and cut to the picture's
// height and as much again above and below, so that a value far beyond the
// picture neither overflows the floats it is drawn in nor bends the part
// that shows.
void drawAcross(const Edges& edges, Plot& p);

}  // namespace core
