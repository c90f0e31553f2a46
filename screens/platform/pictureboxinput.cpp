// SPDX-License-Identifier: GPL-3.0-or-later
// The picture box's input: the designed mouse events as 32-bit floats in
// user units, and the added gestures (wheel, middle-button pan, keys, the
// mouse's side buttons) in doubles.
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <utility>

#include "numbertext.h"
#include "picturebox.h"

// A mouse position is a pair of 32-bit floats. Beyond their range (a view
// spanning 1E+300) it is the largest float of that sign, not an infinity
// that would reach a readout or a zoomed view.
std::pair<float, float> PictureBox::userPoint(QPointF pixels) const {
    const QPointF at = toUser(pixels);
    auto single = [](double v) {
        if (std::isnan(v)) return 0.0f;
        return toSingle(std::clamp(v, -double(FLT_MAX), double(FLT_MAX)));
    };
    return {single(at.x()), single(at.y())};
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    switch (event->button()) {
        case Qt::MiddleButton:
            panFrom = event->position();
            panMoved = false;
            return;
        case Qt::BackButton: emit backAsked(); return;
        case Qt::ForwardButton: emit forwardAsked(); return;
        default: break;
    }
    const auto [x, y] = userPoint(event->position());
    emit pressed(x, y);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    if (panFrom && (event->buttons() & Qt::MiddleButton)) {
        // The view moves against the mouse, so the curve follows it.
        const QPointF step = event->position() - *panFrom;
        panFrom = event->position();
        if (pixelScale || width() == 0 || height() == 0 || step.isNull()) return;
        emit panAsked(-step.x() * (scaleRight - scaleLeft) / width(),
                      -step.y() * (scaleBottom - scaleTop) / height(), std::exchange(panMoved, true));
        return;
    }
    const auto [x, y] = userPoint(event->position());
    emit moved(x, y);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    switch (event->button()) {
        case Qt::MiddleButton: panFrom.reset(); return;
        case Qt::BackButton:
        case Qt::ForwardButton: return;
        default: break;
    }
    const auto [x, y] = userPoint(event->position());
    emit released(x, y);
}

// The second press of a double click is no press: its release alone
// arrives, and repeats the last drag's action. The added buttons count
// every press: two quick clicks of Back go back twice.
void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    const Qt::MouseButton button = event->button();
    if (button == Qt::MiddleButton || button == Qt::BackButton || button == Qt::ForwardButton)
        mousePressEvent(event);
}

void PictureBox::wheelEvent(QWheelEvent* event) {
    // A notch is 120 eighths of a degree; a touchpad sends fractions of one,
    // which multiply up to the same zoom as whole notches.
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        event->ignore();
        return;
    }
    const QPointF at = toUser(event->position());
    emit zoomAsked(at.x(), at.y(), std::pow(zoomPerNotch, delta / 120.0));
    event->accept();
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers held = event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (held != Qt::NoModifier || pixelScale) {
        QWidget::keyPressEvent(event);
        return;
    }
    const QPointF centre = toUser(QPointF(width() / 2.0, height() / 2.0));
    const double tenthX = (scaleRight - scaleLeft) / 10, tenthY = (scaleTop - scaleBottom) / 10;
    switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal: emit zoomAsked(centre.x(), centre.y(), zoomPerNotch); break;
        case Qt::Key_Minus: emit zoomAsked(centre.x(), centre.y(), 1 / zoomPerNotch); break;
        case Qt::Key_Left: emit panAsked(-tenthX, 0, false); break;
        case Qt::Key_Right: emit panAsked(tenthX, 0, false); break;
        case Qt::Key_Up: emit panAsked(0, tenthY, false); break;
        case Qt::Key_Down: emit panAsked(0, -tenthY, false); break;
        default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}
