// SPDX-License-Identifier: GPL-3.0-or-later
// The fuzzer's bytes read as values, front to back; past the end every
// value reads as zero, so any input is a whole run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

class FuzzBytes {
public:
    FuzzBytes(const std::uint8_t* data, std::size_t size) : data(data), size(size) {}
    template <class T>
    T take() {
        T value{};
        if (pos + sizeof(T) <= size) {
            std::memcpy(&value, data + pos, sizeof(T));
            pos += sizeof(T);
        }
        return value;
    }

private:
    const std::uint8_t* data;
    std::size_t size;
    std::size_t pos = 0;
};
