// SPDX-License-Identifier: GPL-3.0-or-later
// A fresh program for every test: its own module, registry and canvas, with
// message boxes recorded and acknowledged at once and the ending of the
// process recorded instead of done.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "kalvex.h"
#include "qtcanvas.h"
#include "screenregistry.h"
#include "recording.h"

class ScreenTest : public ::testing::Test {
protected:
    ScreenTest() : registry(std::make_unique<ScreenRegistry>(kalvex)), canvas(*registry) {
        kalvex.attach(&messages, registry.get(), &canvas);
        registry->setEndProgram([this] { ++endRequests; });
    }
    ~ScreenTest() override {
        registry.reset();
        QApplication::processEvents();
    }

    // The control with this object name below root; fails the test if absent.
    template <class T>
    T* find(QWidget* root, const QString& name) const {
        T* found = root->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << "no control " << name.toStdString();
        return found;
    }

    // Messages shown since the last call.
    std::vector<std::string> takeMessages() {
        std::vector<std::string> shown;
        shown.swap(messages.shown);
        return shown;
    }

    Kalvex kalvex;
    RecordingMessageSink messages;
    std::unique_ptr<ScreenRegistry> registry;
    QtCanvas canvas;
    int endRequests = 0;
};
