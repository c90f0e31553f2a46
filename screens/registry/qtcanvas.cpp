// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtcanvas.h"

#include "analysisscreen.h"
#include "picturebox.h"
#include "screenregistry.h"

namespace {

QColor colourOf(const PictureBox& box, Ink ink) {
    return ink ? QColor(ink->red, ink->green, ink->blue) : box.foregroundColour();
}

}  // namespace

PictureBox& QtCanvas::box() { return registry.analysis().picture(); }

void QtCanvas::clear() { box().clear(); }

void QtCanvas::setScale(float left, float top, float right, float bottom) {
    box().setScale(left, top, right, bottom);
}

void QtCanvas::line(float x1, float y1, float x2, float y2, Ink ink) {
    PictureBox& b = box();
    b.drawLine(x1, y1, x2, y2, colourOf(b, ink));
}

void QtCanvas::rectangle(float x1, float y1, float x2, float y2, Ink ink) {
    PictureBox& b = box();
    b.drawRectangle(x1, y1, x2, y2, colourOf(b, ink));
}

void QtCanvas::filledRectangle(float x1, float y1, float x2, float y2, Ink ink) {
    PictureBox& b = box();
    b.fillRectangle(x1, y1, x2, y2, colourOf(b, ink));
}

void QtCanvas::point(float x, float y, Ink ink) {
    PictureBox& b = box();
    b.drawPoint(x, y, colourOf(b, ink));
}

int QtCanvas::pixelWidth() { return box().width(); }
int QtCanvas::pixelHeight() { return box().height(); }
void QtCanvas::paint(const DisplayList& ops) { box().paint(ops); }
