// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform.h"

void replay(const DisplayList& ops, Canvas& canvas) {
    for (const DrawOp& op : ops) {
        switch (op.kind) {
            case DrawOp::Clear: canvas.clear(); break;
            case DrawOp::Scale: canvas.setScale(op.x1, op.y1, op.x2, op.y2); break;
            case DrawOp::Line: canvas.line(op.x1, op.y1, op.x2, op.y2, op.ink); break;
            case DrawOp::Rectangle: canvas.rectangle(op.x1, op.y1, op.x2, op.y2, op.ink); break;
            case DrawOp::FilledRectangle: canvas.filledRectangle(op.x1, op.y1, op.x2, op.y2, op.ink); break;
            case DrawOp::Point: canvas.point(op.x1, op.y1, op.ink); break;
        }
    }
}

void Canvas::paint(const DisplayList& ops) { replay(ops, *this); }
