// A fresh program with its analysis screen, and the user's steps on it.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <ostream>

#include "analysisscreen.h"
#include "resultlist.h"
#include "fixture.h"
#include "picturebox.h"
#include "kalvexprobe.h"

// Readable failures for Qt texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

class AnalysisTest : public ScreenTest {
protected:
    AnalysisScreen& screen() { return registry->analysis(); }
    PictureBox& box() { return *screen().図; }

    void addTerm(int shape, float a, float b, float n, float c, float k = 0) {
        const int s = ++state(kalvex).termCount;
        state(kalvex).shape[s] = static_cast<std::int16_t>(shape);
        state(kalvex).coefA[s] = a;
        state(kalvex).coefB[s] = b;
        state(kalvex).expN[s] = n;
        state(kalvex).offsetC[s] = c;
        state(kalvex).constK[s] = k;
    }
    // F(x) = x² − 2: b = 1, n = 2 of shape 1 and k = −2 of shape 7.
    void squareMinusTwo() {
        addTerm(1, 0, 1, 2, 0);
        addTerm(7, 0, 0, 0, 0, -2);
    }

    void typeRange(const QString& start, const QString& end) {
        screen().変域[0]->setText(start);
        screen().変域[1]->setText(end);
    }
    void typePrecision(const QString& text) { screen().精度コンボ->setEditText(text); }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    void graph(const QString& start, const QString& end) {
        typeRange(start, end);
        click(screen().グラフ);
    }
    void analyse(const QString& start, const QString& end, const QString& precision) {
        typeRange(start, end);
        typePrecision(precision);
        click(screen().解析);
    }

    QStringList listed() {
        QStringList texts;
        for (int i = 0; i < screen().解リスト->count(); ++i) texts << screen().解リスト->text(i);
        return texts;
    }

    // The graph as drawn, and one pixel of it by user coordinates.
    QImage picture() { return box().picture(); }
    // The pixel a one-pixel pen sets for the point (the nearest one).
    QPoint pixelOf(double x, double y) { return box().toPixels(x, y).toPoint(); }
    // Whether any pixel within `radius` of the point has the colour.
    bool colourNear(const QImage& image, QPoint at, const QColor& colour, int radius = 1) {
        for (int dy = -radius; dy <= radius; ++dy) {
            for (int dx = -radius; dx <= radius; ++dx) {
                const QPoint p = at + QPoint(dx, dy);
                if (image.rect().contains(p) && image.pixelColor(p) == colour) return true;
            }
        }
        return false;
    }
    int countColour(const QImage& image, const QColor& colour) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == colour;
        return n;
    }
};
