// SPDX-License-Identifier: GPL-3.0-or-later
// A frame as the forms are designed: a group box drawn with its caption on
// the border line, whose border can be switched off while the caption
// stays, and which reports a click on its own background (not on the
// controls inside it). The controls inside are placed from the frame's
// outer top-left corner, as designed, not from a style's contents rect.
#pragma once

#include <QGroupBox>

class DesignFrame : public QGroupBox {
    Q_OBJECT

public:
    explicit DesignFrame(const QString& caption, QWidget* parent);

    void setBorder(bool on);
    bool hasBorder() const { return border; }

    // The etched line's rectangle: its top runs through the middle of the
    // caption's line, also when there is no caption.
    QRect borderRect() const;
    // The caption with the window-coloured gap around it that breaks the
    // line; empty when there is no caption.
    QRect captionRect() const;

signals:
    void backgroundClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool border = true;
    bool pressedOnBackground = false;
};
