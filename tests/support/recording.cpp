// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording.h"

std::vector<DrawOp> RecordingCanvas::of(DrawOp::Kind kind) const {
    std::vector<DrawOp> found;
    for (const DrawOp& op : ops) {
        if (op.kind == kind) found.push_back(op);
    }
    return found;
}

std::vector<DrawOp> RecordingCanvas::of(DrawOp::Kind kind, Ink ink) const {
    std::vector<DrawOp> found;
    for (const DrawOp& op : ops) {
        if (op.kind == kind && op.ink == ink) found.push_back(op);
    }
    return found;
}
