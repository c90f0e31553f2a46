// SPDX-License-Identifier: GPL-3.0-or-later
// The graph taken out of the program: PNG as on the screen, SVG as vectors
// and text, the clipboard, and a save that fails.
#include "pictureexport.h"
#include "picturefile.h"

#include <QAction>
#include <QClipboard>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <map>

#include "analysisfixture.h"
#include "messages.h"
#include "numbertext.h"
#include "kalvexprobe.h"

namespace {

// The SVG's lines by stroke colour: each a list of points in pixels.
std::map<QString, std::vector<QPolygonF>> linesByColour(const QByteArray& svg, QStringList& texts) {
    std::map<QString, std::vector<QPolygonF>> lines;
    QXmlStreamReader xml(svg);
    QStringList strokes{"none"};
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QString stroke = xml.attributes().value("stroke").toString();
            strokes.push_back(stroke.isEmpty() ? strokes.back() : stroke);
            if (xml.name() == QLatin1String("polyline")) {
                QPolygonF points;
                for (const QString& pair : xml.attributes().value("points").toString().split(' ', Qt::SkipEmptyParts)) {
                    const QStringList xy = pair.split(',');
                    points << QPointF(xy.value(0).toDouble(), xy.value(1).toDouble());
                }
                lines[strokes.back().toLower()].push_back(points);
            }
            if (xml.name() == QLatin1String("text")) texts << xml.readElementText();
        } else if (xml.isEndElement()) {
            strokes.pop_back();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return lines;
}

}  // namespace

class Export : public AnalysisTest {
protected:
    void SetUp() override {
        squareMinusTwo();
        kalvex.setGridX(true);
        ScreenRegistry::present(screen());
        graph("-3", "3");
        ASSERT_TRUE(kalvex.hasGraph());
        control<QLabel>("手動解")->setText("1.4142135");
        control<QLabel>("手動解")->adjustSize();
        box().moveChildTo(control<QLabel>("手動解"), 1.5, 3);
        control<QLabel>("手動解")->show();
    }
    QString path(const char* name) { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(Export, PngIsThePictureOnTheScreenAndTwiceItForPrint) {
    const QImage shown = box().grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(savePicture(box(), path("g.png"), PictureFormat::png), std::nullopt);
    EXPECT_EQ(QImage(path("g.png")).convertToFormat(QImage::Format_RGB32), shown);

    ASSERT_EQ(savePicture(box(), path("print.png"), PictureFormat::pngDouble), std::nullopt);
    const QImage print(path("print.png"));
    EXPECT_EQ(print.size(), shown.size() * 2);
    // The frame's corner and a point of the curve land where they do on screen, doubled.
    const QPoint on = pixelOf(2, 2) * 2;
    EXPECT_TRUE(colourNear(print, on, box().foregroundColour(), 3));

    action("画像をコピー")->trigger();
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), shown);
}

TEST_F(Export, SvgHoldsTheLinesInTheirColoursAndTheLabelsAsText) {
    ASSERT_EQ(savePicture(box(), path("g.svg"), PictureFormat::svg), std::nullopt);
    QFile file(path("g.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList texts;
    const auto lines = linesByColour(file.readAll(), texts);
    EXPECT_EQ(lines.count("#ff0000") ? lines.at("#ff0000").size() : 0u, 2u);  // the axes
    EXPECT_GE(lines.count("#0000c8") ? lines.at("#0000c8").size() : 0u, 4u);  // the frame
    EXPECT_GT(lines.count("#ffff00") ? lines.at("#ffff00").size() : 0u, 10u);  // the grid
    ASSERT_EQ(lines.count("#000000"), 1u);
    // The curve passes through every sample in view, as drawn on the screen.
    std::vector<QPointF> ends;
    for (const QPolygonF& segment : lines.at("#000000")) ends.insert(ends.end(), segment.begin(), segment.end());
    int inView = 0;
    // The samples: every sweep step from three ticks before the range to three past it.
    const ProbeState s = state(kalvex);
    core::TermValues values{};
    for (double x = s.rangeStart - 3 * s.tickX; x <= 3 * s.tickX + s.rangeEnd; x += s.sweepStep) {
        const double y = core::evaluate(kalvex.formula(), x, values).sum;
        // Lines of one pixel lie on pixel centres, as the raster draws them.
        const QPointF at = box().toPixels(toSingle(x), toSingle(y)) + QPointF(0.5, 0.5);
        if (!QRectF(box().rect()).contains(at)) continue;
        ++inView;
        const bool drawn = std::any_of(ends.begin(), ends.end(), [&](QPointF p) {
            return std::abs(p.x() - at.x()) <= 0.51 && std::abs(p.y() - at.y()) <= 0.51;
        });
        EXPECT_TRUE(drawn) << "sample at " << x;
    }
    EXPECT_GT(inView, 50);
    EXPECT_TRUE(texts.contains("1.4142135"));
}

TEST_F(Export, AFailedSaveSaysSoAndWritesNothing) {
    const QString missing = path("no such folder/g.png");
    const auto failure = savePicture(box(), missing, PictureFormat::png);
    ASSERT_TRUE(failure);
    EXPECT_TRUE(failure->startsWith(missing + ": ")) << failure->toStdString();
    EXPECT_FALSE(QFile::exists(missing));

    // Through the menu: the message box says it.
    screen().answerPictureTargetWith([&] { return PictureTarget{missing, PictureFormat::svg}; });
    action("画像として保存")->trigger();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(QString::fromStdString(messages.shown[0]), *failure);
    // A cancelled dialog does nothing.
    screen().answerPictureTargetWith([] { return PictureTarget{}; });
    action("画像として保存")->trigger();
    EXPECT_EQ(messages.shown.size(), 1u);
}
