// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtmessagesink.h"

#include <QApplication>
#include <QMessageBox>

#include "language.h"
#include "messages.h"

void QtMessageSink::showMessage(const std::string& text) {
    // The engine says its messages in the source language; the box shows
    // them in the installed one.
    QMessageBox box(QMessageBox::NoIcon, translatedMessage(messages::title), translatedMessage(text.c_str()),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}
