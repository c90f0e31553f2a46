#include "designframe.h"

#include <QMouseEvent>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

DesignFrame::DesignFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

void DesignFrame::setBorder(bool on) {
    if (border == on) return;
    border = on;
    update();
}

void DesignFrame::paintEvent(QPaintEvent* event) {
    if (border) {
        QGroupBox::paintEvent(event);
        return;
    }
    // The caption alone, where the bordered frame would show it.
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    option.subControls &= ~QStyle::SC_GroupBoxFrame;
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
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
