// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictureexport.h"

#include <QBuffer>
#include <QLabel>
#include <QPainter>
#include <QSvgGenerator>

#include "language.h"
#include "messages.h"
#include "picturebox.h"

namespace {

// The labels over the graph that the user sees, in the order they stack.
QList<QLabel*> visibleLabels(PictureBox& box) {
    QList<QLabel*> shown;
    for (QObject* child : box.children()) {
        auto* label = qobject_cast<QLabel*>(child);
        if (label && label->isVisibleTo(&box)) shown.append(label);
    }
    return shown;
}

// Labels as text, over a background of their own where they have one.
void paintLabels(QPainter& painter, PictureBox& box) {
    for (QLabel* label : visibleLabels(box)) {
        if (label->autoFillBackground()) {
            painter.fillRect(label->geometry(), label->palette().color(label->backgroundRole()));
        }
        painter.setPen(label->palette().color(label->foregroundRole()));
        painter.setFont(label->font());
        painter.drawText(label->geometry(), static_cast<int>(label->alignment()), label->text());
    }
}

// The SVG names the labels' font as the forms do; a viewer without it
// should fall back to a font of the same kind, not to a serif one.
QByteArray withFallbackFonts(QByteArray svg) {
    static const QByteArray families[][2] = {
        {"font-family=\"ＭＳ Ｐゴシック\"",
         "font-family=\"ＭＳ Ｐゴシック, MS PGothic, IPAPGothic, sans-serif\""},
        {"font-family=\"ＭＳ 明朝\"", "font-family=\"ＭＳ 明朝, MS Mincho, IPAMincho, serif\""},
    };
    for (const auto& family : families) svg.replace(family[0], family[1]);
    return svg;
}

}  // namespace

QImage pictureImage(PictureBox& box, int scale, bool withMarks) {
    if (scale == 1) {
        box.showOverlay(withMarks);
        QImage shot = box.grab().toImage();
        box.showOverlay(true);
        return shot;
    }
    QImage image(box.size() * scale, QImage::Format_RGB32);
    image.fill(box.backgroundColour());
    QPainter painter(&image);
    painter.scale(scale, scale);
    box.paintStrokes(painter);
    box.paintTickLabels(painter);
    if (withMarks) box.paintOverlay(painter);
    paintLabels(painter, box);
    painter.end();
    return image;
}

QByteArray pictureSvg(PictureBox& box, bool withMarks) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(box.size());
    svg.setViewBox(QRect(QPoint(0, 0), box.size()));
    svg.setTitle(translatedMessage(messages::title));
    QPainter painter(&svg);
    painter.fillRect(QRect(QPoint(0, 0), box.size()), box.backgroundColour());
    box.paintStrokes(painter, 0.5);
    box.paintTickLabels(painter);
    if (withMarks) box.paintOverlay(painter, 0.5);
    paintLabels(painter, box);
    painter.end();
    return withFallbackFonts(buffer.data());
}

PictureFormat formatOf(const QString& path, bool doubleSize) {
    if (path.endsWith(".svg", Qt::CaseInsensitive)) return PictureFormat::svg;
    return doubleSize ? PictureFormat::pngDouble : PictureFormat::png;
}

QByteArray pictureBytes(PictureBox& box, PictureFormat format, bool withMarks) {
    if (format == PictureFormat::svg) return pictureSvg(box, withMarks);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    pictureImage(box, format == PictureFormat::pngDouble ? 2 : 1, withMarks).save(&buffer, "PNG");
    return bytes;
}
