#include "diagram/TextMetrics.h"

#include <array>
#include <cstdint>

namespace marlo {

namespace {

// Advance widths of the printable ASCII characters (32..126) in thousandths of the font size.
// clang-format off
constexpr std::array<uint16_t, 95> kRegular = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778,
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,
    333, 556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,
    556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584};
constexpr std::array<uint16_t, 95> kBold = {
    278, 333, 474, 556, 556, 889, 722, 238, 333, 333, 389, 584, 278, 333, 278, 278,
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 333, 333, 584, 584, 584, 611,
    975, 722, 722, 722, 722, 667, 611, 778, 722, 278, 556, 722, 611, 833, 722, 778,
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 333, 278, 333, 584, 556,
    333, 556, 611, 556, 611, 556, 333, 611, 611, 278, 278, 556, 278, 889, 611, 611,
    611, 611, 389, 556, 333, 611, 556, 778, 556, 556, 500, 389, 280, 389, 584};
// clang-format on

// Letters outside ASCII (accented Latin letters, the multiplication sign, the ellipsis): as
// wide as the widest common capitals.
constexpr uint16_t kOther = 778;

// The length in bytes of the UTF-8 sequence that starts with this byte.
size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

double advance(std::string_view text, size_t at, bool bold) {
    const auto c = static_cast<unsigned char>(text[at]);
    if (c >= 32 && c <= 126) return (bold ? kBold : kRegular)[c - 32];
    return c < 32 ? 0 : kOther;
}

}  // namespace

double textWidthMm(std::string_view text, double sizePt, bool bold) {
    double thousandths = 0;
    for (size_t i = 0; i < text.size(); i += sequenceLength(static_cast<unsigned char>(text[i])))
        thousandths += advance(text, i, bold);
    return thousandths / 1000.0 * sizePt * kMmPerPoint;
}

double lineHeightMm(double sizePt) {
    return sizePt * kMmPerPoint * 1.25;
}

std::string elideText(std::string_view text, double sizePt, bool bold, double widthMm) {
    if (textWidthMm(text, sizePt, bold) <= widthMm) return std::string(text);
    static constexpr std::string_view kEllipsis = "\u2026";
    const double room = widthMm - textWidthMm(kEllipsis, sizePt, bold);
    if (room < 0) return {};
    size_t end = 0;
    double used = 0;
    while (end < text.size()) {
        const size_t next = end + sequenceLength(static_cast<unsigned char>(text[end]));
        const double width = advance(text, end, bold) / 1000.0 * sizePt * kMmPerPoint;
        if (used + width > room || next > text.size()) break;
        used += width;
        end = next;
    }
    return std::string(text.substr(0, end)) + std::string(kEllipsis);
}

}  // namespace marlo
