// SPDX-License-Identifier: GPL-3.0-or-later
#include "designframe.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "twips.h"

namespace {

// Where a caption begins, from the frame's left edge.
constexpr int captionLeft = 90;
// The gap in the line on either side of the caption, in pixels.
constexpr int captionPadding = 2;

}  // namespace

DesignFrame::DesignFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

void DesignFrame::setBorder(bool on) {
    if (border == on) return;
    border = on;
    update();
}

QRect DesignFrame::borderRect() const {
    const int middle = QFontMetrics(font()).height() / 2;
    return QRect(0, middle, width() - 2, height() - middle - 2);
}

QRect DesignFrame::captionRect() const {
    if (title().isEmpty()) return QRect();
    const QFontMetrics metrics(font());
    return QRect(twipsToPixels(captionLeft), 0, metrics.horizontalAdvance(title()) + 2 * captionPadding,
                 metrics.height());
}

// Drawn as the forms were designed: an etched line whose top runs through
// the middle of the caption, the caption on the window colour. Styles draw
// group boxes with the caption above the line, which the positions of the
// controls inside were not made for.
void DesignFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (border) {
        const QRect line = borderRect();
        painter.setPen(palette().color(QPalette::Light));
        painter.drawRect(line.translated(1, 1));
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(line);
    }
    const QRect caption = captionRect();
    if (!caption.isEmpty()) {
        painter.fillRect(caption, palette().color(QPalette::Window));
        painter.setPen(
            palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        painter.drawText(caption.adjusted(captionPadding, 0, -captionPadding, 0),
                         Qt::AlignLeft | Qt::AlignTop, title());
    }
}

// A press is taken here even when it came up from a child that ignored it
// (a label), so that it never reaches the container behind this frame.
void DesignFrame::mousePressEvent(QMouseEvent* event) {
    pressedOnBackground =
        event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr;
    event->accept();
}

void DesignFrame::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressedOnBackground && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressedOnBackground = false;
    event->accept();
    if (click) emit backgroundClicked();
}
