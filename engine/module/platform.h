// SPDX-License-Identifier: GPL-3.0-or-later
// The three seams through which the engine reaches the screens. The Qt side
// implements them; tests replace any one of them alone.
#pragma once

#include <string>

#include "displaylist.h"

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // A modal message box with one OK button; returns when it is acknowledged.
    virtual void showMessage(const std::string& text) = 0;
};

class ScreenHost {
public:
    virtual ~ScreenHost() = default;
    virtual void showSettingScreen() = 0;
    // Ends the process at once, without closing handlers.
    virtual void endProgram() = 0;
};

// The picture box of the analysis screen. Coordinates are user units as
// 32-bit floats; the scale puts (left, top) at the top-left corner and
// (right, bottom) at the bottom-right corner, so y grows upwards when
// top > bottom, and left > right (a reversed range) mirrors the picture.
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void clear() = 0;
    virtual void setScale(float left, float top, float right, float bottom) = 0;
    virtual void line(float x1, float y1, float x2, float y2, Ink ink) = 0;
    virtual void rectangle(float x1, float y1, float x2, float y2, Ink ink) = 0;
    virtual void filledRectangle(float x1, float y1, float x2, float y2, Ink ink) = 0;
    virtual void point(float x, float y, Ink ink) = 0;
    // The picture's size in pixels: lines closer than a pixel look like one.
    virtual int pixelWidth() = 0;
    virtual int pixelHeight() = 0;
    // A whole picture, operation by operation unless a canvas does better.
    virtual void paint(const DisplayList& ops);
};

// Hands every operation to the canvas, in order.
void replay(const DisplayList& ops, Canvas& canvas);
