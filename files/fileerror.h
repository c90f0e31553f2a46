// SPDX-License-Identifier: GPL-3.0-or-later
// Why a file could not be read or written, before any translation: a text
// of messages.h and the values for its %1, %2 ..., each a plain text (a
// file's name, a line number, the system's reason) or again such a message,
// as "%1: %2" holds the name and the reason. It is put together only where
// it is shown, in the language installed there; files/ itself has none.
#pragma once

#include <string>
#include <vector>

class FileError {
public:
    FileError() = default;
    // A message of messages.h, with the values for its placeholders.
    FileError(const char* pattern, std::vector<FileError> values = {})
        : pattern(pattern), values(std::move(values)) {}
    // A text shown as it is, never translated.
    FileError(std::string plain) : plain(std::move(plain)) {}

    // The language's text for a message of messages.h (translatedMessageUtf8).
    using Translate = std::string (*)(const std::string& pattern);
    // The whole text, each message through `translate`; as written without one.
    std::string text(Translate translate = nullptr) const;

    bool operator==(const FileError& other) const;

private:
    const char* pattern = nullptr;  // none: plain is the whole text
    std::string plain;
    std::vector<FileError> values;
};
