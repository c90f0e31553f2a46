// SPDX-License-Identifier: GPL-3.0-or-later
#include "showntext.h"

#include <algorithm>
#include <vector>

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

namespace {

// Characters a terminal acts on, or that reorder what follows them.
// Invisible ones too (zero-width spaces and joiners, the byte order mark):
// they would make two different texts look the same.
bool unsafeToShow(std::uint32_t code) {
    return code < 0x20 || (code >= 0x7F && code <= 0x9F) || code == 0x061C || (code >= 0x200B && code <= 0x200F) ||
           (code >= 0x2028 && code <= 0x202E) || (code >= 0x2060 && code <= 0x2069) || code == 0xFEFF;
}

void appendHex(std::string& out, const char* prefix, std::uint32_t value, int digits) {
    static constexpr char hex[] = "0123456789ABCDEF";
    out += prefix;
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) out += hex[(value >> shift) & 15];
}

}  // namespace

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

namespace {

// The character at byte i as a message shows it, with the width it takes
// there and its length in the text.
struct ShownPiece {
    std::string text;
    std::size_t width = 1, length = 1;
};

ShownPiece shownPieceAt(std::string_view text, std::size_t i) {
    ShownPiece piece;
    std::uint32_t code = 0;
    const std::size_t length = decodedAt(text, i, code);
    if (length == 0) {
        appendHex(piece.text, "\\x", static_cast<unsigned char>(text[i]), 2);
    } else if (!unsafeToShow(code)) {
        piece.text.assign(text.substr(i, length));
    } else {
        appendHex(piece.text, code < 0x80 ? "\\x" : "\\u", code, code < 0x80 ? 2 : 4);
    }
    const bool escaped = length == 0 || unsafeToShow(code);
    piece.width = escaped ? piece.text.size() : 1;
    piece.length = length == 0 ? 1 : length;
    return piece;
}

}  // namespace

std::string shownText(std::string_view text, std::size_t longest) {
    std::string out;
    std::size_t shown = 0;  // characters written, an escape counting all of its own
    for (std::size_t i = 0; i < text.size();) {
        const ShownPiece piece = shownPieceAt(text, i);
        if (longest != std::string::npos && shown + piece.width > longest) return out + "…";
        out += piece.text;
        shown += piece.width;
        i += piece.length;
    }
    return out;
}

MarkedLine markedLine(std::string_view text, std::size_t position, std::size_t longest) {
    std::vector<ShownPiece> pieces;
    std::size_t marked = 0;  // the piece holding the byte at position
    for (std::size_t i = 0; i < text.size(); i += pieces.back().length) {
        if (i <= position) marked = pieces.size();
        pieces.push_back(shownPieceAt(text, i));
    }
    if (position >= text.size()) marked = pieces.size();
    // Grow a window around the mark, a character each side in turn.
    std::size_t from = marked, to = std::min(marked + 1, pieces.size());
    std::size_t width = to > from ? pieces[from].width : 0;
    for (bool grew = true; grew;) {
        grew = false;
        if (to < pieces.size() && width + pieces[to].width <= longest) {
            width += pieces[to++].width;
            grew = true;
        }
        if (from > 0 && width + pieces[from - 1].width <= longest) {
            width += pieces[--from].width;
            grew = true;
        }
    }
    MarkedLine line;
    if (from > 0) line.line = "…";
    line.mark = from > 0 ? 1 : 0;
    for (std::size_t k = from; k < to; ++k) {
        if (k < marked) line.mark += pieces[k].width;
        line.line += pieces[k].text;
    }
    if (to < pieces.size()) line.line += "…";
    return line;
}
