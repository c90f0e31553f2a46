// SPDX-License-Identifier: GPL-3.0-or-later
// Looking at what the picture box drew, as pixels.
#pragma once

#include <QColor>
#include <QImage>
#include <cmath>

#include "picturebox.h"

// Whether the colour lies within a pixel of the user point.
inline bool colourNear(PictureBox& box, double x, double y, const QColor& colour) {
    const QImage image = box.picture();
    const QPointF at = box.toPixels(x, y);
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            const QPoint p(int(std::lround(at.x())) + dx, int(std::lround(at.y())) + dy);
            if (image.valid(p) && image.pixelColor(p) == colour) return true;
        }
    }
    return false;
}

inline bool colourAnywhere(PictureBox& box, const QColor& colour) {
    const QImage image = box.picture();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour) return true;
        }
    }
    return false;
}
