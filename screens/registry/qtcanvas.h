// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform.h"

class ScreenRegistry;
class PictureBox;

// The engine's canvas is the analysis screen's picture box 図, found anew
// for every operation (the screen is created if it is not open).
class QtCanvas : public Canvas {
public:
    explicit QtCanvas(ScreenRegistry& registry) : registry(registry) {}

    void clear() override;
    void setScale(float left, float top, float right, float bottom) override;
    void line(float x1, float y1, float x2, float y2, Ink ink) override;
    void rectangle(float x1, float y1, float x2, float y2, Ink ink) override;
    void filledRectangle(float x1, float y1, float x2, float y2, Ink ink) override;
    void point(float x, float y, Ink ink) override;
    int pixelWidth() override;
    int pixelHeight() override;
    void paint(const DisplayList& ops) override;

private:
    PictureBox& box();
    ScreenRegistry& registry;
};
