// SPDX-License-Identifier: GPL-3.0-or-later
// The graph as the analysis screen shows it — grid, frame, axes, curve and
// the labels in view — written out as a PNG (at the picture's size, or
// twice it for print) or as an SVG of vector lines and real text.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class PictureBox;

enum class PictureFormat { png, pngDouble, svg };

// The picture at its own size is exactly what is on the screen; twice the
// size draws the same strokes and labels again, sharper.
// The marks laid over the graph go along only when `withMarks` asks.
QImage pictureImage(PictureBox& box, int scale, bool withMarks = false);
QByteArray pictureSvg(PictureBox& box, bool withMarks = false);

// The bytes of the picture file in the format.
QByteArray pictureBytes(PictureBox& box, PictureFormat format, bool withMarks = false);

// The format a path's extension asks for (png unless it ends in .svg).
PictureFormat formatOf(const QString& path, bool doubleSize);
