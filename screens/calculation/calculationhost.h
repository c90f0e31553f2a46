// SPDX-License-Identifier: GPL-3.0-or-later
// What the calculation screen asks of the screen that shows the graph.
#pragma once

#include <QString>

class CalculationHost {
public:
    virtual ~CalculationHost() = default;
    virtual void hidePointLabels() = 0;
    // A completed plot: the analysis screen shown, if hidden, without coming to the front.
    virtual void showGraph() = 0;
    // The point's labels at (x, 0) and (0, y) of the graph, shown.
    virtual void markPoint(float x, float y, const QString& xCaption, const QString& yCaption) = 0;
};
