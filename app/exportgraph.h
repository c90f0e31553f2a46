// SPDX-License-Identifier: GPL-3.0-or-later
// `Kalvex FILE --export OUT.png|OUT.svg [--size WxH]`: the graph that the
// analysis screen's グラフ draws for an equation file, written to a picture
// file without opening a window.
#pragma once

#include <string>
#include <vector>

#include "displaylist.h"

struct Equation;

struct GraphDrawing {
    enum End {
        noRange,  // both range texts empty: グラフ does nothing at all
        refused,  // no picture (messages say why, as far as the window says)
        stopped,  // drawn as far as the plot got, then stopped with messages
        drawn,    // the whole graph
    };
    End end = refused;
    DisplayList ops;                    // empty unless the plot drew
    std::vector<std::string> messages;  // in the order the window shows them
};

// What グラフ draws on a freshly opened analysis screen after the equation's
// terms were added, with its start and end texts in 変域(0) and 変域(1), on
// a picture box of the given size in pixels.
GraphDrawing graphOf(const Equation& equation, int pixelWidth, int pixelHeight);

// True when the command line asks for an export rather than the window.
bool asksForExport(int argc, char* argv[]);

// Runs the export: 0 when the picture was written, 1 when the file, its
// graph or the write failed, 2 for bad usage or a file without a range; the
// message on standard error.
// Makes its own QApplication.
int exportGraph(int argc, char* argv[]);
