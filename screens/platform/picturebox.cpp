#include "picturebox.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cfloat>
#include <cmath>

#include "numbertext.h"

namespace {

// Keeps a child's position within what QWidget::move can take; a label
// placed far outside the view simply stays out of sight.
constexpr double positionLimit = 1e6;

// Infinite float coordinates (an overflowed value) are drawn as the
// farthest finite ones, which clip to the edge of the view.
double tame(double v) { return std::isinf(v) ? std::copysign(double(FLT_MAX), v) : v; }

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    // Every move over the box is an event, button held or not: a release
    // lost to a message box leaves a drag under way that the mouse still leads.
    setMouseTracking(true);
}

QColor PictureBox::foregroundColour() const { return palette().color(QPalette::ButtonText); }
QColor PictureBox::backgroundColour() const { return palette().color(QPalette::Button); }

QImage& PictureBox::canvas() {
    // Sized lazily: a hidden widget gets no resize event, yet may be drawn on.
    const qreal ratio = devicePixelRatioF();
    const QSize wanted = size() * ratio;
    if (image.size() != wanted || image.devicePixelRatio() != ratio) {
        QImage fresh(wanted.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        fresh.setDevicePixelRatio(ratio);
        fresh.fill(backgroundColour());
        if (!image.isNull()) {
            QPainter painter(&fresh);
            painter.drawImage(0, 0, image);
        }
        image = fresh;
    }
    return image;
}

QImage PictureBox::picture() { return canvas(); }

void PictureBox::clear() {
    canvas().fill(backgroundColour());
    drawn.clear();
    marks.clear();
    update();
}

void PictureBox::setScale(double left, double top, double right, double bottom) {
    scaleLeft = left;
    scaleTop = top;
    scaleRight = right;
    scaleBottom = bottom;
    pixelScale = false;
}

bool PictureBox::scaleUsable() const {
    if (pixelScale) return true;
    const double w = scaleRight - scaleLeft, h = scaleBottom - scaleTop;
    return std::isfinite(w) && std::isfinite(h) && w != 0 && h != 0 && std::isfinite(scaleLeft) &&
           std::isfinite(scaleTop);
}

QPointF PictureBox::toPixels(double x, double y) const {
    if (pixelScale) return QPointF(x, y);
    x = tame(x);
    y = tame(y);
    return QPointF((x - scaleLeft) * width() / (scaleRight - scaleLeft),
                   (y - scaleTop) * height() / (scaleBottom - scaleTop));
}

QPointF PictureBox::toUser(QPointF pixels) const {
    if (pixelScale) return pixels;
    return QPointF(scaleLeft + pixels.x() * (scaleRight - scaleLeft) / width(),
                   scaleTop + pixels.y() * (scaleBottom - scaleTop) / height());
}

QSizeF PictureBox::userSize(const QWidget* child) const {
    if (pixelScale || width() == 0 || height() == 0) return QSizeF(child->width(), child->height());
    return QSizeF(child->width() * (scaleRight - scaleLeft) / width(),
                  child->height() * (scaleTop - scaleBottom) / height());
}

void PictureBox::moveChildTo(QWidget* child, double x, double y) {
    QPointF at = toPixels(x, y);
    auto bounded = [](double v) {
        if (!std::isfinite(v)) return 0;
        return static_cast<int>(std::lround(std::clamp(v, -positionLimit, positionLimit)));
    };
    child->move(bounded(at.x()), bounded(at.y()));
}

QPoint PictureBox::nearestPixel(QPointF p) {
    return QPoint(static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y())));
}

QPointF PictureBox::onEdge(QPointF p) const {
    // The user rectangle's right and bottom edges map to one past the last
    // pixel: fold the half pixel around each edge onto the picture, so a
    // line drawn along an edge (the frame) is seen on all four sides.
    auto fold = [](double v, int extent) {
        if (v >= -0.5 && v < 0) return 0.0;
        if (v > extent - 1 && v <= extent + 0.5) return extent - 1.0;
        return v;
    };
    return QPointF(fold(p.x(), width()), fold(p.y(), height()));
}

std::optional<QLineF> PictureBox::clipped(double x1, double y1, double x2, double y2) const {
    if (!scaleUsable()) return std::nullopt;
    if (std::isnan(x1) || std::isnan(y1) || std::isnan(x2) || std::isnan(y2)) return std::nullopt;
    const QPointF a = toPixels(x1, y1), b = toPixels(x2, y2);
    if (!std::isfinite(a.x()) || !std::isfinite(a.y()) || !std::isfinite(b.x()) || !std::isfinite(b.y())) {
        return std::nullopt;
    }
    // Cohen-Sutherland against the widget with a margin of two pixels, in
    // double. A clipped end is put exactly on the edge and only the other
    // coordinate is interpolated, so far-away ends lose no precision there.
    const double xmin = -2, ymin = -2, xmax = width() + 2, ymax = height() + 2;
    enum { Left = 1, Right = 2, Top = 4, Bottom = 8 };
    auto code = [&](QPointF p) {
        return (p.x() < xmin   ? Left
                : p.x() > xmax ? Right
                               : 0) |
               (p.y() < ymin   ? Top
                : p.y() > ymax ? Bottom
                               : 0);
    };
    QPointF p = a, q = b;
    int cp = code(p), cq = code(q);
    for (int round = 0; round < 8; ++round) {
        if ((cp | cq) == 0) return QLineF(onEdge(p), onEdge(q));
        if (cp & cq) return std::nullopt;
        const int out = cp ? cp : cq;
        QPointF& moving = cp ? p : q;
        const QPointF& other = cp ? q : p;
        QPointF at;
        if (out & (Left | Right)) {
            const double edge = out & Left ? xmin : xmax;
            at = QPointF(edge, moving.y() + (other.y() - moving.y()) *
                                                ((edge - moving.x()) / (other.x() - moving.x())));
        } else {
            const double edge = out & Top ? ymin : ymax;
            at = QPointF(
                moving.x() + (other.x() - moving.x()) * ((edge - moving.y()) / (other.y() - moving.y())),
                edge);
        }
        if (!std::isfinite(at.x()) || !std::isfinite(at.y())) return std::nullopt;
        moving = at;
        (cp ? cp : cq) = code(moving);
    }
    return std::nullopt;
}

void PictureBox::lineOn(QPainter& painter, double x1, double y1, double x2, double y2, const QColor& colour) {
    std::optional<QLineF> segment = clipped(x1, y1, x2, y2);
    if (!segment) return;
    // Whole pixels, rounded as moveChildTo rounds: a line drawn along a
    // label's edge lands beside the label, never under it.
    const QLine pixels(nearestPixel(segment->p1()), nearestPixel(segment->p2()));
    painter.setPen(QPen(colour, 1));
    if (pixels.p1() == pixels.p2()) {
        painter.drawPoint(pixels.p1());
        drawn.push_back({Stroke::point, pixels, colour});
    } else {
        painter.drawLine(pixels);
        drawn.push_back({Stroke::line, pixels, colour});
    }
}

void PictureBox::paintStrokes(QPainter& painter, double lineShift) const { paintEach(painter, drawn, lineShift); }

void PictureBox::paintOverlay(QPainter& painter, double lineShift) const { paintEach(painter, marks, lineShift); }

void PictureBox::setOverlay(std::vector<Stroke> strokes) {
    marks = std::move(strokes);
    update();
}

void PictureBox::showOverlay(bool on) {
    overlayShown = on;
    update();
}

void PictureBox::paintEach(QPainter& painter, const std::vector<Stroke>& strokes, double lineShift) {
    const QPointF shift(lineShift, lineShift);
    for (const Stroke& s : strokes) {
        switch (s.kind) {
            case Stroke::line:
                painter.setPen(QPen(s.colour, 1));
                painter.drawLine(QLineF(s.at).translated(shift));
                break;
            case Stroke::point:
                painter.setPen(QPen(s.colour, 1));
                painter.drawPoint(QPointF(s.at.p1()) + shift);
                break;
            case Stroke::fill: painter.fillRect(QRect(s.at.p1(), s.at.p2()), s.colour); break;
        }
    }
}

void PictureBox::drawLine(double x1, double y1, double x2, double y2, const QColor& colour) {
    QPainter painter(&canvas());
    lineOn(painter, x1, y1, x2, y2, colour);
    update();
}

void PictureBox::paint(const DisplayList& ops) {
    auto colourOf = [this](const Ink& ink) {
        return ink ? QColor(ink->red, ink->green, ink->blue) : foregroundColour();
    };
    std::optional<QPainter> painter;
    for (const DrawOp& op : ops) {
        // Clearing, scaling and filling go through their own calls; lines
        // share one painter between them.
        if (op.kind != DrawOp::Line) painter.reset();
        switch (op.kind) {
            case DrawOp::Clear: clear(); break;
            case DrawOp::Scale: setScale(op.x1, op.y1, op.x2, op.y2); break;
            case DrawOp::Line:
                if (!painter) painter.emplace(&canvas());
                lineOn(*painter, op.x1, op.y1, op.x2, op.y2, colourOf(op.ink));
                break;
            case DrawOp::Rectangle: drawRectangle(op.x1, op.y1, op.x2, op.y2, colourOf(op.ink)); break;
            case DrawOp::FilledRectangle: fillRectangle(op.x1, op.y1, op.x2, op.y2, colourOf(op.ink)); break;
            case DrawOp::Point: drawPoint(op.x1, op.y1, colourOf(op.ink)); break;
        }
    }
    update();
}

void PictureBox::drawRectangle(double x1, double y1, double x2, double y2, const QColor& colour) {
    drawLine(x1, y1, x2, y1, colour);
    drawLine(x2, y1, x2, y2, colour);
    drawLine(x2, y2, x1, y2, colour);
    drawLine(x1, y2, x1, y1, colour);
}

void PictureBox::fillRectangle(double x1, double y1, double x2, double y2, const QColor& colour) {
    if (!scaleUsable()) return;
    const QPointF a = toPixels(x1, y1), b = toPixels(x2, y2);
    if (!std::isfinite(a.x()) || !std::isfinite(a.y()) || !std::isfinite(b.x()) || !std::isfinite(b.y())) {
        return;
    }
    const QPoint topLeft = nearestPixel(QPointF(std::clamp(std::min(a.x(), b.x()), -2.0, width() + 2.0),
                                                std::clamp(std::min(a.y(), b.y()), -2.0, height() + 2.0)));
    const QPoint bottomRight =
        nearestPixel(QPointF(std::clamp(std::max(a.x(), b.x()), -2.0, width() + 2.0),
                             std::clamp(std::max(a.y(), b.y()), -2.0, height() + 2.0)));
    QPainter painter(&canvas());
    // Inclusive of both corners, as the outline drawn over the same corners.
    painter.fillRect(QRect(topLeft, bottomRight), colour);
    drawn.push_back({Stroke::fill, QLine(topLeft, bottomRight), colour});
    update();
}

void PictureBox::drawPoint(double x, double y, const QColor& colour) { drawLine(x, y, x, y, colour); }

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, canvas());
    if (overlayShown) paintOverlay(painter);
}

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
    const auto [x, y] = userPoint(event->position());
    emit pressed(x, y);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    const auto [x, y] = userPoint(event->position());
    emit moved(x, y);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const auto [x, y] = userPoint(event->position());
    emit released(x, y);
}

// The second press of a double click is no press: its release alone
// arrives, and repeats the last drag's action.
void PictureBox::mouseDoubleClickEvent(QMouseEvent*) {}
