// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileerror.h"

#include <cstring>

#include "texts.h"

std::string FileError::text(Translate translate) const {
    if (!pattern) return plain;
    std::vector<std::string> filled;
    filled.reserve(values.size());
    for (const FileError& value : values) filled.push_back(value.text(translate));
    return fillIn(translate ? translate(pattern) : std::string(pattern), filled);
}

bool FileError::operator==(const FileError& other) const {
    const bool samePattern = pattern && other.pattern ? std::strcmp(pattern, other.pattern) == 0
                                                      : pattern == other.pattern;
    return samePattern && plain == other.plain && values == other.values;
}
