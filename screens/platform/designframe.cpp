#include "designframe.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/twips.h"

namespace {

// Where a caption begins, from the frame's left edge.
constexpr int captionLeft = 90;

}  // namespace

DesignFrame::DesignFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

void DesignFrame::setBorder(bool on) {
    if (border == on) return;
    border = on;
    update();
}

// Drawn as the forms were designed: an etched line whose top runs through
// the middle of the caption, the caption on the window colour. Styles draw
// group boxes with the caption above the line, which the positions of the
// controls inside were not made for.
void DesignFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    if (border) {
        const QRect line(0, metrics.height() / 2, width() - 2, height() - metrics.height() / 2 - 2);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawRect(line.translated(1, 1));
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(line);
    }
    if (!title().isEmpty()) {
        const int padding = 2;
        const QRect caption(twipsToPixels(captionLeft), 0, metrics.horizontalAdvance(title()) + 2 * padding,
                            metrics.height());
        painter.fillRect(caption, palette().color(QPalette::Window));
        painter.setPen(
            palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        painter.drawText(caption.adjusted(padding, 0, -padding, 0), Qt::AlignLeft | Qt::AlignTop, title());
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
