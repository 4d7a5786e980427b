#include "ui/common/FilePaths.h"

#include <string>

namespace marlo {

namespace {

constexpr char16_t kEscapedFirst = 0xDC80;
constexpr char16_t kEscapedLast = 0xDCFF;

// The length of the valid UTF-8 sequence at the start of `bytes`, or 0.
size_t validSequence(std::string_view bytes) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    size_t length;
    char32_t lowest;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (bytes.size() < length) return 0;
    char32_t c = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        c = (c << 6) | (byte(i) & 0x3F);
    }
    const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
    return c >= lowest && c <= 0x10FFFF && !surrogate ? length : 0;
}

}  // namespace

QString fileNameText(std::string_view bytes) {
    QString text;
    while (!bytes.empty()) {
        const size_t length = validSequence(bytes);
        if (length == 0) {
            text += QChar(
                static_cast<char16_t>(kEscapedFirst - 0x80 + static_cast<unsigned char>(bytes[0])));
            bytes.remove_prefix(1);
        } else {
            text += QString::fromUtf8(bytes.data(), static_cast<qsizetype>(length));
            bytes.remove_prefix(length);
        }
    }
    return text;
}

std::filesystem::path filePath(const QString& name) {
    std::string bytes;
    qsizetype start = 0;
    // Runs of ordinary text go through UTF-8; each escaped byte goes back as itself.
    for (qsizetype i = 0; i <= name.size(); ++i) {
        const bool escaped = i < name.size() && name[i].unicode() >= kEscapedFirst &&
                             name[i].unicode() <= kEscapedLast;
        if (i < name.size() && !escaped) continue;
        bytes += name.mid(start, i - start).toStdString();
        if (escaped) bytes += static_cast<char>(name[i].unicode() - kEscapedFirst + 0x80);
        start = i + 1;
    }
    return std::filesystem::path(bytes);
}

}  // namespace marlo
