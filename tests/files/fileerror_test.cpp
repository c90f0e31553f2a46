// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileerror.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string bracketed(const std::string& pattern) { return "<" + pattern + ">"; }

}  // namespace

// Only messages are translated, each once; a value from outside (a file's
// name) goes in as it is, even when it looks like a message or a placeholder.
TEST(FileError, PutsNestedMessagesTogetherTranslatingOnlyThePatterns) {
    const FileError error("%1: %2", {std::string("%2 name"), FileError("why (%1)", {std::string("%1")})});
    EXPECT_EQ(error.text(), "%2 name: why (%1)");
    EXPECT_EQ(error.text(bracketed), "<%2 name: <why (%1)>>");
    EXPECT_EQ(FileError(std::string("%1: %2")).text(bracketed), "%1: %2");
    // A placeholder without a value stays as it is.
    EXPECT_EQ(FileError("a %3 b", {std::string("x")}).text(), "a %3 b");
}

TEST(FileError, EqualWhenTheSameMessageHoldsTheSameValues) {
    const std::string pattern = "%1: %2";  // another pointer to the same text
    const FileError one("%1: %2", {std::string("f"), FileError("r")});
    EXPECT_EQ(one, FileError(pattern.c_str(), {std::string("f"), FileError("r")}));
    EXPECT_NE(one, FileError("%1: %2", {std::string("f"), std::string("r")}));
    EXPECT_NE(one, FileError("%1: %2", {std::string("f")}));
    EXPECT_NE(FileError("x"), FileError(std::string("x")));
}
