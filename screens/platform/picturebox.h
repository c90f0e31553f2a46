// The picture box: a widget with a user coordinate system (y up when the
// top edge is given the greater y), drawing into a backing image so the
// graph survives covering and uncovering, and mouse events in user units.
#pragma once

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QWidget>
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
    // Moves a child so that its top-left corner is at the user point.
    void moveChildTo(QWidget* child, double x, double y);

    // The drawing as it stands, in device pixels.
    QImage picture();

    // The drawing since the last clear, as it went onto the picture: lines
    // and points in widget pixels, filled rectangles; for drawing it again
    // at another size or as vectors.
    struct Stroke {
        enum Kind { line, point, fill } kind;
        QLine at;  // a fill's corners, inclusive
        QColor colour;
    };
    const std::vector<Stroke>& strokes() const { return drawn; }
    // Draws the strokes with the painter, in widget pixels.
    // A vector picture passes a shift of half a pixel: there a line of one
    // pixel on a whole coordinate would straddle two pixels at half strength.
    void paintStrokes(QPainter& painter, double lineShift = 0) const;

    // Marks laid over the graph, apart from its strokes: shown on the
    // screen, gone with the next clear, and in a picture only when asked.
    void setOverlay(std::vector<Stroke> marks);
    const std::vector<Stroke>& overlay() const { return marks; }
    void paintOverlay(QPainter& painter, double lineShift = 0) const;
    // Off while the picture is taken without the marks.
    void showOverlay(bool on);

signals:
    void pressed(float x, float y);
    void moved(float x, float y);
    void released(float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage& canvas();
    void lineOn(QPainter& painter, double x1, double y1, double x2, double y2, const QColor& colour);
    // The part of the segment inside the widget (with a small margin), in
    // pixels; nothing when it lies wholly outside or is not finite.
    std::optional<QLineF> clipped(double x1, double y1, double x2, double y2) const;
    bool scaleUsable() const;
    QPointF onEdge(QPointF pixel) const;
    // Callers keep coordinates within a few pixels of the widget.
    static QPoint nearestPixel(QPointF p);

    static void paintEach(QPainter& painter, const std::vector<Stroke>& strokes, double lineShift);

    QImage image;
    std::vector<Stroke> drawn;
    std::vector<Stroke> marks;
    bool overlayShown = true;
    double scaleLeft = 0, scaleTop = 0, scaleRight = 0, scaleBottom = 0;
    bool pixelScale = true;  // until the first setScale, user units are pixels
};
