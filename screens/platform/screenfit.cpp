// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenfit.h"

#include <QApplication>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Before a window is first shown its frame is unknown: allow for a title
// bar and a thin border, as window managers draw them.
QSize frameAllowance(const QWidget& window) {
    const QRect outer = window.frameGeometry(), inner = window.geometry();
    if (window.isVisible() && outer != inner) return outer.size() - inner.size();
    const int border = 2 * std::max(1, window.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth));
    return {border, window.style()->pixelMetric(QStyle::PM_TitleBarHeight) + border};
}

QRect availableFor(const QWidget& window) {
    // The offscreen platform's screen is a stand-in of 800 × 600 that no one
    // looks at: the forms drawn there (tests, pictures) keep their designed size.
    if (QGuiApplication::platformName() == "offscreen") return {};
    QScreen* screen = QGuiApplication::screenAt(window.pos() + QPoint(1, 1));
    if (!screen) screen = window.screen();
    return screen ? screen->availableGeometry() : QRect();
}

}  // namespace

QRect fittedGeometry(QSize inner, QPoint wanted, QSize frame, const QRect& available) {
    const QSize room = available.size() - frame;
    const QSize size = inner.boundedTo(room.expandedTo(QSize(1, 1)));
    const int x = std::clamp(wanted.x(), available.left(), std::max(available.left(), available.right() + 1 - size.width() - frame.width()));
    const int y = std::clamp(wanted.y(), available.top(), std::max(available.top(), available.bottom() + 1 - size.height() - frame.height()));
    return {QPoint(x, y), size};
}

void fitToScreen(QWidget& window) {
    const QRect available = availableFor(window);
    if (available.isEmpty()) return;
    const QRect fitted = fittedGeometry(window.size(), window.pos(), frameAllowance(window), available);
    if (fitted.size() != window.size()) window.resize(fitted.size().expandedTo(window.minimumSize()));
    window.move(fitted.topLeft());
}

void scrollWhenTooLarge(QMainWindow& window) {
    const QRect available = availableFor(window);
    if (available.isEmpty() || qobject_cast<QScrollArea*>(window.centralWidget())) return;
    window.adjustSize();
    const QSize frame = frameAllowance(window);
    const QSize inner = window.size();
    const QRect fitted = fittedGeometry(inner, window.pos(), frame, available);
    // Where it fits in size, it is only kept on the screen.
    window.move(fitted.topLeft());
    if (fitted.size() == inner) return;
    auto* scroll = new QScrollArea(&window);
    scroll->setObjectName("scroll");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(window.takeCentralWidget());
    window.setCentralWidget(scroll);
    window.resize(fitted.size());
}

namespace {

// The widgets the Tab key reaches, in the window's order.
QList<QWidget*> focusChain(QWidget& window) {
    QList<QWidget*> chain;
    for (QWidget* w = window.nextInFocusChain(); w && w != &window; w = w->nextInFocusChain()) {
        if (chain.contains(w)) break;
        if (w->focusPolicy() & Qt::TabFocus) chain.append(w);
    }
    return chain;
}

// The window's direct children moved onto `content`, as they were placed.
void moveChildren(QWidget& window, QWidget* content) {
    for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child == content || child->isWindow()) continue;
        const bool shown = !child->isHidden() || !child->testAttribute(Qt::WA_WState_ExplicitShowHide);
        const QRect placed = child->geometry();
        child->setParent(content);
        child->setGeometry(placed);
        if (shown) child->show();
    }
}

}  // namespace

void fitFixedWindow(QWidget& window) {
    const QRect available = availableFor(window);
    if (!available.isEmpty()) fitFixedWindow(window, available);
}

void fitFixedWindow(QWidget& window, const QRect& available) {
    if (window.findChild<QScrollArea*>("scroll", Qt::FindDirectChildrenOnly)) return;
    const QSize inner = window.size();
    const QRect fitted = fittedGeometry(inner, window.pos(), frameAllowance(window), available);
    if (fitted.size() == inner) {
        if (window.testAttribute(Qt::WA_Moved)) window.move(fitted.topLeft());
        return;
    }
    const QList<QWidget*> chain = focusChain(window);
    auto* content = new QWidget;
    content->setObjectName("client");
    content->setFixedSize(inner);
    moveChildren(window, content);
    auto* scroll = new QScrollArea(&window);
    scroll->setObjectName("scroll");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    for (qsizetype i = 0; i + 1 < chain.size(); ++i) QWidget::setTabOrder(chain[i], chain[i + 1]);
    window.setFixedSize(fitted.size());
    window.move(fitted.topLeft());
}
