// SPDX-License-Identifier: GPL-3.0-or-later
// Controls placed as the forms were designed: each named for its designed
// control, at a rectangle given in twips.
#pragma once

#include <QRect>
#include <QString>

#include "twips.h"

class DesignFrame;
class QLabel;
class QWidget;

template <class Control>
Control* place(Control* control, const char* name, QRect geometry) {
    control->setObjectName(QString::fromUtf8(name));
    control->setGeometry(geometry);
    return control;
}

template <class Control>
Control* place(Control* control, const char* name, int left, int top, int width, int height) {
    return place(control, name, twipsRect(left, top, width, height));
}

// A caption in the forms' font, its text from the top left.
QLabel* placeLabel(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                   int height, double points, bool bold = false);

DesignFrame* placeFrame(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                        int height);

// Shows text in a label that sizes itself to it, cut with "…" where it
// would pass maxWidth; a cut text has the whole as its tool tip.
void showElided(QLabel* label, const QString& text, int maxWidth);
