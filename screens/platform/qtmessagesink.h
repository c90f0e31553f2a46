// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform.h"

// A modal QMessageBox: one OK button, no icon, the program's title.
class QtMessageSink : public MessageSink {
public:
    void showMessage(const std::string& text) override;
};
