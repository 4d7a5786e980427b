#include "jobfile/Utf16Text.h"

#include <cstdint>

namespace marlo {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::optional<std::string> utf8FromUtf16(std::string_view bytes) {
    if (bytes.size() < 2) return std::nullopt;
    const auto first = static_cast<unsigned char>(bytes[0]);
    const auto second = static_cast<unsigned char>(bytes[1]);
    bool littleEndian;
    if (first == 0xFF && second == 0xFE) {
        littleEndian = true;
    } else if (first == 0xFE && second == 0xFF) {
        littleEndian = false;
    } else {
        return std::nullopt;
    }
    const auto unitAt = [&](size_t i) {
        const auto low = static_cast<unsigned char>(bytes[littleEndian ? i : i + 1]);
        const auto high = static_cast<unsigned char>(bytes[littleEndian ? i + 1 : i]);
        return static_cast<char16_t>(high << 8 | low);
    };
    std::string text;
    text.reserve(bytes.size() / 2);
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const char16_t unit = unitAt(i);
        if (isHighSurrogate(unit) && i + 3 < bytes.size() && isLowSurrogate(unitAt(i + 2))) {
            appendUtf8(text,
                       0x10000 + ((char32_t{unit} - 0xD800) << 10) + (unitAt(i + 2) - 0xDC00));
            i += 2;
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            appendUtf8(text, kReplacement);
        } else {
            appendUtf8(text, unit);
        }
    }
    return text;
}

}  // namespace marlo
