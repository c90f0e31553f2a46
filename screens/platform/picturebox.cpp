// SPDX-License-Identifier: GPL-3.0-or-later
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
    const QSize wanted = (size() * ratio).expandedTo(QSize(1, 1));
    if (image.size() != wanted || image.devicePixelRatio() != ratio) {
        QImage fresh(wanted, QImage::Format_RGB32);
        fresh.setDevicePixelRatio(ratio);
        redraw(fresh);
    }
    return image;
}

void PictureBox::redraw(QImage& fresh) {
    fresh.fill(backgroundColour());
    image = fresh;
    drawn.clear();
    const View now = view();
    const bool wasPixelScale = pixelScale;
    {
        QPainter painter(&image);
        for (const UserOp& op : kept) perform(&painter, op);
    }
    scaleLeft = now.left;
    scaleTop = now.top;
    scaleRight = now.right;
    scaleBottom = now.bottom;
    pixelScale = wasPixelScale;
}

void PictureBox::perform(QPainter* painter, const UserOp& op) {
    switch (op.kind) {
        case UserOp::scale:
            scaleLeft = op.x1;
            scaleTop = op.y1;
            scaleRight = op.x2;
            scaleBottom = op.y2;
            pixelScale = false;
            break;
        case UserOp::line: lineOn(*painter, op.x1, op.y1, op.x2, op.y2, op.colour); break;
        case UserOp::fill: fillOn(*painter, op.x1, op.y1, op.x2, op.y2, op.colour); break;
    }
}

void PictureBox::keep(UserOp op) { kept.push_back(std::move(op)); }

QImage PictureBox::picture() { return canvas(); }

void PictureBox::clear() {
    canvas().fill(backgroundColour());
    drawn.clear();
    marks.clear();
    marksSource = nullptr;
    band.clear();
    kept.clear();
    // What follows is drawn at the scale in force now, unless it sets its own.
    if (!pixelScale) keep({UserOp::scale, scaleLeft, scaleTop, scaleRight, scaleBottom, {}});
    pictureEnd = kept.size();
    update();
}

void PictureBox::setScale(double left, double top, double right, double bottom) {
    scaleLeft = left;
    scaleTop = top;
    scaleRight = right;
    scaleBottom = bottom;
    pixelScale = false;
    keep({UserOp::scale, left, top, right, bottom, {}});
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
    const QPointF point(x, y);
    for (auto& [widget, where] : placed) {
        if (widget == child) {
            where = point;
            return;
        }
    }
    placed.emplace_back(child, point);
}

void PictureBox::placeChildren() {
    std::erase_if(placed, [](const auto& p) { return p.first.isNull(); });
    const auto now = placed;
    for (const auto& [child, where] : now) moveChildTo(child, where.x(), where.y());
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
    marksSource = nullptr;
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

bool PictureBox::intoBand(UserOp op) {
    if (!bandMode) return false;
    if (op.colour == QColor(Qt::white)) {
        band.clear();
    } else {
        band.push_back(std::move(op));
    }
    update();
    return true;
}

void PictureBox::clearBand() {
    band.clear();
    update();
}

void PictureBox::drawLine(double x1, double y1, double x2, double y2, const QColor& colour) {
    const UserOp op{UserOp::line, x1, y1, x2, y2, colour};
    if (intoBand(op)) return;
    QPainter painter(&canvas());
    lineOn(painter, x1, y1, x2, y2, colour);
    keep(op);
    update();
}

void PictureBox::paint(const DisplayList& ops) {
    auto colourOf = [this](const Ink& ink) {
        return ink ? QColor(ink->red, ink->green, ink->blue) : foregroundColour();
    };
    // A whole picture is never the band.
    const bool wasBand = std::exchange(bandMode, false);
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
                keep({UserOp::line, op.x1, op.y1, op.x2, op.y2, colourOf(op.ink)});
                break;
            case DrawOp::Rectangle: drawRectangle(op.x1, op.y1, op.x2, op.y2, colourOf(op.ink)); break;
            case DrawOp::FilledRectangle: fillRectangle(op.x1, op.y1, op.x2, op.y2, colourOf(op.ink)); break;
            case DrawOp::Point: drawPoint(op.x1, op.y1, colourOf(op.ink)); break;
        }
    }
    painter.reset();
    bandMode = wasBand;
    pictureEnd = kept.size();
    sizeOfPicture = size();
    ++pictureTotal;
    update();
}

std::vector<PictureBox::UserOp> PictureBox::drawnAfterPicture() const {
    std::vector<UserOp> after;
    for (std::size_t i = pictureEnd; i < kept.size(); ++i)
        if (kept[i].kind != UserOp::scale) after.push_back(kept[i]);
    return after;
}

void PictureBox::drawAgain(const std::vector<UserOp>& ops) {
    const bool wasBand = std::exchange(bandMode, false);
    for (const UserOp& op : ops) {
        switch (op.kind) {
            case UserOp::scale: break;  // drawn at the scale of the picture now
            case UserOp::line: drawLine(op.x1, op.y1, op.x2, op.y2, op.colour); break;
            case UserOp::fill: fillRectangle(op.x1, op.y1, op.x2, op.y2, op.colour); break;
        }
    }
    bandMode = wasBand;
}

void PictureBox::drawRectangle(double x1, double y1, double x2, double y2, const QColor& colour) {
    drawLine(x1, y1, x2, y1, colour);
    drawLine(x2, y1, x2, y2, colour);
    drawLine(x2, y2, x1, y2, colour);
    drawLine(x1, y2, x1, y1, colour);
}

void PictureBox::fillRectangle(double x1, double y1, double x2, double y2, const QColor& colour) {
    const UserOp op{UserOp::fill, x1, y1, x2, y2, colour};
    if (intoBand(op)) return;
    QPainter painter(&canvas());
    fillOn(painter, x1, y1, x2, y2, colour);
    keep(op);
    update();
}

void PictureBox::fillOn(QPainter& painter, double x1, double y1, double x2, double y2, const QColor& colour) {
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
    // Inclusive of both corners, as the outline drawn over the same corners.
    painter.fillRect(QRect(topLeft, bottomRight), colour);
    drawn.push_back({Stroke::fill, QLine(topLeft, bottomRight), colour});
}

void PictureBox::drawPoint(double x, double y, const QColor& colour) { drawLine(x, y, x, y, colour); }

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, canvas());
    if (overlayShown) paintOverlay(painter);
    paintBand(painter);
    paintTickLabels(painter);
}

void PictureBox::paintBand(QPainter& painter) {
    for (const UserOp& op : band) {
        if (op.kind != UserOp::line) continue;
        const std::optional<QLineF> segment = clipped(op.x1, op.y1, op.x2, op.y2);
        if (!segment) continue;
        const QLine pixels(nearestPixel(segment->p1()), nearestPixel(segment->p2()));
        painter.setPen(QPen(op.colour, 1));
        if (pixels.p1() == pixels.p2()) {
            painter.drawPoint(pixels.p1());
        } else {
            painter.drawLine(pixels);
        }
    }
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeChildren();
    rebuildOverlay();
    emit resized();
}

void PictureBox::setOverlaySource(std::function<std::vector<Stroke>()> source) {
    marksSource = std::move(source);
    rebuildOverlay();
}

void PictureBox::rebuildOverlay() {
    if (marksSource) marks = marksSource();
    update();
}

void PictureBox::setTickLabels(std::function<QPointF()> steps) {
    tickSteps = std::move(steps);
    update();
}

namespace {

// The first and last multiples of `step` in [from, to], as indices.
std::pair<double, double> multiplesIn(double from, double to, double step) {
    if (from > to) std::swap(from, to);
    return {std::ceil(from / step), std::floor(to / step)};
}

// Room between two labels and from a label to the edge, in pixels.
constexpr int labelGap = 6, edgeGap = 3;
// More labels than a screen can hold means the step is far too small to label.
constexpr double labelLimit = 2000;

}  // namespace

std::vector<PictureBox::TickLabel> PictureBox::tickLabels() const {
    std::vector<TickLabel> labels;
    if (!tickSteps || drawn.empty() || pixelScale || !scaleUsable() || width() < 1 || height() < 1) return labels;
    const QPointF steps = tickSteps();
    const QFontMetrics metrics(font());
    const QRect inside = rect().adjusted(edgeGap, edgeGap, -edgeGap, -edgeGap);
    auto text = [](double v) { return QString::fromStdString(generalNumberText(v == 0 ? 0 : v)); };
    // Each axis's labels sit beside its line where it is in view, else
    // along the edge of the picture.
    auto label = [&](double stepValue, bool alongX) {
        if (!(stepValue > 0) || !std::isfinite(stepValue)) return;
        const auto [first, last] = alongX ? multiplesIn(scaleLeft, scaleRight, stepValue)
                                          : multiplesIn(scaleBottom, scaleTop, stepValue);
        if (!(last - first < labelLimit)) return;
        const double pixelsPerStep = std::abs(alongX ? toPixels(stepValue, 0).x() - toPixels(0, 0).x()
                                                     : toPixels(0, stepValue).y() - toPixels(0, 0).y());
        // Counted in integers: far from 0 a double index would not advance.
        const int count = static_cast<int>(last - first);
        int widest = 0;
        for (int n = 0; n <= count; ++n)
            widest = std::max(widest, metrics.horizontalAdvance(text((first + n) * stepValue)));
        const double room = alongX ? widest + labelGap : metrics.height() + labelGap;
        // Every k-th multiple, so that no two labels touch.
        const double every = std::max(1.0, std::ceil(room / std::max(pixelsPerStep, 1e-9)));
        const QPointF origin = toPixels(0, 0);
        const double start = std::ceil(first / every) * every;
        for (int n = 0; start + n * every <= last && n <= count; ++n) {
            const double value = (start + n * every) * stepValue;
            if (value == 0) continue;  // the origin belongs to neither axis
            const QString caption = text(value);
            QRect box(QPoint(0, 0), QSize(metrics.horizontalAdvance(caption), metrics.height()));
            if (alongX) {
                const double y = std::clamp(origin.y() + edgeGap, double(inside.top()),
                                            double(inside.bottom() - box.height()));
                box.moveTo(int(std::lround(toPixels(value, 0).x() - box.width() / 2.0)), int(std::lround(y)));
            } else {
                const double x = std::clamp(origin.x() + edgeGap, double(inside.left()),
                                            double(inside.right() - box.width()));
                box.moveTo(int(std::lround(x)), int(std::lround(toPixels(0, value).y() - box.height() / 2.0)));
            }
            if (inside.contains(box)) labels.push_back({box, caption});
        }
    };
    label(steps.x(), true);
    label(steps.y(), false);
    return labels;
}

void PictureBox::paintTickLabels(QPainter& painter) const {
    const std::vector<TickLabel> labels = tickLabels();
    if (labels.empty()) return;
    painter.setPen(foregroundColour());
    painter.setFont(font());
    for (const TickLabel& label : labels) painter.drawText(label.at, Qt::AlignCenter, label.text);
}
