// The three seams through which the engine reaches the screens. The Qt side
// implements them; tests replace any one of them alone.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Colour&, const Colour&) = default;
};

namespace colours {
inline constexpr Colour grid{255, 255, 0};
inline constexpr Colour frame{0, 0, 200};
inline constexpr Colour axes{255, 0, 0};
inline constexpr Colour white{255, 255, 255};
}  // namespace colours

// No colour means the picture box's foreground colour.
using Ink = std::optional<Colour>;

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
    virtual void showAnalysisScreen() = 0;
    // Ends the process at once, without closing handlers.
    virtual void endProgram() = 0;
};

// One drawing operation of a picture, in user units as 32-bit floats.
struct DrawOp {
    enum Kind { Clear, Scale, Line, Rectangle, FilledRectangle, Point };
    Kind kind;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // a Scale's left, top, right, bottom
    Ink ink;
    friend bool operator==(const DrawOp&, const DrawOp&) = default;
};

using DisplayList = std::vector<DrawOp>;

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
