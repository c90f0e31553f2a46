// SPDX-License-Identifier: GPL-3.0-or-later
#include "look.h"

#include <QApplication>
#include <QIcon>
#include <QProxyStyle>

#include "kalvexversion.h"
#include "programicon.h"

namespace {

// Message boxes show one plain OK button: no icon on it.
class PlainButtonsStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

QFont designFont(const char* family, double pointSize) {
    QFont font(QString::fromUtf8(family));
    font.setPointSizeF(pointSize);
    return font;
}

void installFontSubstitutions() {
    QFont::insertSubstitutions(QString::fromUtf8(msPGothic), {"IPAPGothic", "IPAGothic"});
    QFont::insertSubstitutions(QString::fromUtf8(msMincho), {"IPAMincho", "IPAPMincho"});
}

void installApplicationLook(QApplication& app) {
    QApplication::setApplicationName("Kalvex");
    QApplication::setApplicationVersion(KALVEX_VERSION);
    QApplication::setWindowIcon(QIcon(QString::fromUtf8(programIconPath)));
    app.setStyle(new PlainButtonsStyle);
    installFontSubstitutions();
    // The forms were laid out for this face and size wherever a control has
    // no font of its own: frame captions, buttons and labels fit as designed.
    QApplication::setFont(designFont(msPGothic, 9));
}
