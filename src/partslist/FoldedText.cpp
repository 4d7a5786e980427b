#include "partslist/FoldedText.h"

#include "jobfile/Utf16Text.h"
#include "jobfile/Utf8Text.h"

namespace marlo {

namespace {

// The base letters of U+00C0..U+00FF and U+0100..U+017F; '*' marks a sign that stays (× ÷) and
// 'S' the sharp s, which folds to "ss".
constexpr std::string_view kLatin1Letters =
    "aaaaaaaceeeeiiiidnooooo*ouuuuytSaaaaaaaceeeeiiiidnooooo*ouuuuyty";
constexpr std::string_view kLatinExtendedLetters =
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiiiiijjkkklllllll"
    "lllnnnnnnnnnoooooooorrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs";

static_assert(kLatin1Letters.size() == 0x40 && kLatinExtendedLetters.size() == 0x80);

void appendFolded(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        return;
    }
    char base = '*';
    if (c >= 0xC0 && c <= 0xFF) base = kLatin1Letters[c - 0xC0];
    if (c >= 0x100 && c <= 0x17F) base = kLatinExtendedLetters[c - 0x100];
    if (base == 'S') {
        out += "ss";
    } else if (base != '*') {
        out += base;
    } else {
        appendUtf8(out, c);
    }
}

}  // namespace

std::string foldedText(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    while (!text.empty()) {
        char32_t c = 0;
        const std::size_t length = decodeUtf8(text, c);
        if (length == 0) {
            folded += text.front();
            text.remove_prefix(1);
            continue;
        }
        appendFolded(folded, c);
        text.remove_prefix(length);
    }
    return folded;
}

}  // namespace marlo
