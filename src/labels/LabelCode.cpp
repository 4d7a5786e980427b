#include "labels/LabelCode.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>

namespace marlo {

namespace {

constexpr size_t kReferenceLength = 8;
constexpr size_t kFingerprintLength = 6;

// Six upper-case hex digits of the text's FNV-1a hash: the same name always gives the same
// digits, and two names share them once in some sixteen million.
std::string fingerprintOf(std::string_view text) {
    uint32_t hash = 2166136261u;
    for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string digits(kFingerprintLength, '0');
    for (size_t i = kFingerprintLength; i-- > 0; hash >>= 4) digits[i] = kDigits[hash & 0xF];
    return digits;
}

// The plain letter of the accented letters of the program's languages, by code point.
char plainLetter(uint32_t codePoint) {
    struct Accented {
        uint32_t codePoint;
        char plain;
    };
    static constexpr Accented kLetters[] = {
        {0xC1, 'A'},  {0xC4, 'A'},  {0xC9, 'E'},  {0xCB, 'E'},  {0xCD, 'I'},  {0xCF, 'I'},
        {0xD3, 'O'},  {0xD4, 'O'},  {0xD6, 'O'},  {0xDA, 'U'},  {0xDC, 'U'},  {0xDD, 'Y'},
        {0xE1, 'a'},  {0xE4, 'a'},  {0xE9, 'e'},  {0xEB, 'e'},  {0xED, 'i'},  {0xEF, 'i'},
        {0xF3, 'o'},  {0xF4, 'o'},  {0xF6, 'o'},  {0xFA, 'u'},  {0xFC, 'u'},  {0xFD, 'y'},
        {0x10C, 'C'}, {0x10D, 'c'}, {0x10E, 'D'}, {0x10F, 'd'}, {0x11A, 'E'}, {0x11B, 'e'},
        {0x139, 'L'}, {0x13A, 'l'}, {0x13D, 'L'}, {0x13E, 'l'}, {0x147, 'N'}, {0x148, 'n'},
        {0x154, 'R'}, {0x155, 'r'}, {0x158, 'R'}, {0x159, 'r'}, {0x160, 'S'}, {0x161, 's'},
        {0x164, 'T'}, {0x165, 't'}, {0x16E, 'U'}, {0x16F, 'u'}, {0x17D, 'Z'}, {0x17E, 'z'},
        {0xDF, 's'}};
    for (const Accented& letter : kLetters)
        if (letter.codePoint == codePoint) return letter.plain;
    return 0;
}

// The ASCII letters and digits of a UTF-8 text, accents taken off.
std::string plainLettersAndDigits(std::string_view text) {
    std::string plain;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            if ((lead >= '0' && lead <= '9') || (lead >= 'A' && lead <= 'Z') ||
                (lead >= 'a' && lead <= 'z'))
                plain += static_cast<char>(lead);
            ++i;
            continue;
        }
        const size_t length = (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : 4;
        uint32_t codePoint = lead & (length == 2 ? 0x1F : length == 3 ? 0x0F : 0x07);
        for (size_t k = 1; k < length && i + k < text.size(); ++k)
            codePoint = (codePoint << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        if (const char letter = plainLetter(codePoint)) plain += letter;
        i += length;
    }
    return plain;
}

}  // namespace

std::string labelReference(std::string_view jobFileName, std::string_view customer) {
    if (jobFileName.empty()) {
        std::string reference = plainLettersAndDigits(customer);
        if (reference.size() > kReferenceLength) reference.resize(kReferenceLength);
        return reference.empty() ? "JOB" : reference;
    }
    std::string reference =
        plainLettersAndDigits(std::filesystem::path(jobFileName).stem().string());
    // A name of no Latin letter or digit ("日本", "!!!") would give every such job the same
    // reference: the customer's letters, then a fingerprint of the file's name, keep them apart.
    if (reference.empty()) {
        reference = plainLettersAndDigits(customer);
        reference.resize(std::min(reference.size(), kReferenceLength - kFingerprintLength));
        reference += fingerprintOf(std::filesystem::path(jobFileName).filename().string());
    }
    if (reference.size() > kReferenceLength) reference.resize(kReferenceLength);
    return reference;
}

std::string pieceLabelCode(const std::string& reference, int row, int pattern, int rod, int piece) {
    return reference + '/' + std::to_string(row) + '/' + std::to_string(pattern) + '/' +
           std::to_string(rod) + '/' + std::to_string(piece);
}

}  // namespace marlo
