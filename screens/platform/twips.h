// SPDX-License-Identifier: GPL-3.0-or-later
// The forms are designed in twips (1/1440 inch); one helper converts them.
#pragma once

#include <QRect>

int twipsToPixels(int twips);
QRect twipsRect(int left, int top, int width, int height);
