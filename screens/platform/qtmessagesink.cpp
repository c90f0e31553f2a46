#include "qtmessagesink.h"

#include <QApplication>
#include <QMessageBox>

#include "messages.h"

void QtMessageSink::showMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(messages::title), QString::fromStdString(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}
