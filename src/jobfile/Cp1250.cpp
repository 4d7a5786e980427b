#include "jobfile/Cp1250.h"

#include <array>
#include <cstdint>

#include "jobfile/Utf16Text.h"

namespace marlo {

namespace {

// Code points of the bytes 0x80 to 0xFF.
constexpr std::array<char32_t, 128> kHighHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  //
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  //
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  //
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  //
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  //
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  //
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  //
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  //
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  //
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  //
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  //
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  //
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

char encodeCodePoint(char32_t c) {
    if (c < 0x80) return static_cast<char>(c);
    for (size_t i = 0; i < kHighHalf.size(); ++i) {
        if (kHighHalf[i] == c) return static_cast<char>(0x80 + i);
    }
    return '?';
}

// Decodes one well-formed UTF-8 sequence at the start of `in` and returns its length, or 0 when
// the bytes there are malformed (stray continuation, truncation, overlong form, surrogate or a
// value beyond U+10FFFF).
size_t decodeUtf8(std::string_view in, char32_t& c) {
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

}  // namespace

std::string cp1250ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char b : bytes) {
        const auto value = static_cast<uint8_t>(b);
        appendUtf8(out, value < 0x80 ? char32_t{value} : kHighHalf[value - 0x80]);
    }
    return out;
}

std::string utf8ToCp1250(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        char32_t c = 0;
        const size_t length = decodeUtf8(utf8, c);
        out += length == 0 ? '?' : encodeCodePoint(c);
        utf8.remove_prefix(length == 0 ? 1 : length);
    }
    return out;
}

bool fitsCp1250(std::string_view utf8) {
    return cp1250ToUtf8(utf8ToCp1250(utf8)) == utf8;
}

}  // namespace marlo
