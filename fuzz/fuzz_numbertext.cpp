// SPDX-License-Identifier: GPL-3.0-or-later
// Any text reads without failing; the general text of any finite double
// reads back to the same 15 significant digits.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "numbertext.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double read = readNumber(text);
    if (std::isnan(read)) std::abort();  // a reading is a number or an infinity, never NaN

    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        if (std::isfinite(value)) {
            const std::string general = generalNumberText(value);
            if (general.find_first_not_of("0123456789.-+E") != std::string::npos) std::abort();
            const double back = readNumber(general);
            // Within 15-digit rounding of the largest double the text names a
            // value beyond it, which reads as an infinity.
            const bool nearLargest = std::fabs(value) > 1.79769313486231e308;
            if (!(nearLargest && std::isinf(back)) && generalNumberText(back) != general) std::abort();
            const std::string withSign = signedNumberText(value);
            if (readNumber(withSign) != back) std::abort();
            if (std::signbit(value) == false && withSign[0] != ' ') std::abort();
            (void)toSingle(value);
        }
    }
    return 0;
}
