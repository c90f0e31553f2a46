// SPDX-License-Identifier: GPL-3.0-or-later
// Controls as the information screens lay them out.
#pragma once

#include <QLabel>
#include <QRect>
#include <QString>

// A label drawn as the forms draw one: plain text from the top left, wrapped
// at the label's width. An address on it is no link: a click does nothing.
inline QLabel* infoLabel(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}
