// SPDX-License-Identifier: GPL-3.0-or-later
// Platform implementations that record instead of showing or drawing.
#pragma once

#include <string>
#include <vector>

#include "displaylist.h"
#include "platform.h"

class RecordingMessageSink : public MessageSink {
public:
    void showMessage(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

class RecordingScreenHost : public ScreenHost {
public:
    void showSettingScreen() override { ++settingShows; }
    void endProgram() override { ++endRequests; }
    int settingShows = 0;
    int endRequests = 0;
};

class RecordingCanvas : public Canvas {
public:
    void clear() override { ops.push_back({DrawOp::Clear, 0, 0, 0, 0, {}}); }
    void setScale(float left, float top, float right, float bottom) override {
        ops.push_back({DrawOp::Scale, left, top, right, bottom, {}});
    }
    void line(float x1, float y1, float x2, float y2, Ink ink) override {
        ops.push_back({DrawOp::Line, x1, y1, x2, y2, ink});
    }
    void rectangle(float x1, float y1, float x2, float y2, Ink ink) override {
        ops.push_back({DrawOp::Rectangle, x1, y1, x2, y2, ink});
    }
    void filledRectangle(float x1, float y1, float x2, float y2, Ink ink) override {
        ops.push_back({DrawOp::FilledRectangle, x1, y1, x2, y2, ink});
    }
    void point(float x, float y, Ink ink) override { ops.push_back({DrawOp::Point, x, y, x, y, ink}); }
    int pixelWidth() override { return width; }
    int pixelHeight() override { return height; }

    // The operations of one kind, and those of one kind in one colour.
    std::vector<DrawOp> of(DrawOp::Kind kind) const;
    std::vector<DrawOp> of(DrawOp::Kind kind, Ink ink) const;

    DisplayList ops;
    // The analysis screen's picture at 96 dots an inch.
    int width = 942, height = 565;
};
