#include "jobfile/Utf8Text.h"

#include <cstdint>

#include "jobfile/Utf16Text.h"

namespace marlo {

namespace {

// C0 and C1 controls, DEL and the Unicode line and paragraph separators.
bool isControlOrLineBreak(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

// Unicode's white space outside the controls.
bool isBlank(char32_t c) {
    return c == 0x20 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

}  // namespace

std::size_t decodeUtf8(std::string_view in, char32_t& c) {
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(in[i]); };
    const uint8_t lead = byte(0);
    if (lead < 0x80) {
        c = lead;
        return 1;
    }
    size_t length = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        minimum = 0x80;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        minimum = 0x800;
        c = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        minimum = 0x10000;
        c = lead & 0x07;
    } else {
        return 0;
    }
    if (in.size() < length) return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        c = (c << 6) | (byte(i) & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return length;
}

bool isValidUtf8(std::string_view text) {
    while (!text.empty()) {
        char32_t c = 0;
        const size_t length = decodeUtf8(text, c);
        if (length == 0) return false;
        text.remove_prefix(length);
    }
    return true;
}

std::string withMalformedUtf8Replaced(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        char32_t c = 0;
        const size_t length = decodeUtf8(text, c);
        if (length == 0) {
            appendUtf8(out, 0xFFFD);
            text.remove_prefix(1);
        } else {
            out += text.substr(0, length);
            text.remove_prefix(length);
        }
    }
    return out;
}

bool isOneLineName(std::string_view name) {
    bool blank = true;
    while (!name.empty()) {
        char32_t c = 0;
        const size_t length = decodeUtf8(name, c);
        if (length == 0 || isControlOrLineBreak(c)) return false;
        blank = blank && isBlank(c);
        name.remove_prefix(length);
    }
    return !blank;
}

}  // namespace marlo
