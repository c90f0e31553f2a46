// SPDX-License-Identifier: GPL-3.0-or-later
// A fresh program with its analysis screen, and the user's steps on it.
#pragma once

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <ostream>

#include "analysisscreen.h"
#include "certifiedwindow.h"
#include "resultlist.h"
#include "fixture.h"
#include "picturebox.h"

// Readable failures for Qt texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

class AnalysisTest : public ScreenTest {
protected:
    AnalysisScreen& screen() { return registry->analysis(); }
    PictureBox& box() { return screen().picture(); }
    // A control or menu item of the screen, by its designed object name.
    template <class T = QWidget>
    T* control(const char* name) { return find<T>(&screen(), QString::fromUtf8(name)); }
    QAction* action(const char* name) { return control<QAction>(name); }
    // The certified analysis's window, or null before the command has run.
    CertifiedWindow* certifiedWindow() { return screen().findChild<CertifiedWindow*>(); }

    void addTerm(int shape, float a, float b, float n, float c, float k = 0) {
        std::vector<Term> terms = kalvex.terms();
        terms.push_back({static_cast<Shape>(shape), a, b, n, 0, c, k, {}});
        kalvex.replaceTerms(terms);
    }
    // F(x) = x² − 2: b = 1, n = 2 of shape 1 and k = −2 of shape 7.
    void squareMinusTwo() {
        addTerm(1, 0, 1, 2, 0);
        addTerm(7, 0, 0, 0, 0, -2);
    }

    void typeRange(const QString& start, const QString& end) {
        control<QLineEdit>("変域(0)")->setText(start);
        control<QLineEdit>("変域(1)")->setText(end);
    }
    void typePrecision(const QString& text) { control<QComboBox>("精度コンボ")->setEditText(text); }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    void graph(const QString& start, const QString& end) {
        typeRange(start, end);
        click(control<QPushButton>("グラフ"));
    }
    void analyse(const QString& start, const QString& end, const QString& precision) {
        typeRange(start, end);
        typePrecision(precision);
        click(control<QPushButton>("解析"));
    }

    QStringList listed() {
        QStringList texts;
        const ResultList* list = control<ResultList>("解リスト");
        for (int i = 0; i < list->count(); ++i) texts << list->text(i);
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
