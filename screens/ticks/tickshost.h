// SPDX-License-Identifier: GPL-3.0-or-later
// What the tick settings screen asks of the screen that shows the graph.
#pragma once

class TicksHost {
public:
    virtual ~TicksHost() = default;
    // Clears the picture and shows the tick labels of the axes whose grid is on.
    virtual void showTickLabels(bool x, bool y) = 0;
    // A completed plot: the analysis screen shown, if hidden, without coming to the front.
    virtual void showGraph() = 0;
};
