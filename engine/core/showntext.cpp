#include "showntext.h"

namespace {

// Characters a terminal acts on, or that reorder what follows them.
bool unsafeToShow(std::uint32_t code) {
    return code < 0x20 || (code >= 0x7F && code <= 0x9F) || (code >= 0x200E && code <= 0x200F) ||
           (code >= 0x2028 && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
}

void appendHex(std::string& out, const char* prefix, std::uint32_t value, int digits) {
    static constexpr char hex[] = "0123456789ABCDEF";
    out += prefix;
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) out += hex[(value >> shift) & 15];
}

}  // namespace

std::size_t decodedAt(std::string_view bytes, std::size_t i, std::uint32_t& code) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    std::size_t length;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;  // a continuation byte, or a lead that only overlong or too large forms use
    }
    if (i + length > bytes.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[i + k]);
        if ((next & 0xC0) != 0x80) return 0;
        code = (code << 6) | (next & 0x3F);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (overlong || surrogate || code > 0x10FFFF) return 0;
    return length;
}

std::size_t invalidUtf8At(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        std::uint32_t code;
        const std::size_t length = decodedAt(bytes, i, code);
        if (length == 0) return i;
        i += length;
    }
    return std::string_view::npos;
}

std::string shownText(std::string_view text, std::size_t longest) {
    std::string out, piece;
    std::size_t shown = 0;  // characters written, an escape counting all of its own
    for (std::size_t i = 0; i < text.size();) {
        std::uint32_t code = 0;
        const std::size_t length = decodedAt(text, i, code);
        const bool escaped = length == 0 || unsafeToShow(code);
        piece.clear();
        if (length == 0) {
            appendHex(piece, "\\x", static_cast<unsigned char>(text[i]), 2);
        } else if (!unsafeToShow(code)) {
            piece.assign(text.substr(i, length));
        } else if (code < 0x80) {
            appendHex(piece, "\\x", code, 2);
        } else {
            appendHex(piece, "\\u", code, 4);
        }
        const std::size_t width = escaped ? piece.size() : 1;
        if (longest != std::string::npos && shown + width > longest) return out + "…";
        out += piece;
        shown += width;
        i += length == 0 ? 1 : length;
    }
    return out;
}
