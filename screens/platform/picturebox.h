// SPDX-License-Identifier: GPL-3.0-or-later
// The picture box: a widget with a user coordinate system (y up when the
// top edge is given the greater y), and mouse events in user units. What is
// drawn is kept in user units and painted at the widget's current size and
// device-pixel ratio; the backing image is only a cache of it, so the graph
// survives covering, resizing and scaling.
#pragma once

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "displaylist.h"

class QPainter;

class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    void clear();
    // (left, top) is the top-left corner, (right, bottom) the bottom-right
    // one; left > right mirrors the picture.
    void setScale(double left, double top, double right, double bottom);
    void drawLine(double x1, double y1, double x2, double y2, const QColor& colour);
    void drawRectangle(double x1, double y1, double x2, double y2, const QColor& colour);
    void fillRectangle(double x1, double y1, double x2, double y2, const QColor& colour);
    void drawPoint(double x, double y, const QColor& colour);
    // A whole picture at once, with one painter: no colour is the foreground.
    void paint(const DisplayList& ops);

    // While on, what is drawn is the rubber band: a white line or rectangle
    // takes the band away instead of painting over the graph, anything else
    // becomes the band. The band is painted over the picture, never into it.
    void setBandMode(bool on) { bandMode = on; }
    void clearBand();
    bool bandShown() const { return !band.empty(); }

    // What was drawn after the last whole picture (leaders, a released
    // band), in user units: a fresh picture of the same view takes it again.
    struct UserOp {
        enum Kind { line, fill, scale } kind;
        double x1, y1, x2, y2;
        QColor colour;
    };
    std::vector<UserOp> drawnAfterPicture() const;
    // The widget's size when the last whole picture was drawn.
    QSize pictureSize() const { return sizeOfPicture; }
    // How many whole pictures have been drawn, to tell whether one was.
    int pictureCount() const { return pictureTotal; }
    void drawAgain(const std::vector<UserOp>& ops);

    // The visible user rectangle: left, top, right, bottom.
    struct View {
        double left = 0, top = 0, right = 0, bottom = 0;
    };
    View view() const { return {scaleLeft, scaleTop, scaleRight, scaleBottom}; }
    bool hasScale() const { return !pixelScale; }

    QColor foregroundColour() const;
    QColor backgroundColour() const;

    // Widget pixel position of a user point, and back.
    QPointF toPixels(double x, double y) const;
    QPointF toUser(QPointF pixels) const;
    // The user point of a mouse position, as the mouse events deliver it.
    std::pair<float, float> userPoint(QPointF pixels) const;

    // A child's width and height in user units: the width along growing
    // pixel x, the height positive when y grows upwards.
    QSizeF userSize(const QWidget* child) const;
    // Moves a child so that its top-left corner is at the user point; it
    // keeps that point when the picture is laid out again (placeChildren).
    void moveChildTo(QWidget* child, double x, double y);
    // Puts every child placed in user units back on its point, after the
    // view or the size has changed.
    void placeChildren();

    // The drawing as it stands, in device pixels.
    QImage picture();

    // The drawing since the last clear, as it went onto the picture: lines
    // and points in widget pixels, filled rectangles; for drawing it again
    // at another size or as vectors.
    struct Stroke {
        enum Kind { line, point, fill } kind;
        QLine at;  // a fill's corners, inclusive
        QColor colour;
        friend bool operator==(const Stroke&, const Stroke&) = default;
    };
    const std::vector<Stroke>& strokes() const { return drawn; }
    // Draws the strokes with the painter, in widget pixels.
    // A vector picture passes a shift of half a pixel: there a line of one
    // pixel on a whole coordinate would straddle two pixels at half strength.
    void paintStrokes(QPainter& painter, double lineShift = 0) const;

    // Marks laid over the graph, apart from its strokes: shown on the
    // screen, gone with the next clear, and in a picture only when asked.
    void setOverlay(std::vector<Stroke> marks);
    // Marks made from the view: built again whenever the view or the size
    // changes, so they follow the graph. Gone with the next clear.
    void setOverlaySource(std::function<std::vector<Stroke>()> source);
    const std::function<std::vector<Stroke>()>& overlaySource() const { return marksSource; }
    const std::vector<Stroke>& overlay() const { return marks; }
    void paintOverlay(QPainter& painter, double lineShift = 0) const;
    // Off while the picture is taken without the marks.
    void showOverlay(bool on);

    // Tick labels beside the axes: the values of the multiples of the
    // steps (x, y) in view, thinned so that no two touch and none runs into
    // the frame. The steps are asked for at each painting; no source, or a
    // step of 0, labels nothing.
    void setTickLabels(std::function<QPointF()> steps);
    void paintTickLabels(QPainter& painter) const;
    struct TickLabel {
        QRect at;
        QString text;
    };
    std::vector<TickLabel> tickLabels() const;

    // A wheel turn in notches (fractional for a touchpad) as a zoom factor.
    static constexpr double zoomPerNotch = 1.25;

signals:
    // The designed mouse events, as 32-bit floats in user units.
    void pressed(float x, float y);
    void moved(float x, float y);
    void released(float x, float y);
    // The added gestures, in doubles: zoom by factor about the user point
    // (factor > 1 shows less), move the view by a user-unit distance, and
    // walk the history of views.
    void zoomAsked(double x, double y, double factor);
    // `sameDrag`: a later move of the drag that made the last pan.
    void panAsked(double dx, double dy, bool sameDrag);
    void backAsked();
    void forwardAsked();
    // The widget took a new size (or scale of the screen).
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QImage& canvas();
    // The cache drawn again from what is kept, at the current size.
    void redraw(QImage& image);
    void perform(QPainter* painter, const UserOp& op);
    void lineOn(QPainter& painter, double x1, double y1, double x2, double y2, const QColor& colour);
    void fillOn(QPainter& painter, double x1, double y1, double x2, double y2, const QColor& colour);
    void keep(UserOp op);
    bool intoBand(UserOp op);
    void paintBand(QPainter& painter);
    void rebuildOverlay();
    // The part of the segment inside the widget (with a small margin), in
    // pixels; nothing when it lies wholly outside or is not finite.
    std::optional<QLineF> clipped(double x1, double y1, double x2, double y2) const;
    bool scaleUsable() const;
    QPointF onEdge(QPointF pixel) const;
    // Callers keep coordinates within a few pixels of the widget.
    static QPoint nearestPixel(QPointF p);

    static void paintEach(QPainter& painter, const std::vector<Stroke>& strokes, double lineShift);

    QImage image;
    std::vector<UserOp> kept;       // since the last clear, in order
    std::size_t pictureEnd = 0;     // kept[0, pictureEnd) is the last whole picture
    QSize sizeOfPicture;
    std::vector<UserOp> band;
    bool bandMode = false;
    std::vector<std::pair<QPointer<QWidget>, QPointF>> placed;
    std::vector<Stroke> drawn;
    std::vector<Stroke> marks;
    std::function<std::vector<Stroke>()> marksSource;
    bool overlayShown = true;
    std::function<QPointF()> tickSteps;
    int pictureTotal = 0;
    // The middle-button pan under way: the last position, in pixels.
    std::optional<QPointF> panFrom;
    bool panMoved = false;
    double scaleLeft = 0, scaleTop = 0, scaleRight = 0, scaleBottom = 0;
    bool pixelScale = true;  // until the first setScale, user units are pixels
};
