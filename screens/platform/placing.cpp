// SPDX-License-Identifier: GPL-3.0-or-later
#include "placing.h"

#include <QLabel>

#include "designframe.h"
#include "look.h"

QLabel* placeLabel(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                   int height, double points, bool bold) {
    auto* l = place(new QLabel(caption, parent), name, left, top, width, height);
    QFont font = designFont(msPGothic, points);
    font.setBold(bold);
    l->setFont(font);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

DesignFrame* placeFrame(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                        int height) {
    return place(new DesignFrame(caption, parent), name, left, top, width, height);
}

void showElided(QLabel* label, const QString& text, int maxWidth) {
    const QString shown = label->fontMetrics().elidedText(text, Qt::ElideRight, std::max(maxWidth, 0));
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
    label->adjustSize();
}
