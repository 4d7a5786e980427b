#include "reports/ColumnWriter.h"

#include <string>

namespace marlo {

namespace {

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The signed decimal text of a value as a number item shows it before its trailing space:
// a leading space for values of 0 and above, the minus sign otherwise.
std::string signedDecimal(long long value) {
    std::string digits = std::to_string(value);
    return value < 0 ? digits : " " + digits;
}

}  // namespace

int characterCount(std::string_view utf8) {
    int count = 0;
    for (char c : utf8) {
        if (!isContinuationByte(c)) ++count;
    }
    return count;
}

size_t byteOffsetOfCharacter(std::string_view utf8, int index) {
    for (size_t offset = 0; offset < utf8.size(); ++offset) {
        if (!isContinuationByte(utf8[offset]) && index-- == 0) return offset;
    }
    return utf8.size();
}

void ColumnWriter::spc(int n) {
    if (n <= 0) return;
    sink_.write(column_, std::string(static_cast<size_t>(n), ' '));
    column_ += n;
}

void ColumnWriter::tab(int n) {
    if (n < 1) n = 1;
    if (column_ > n) endLine();
    spc(n - column_);
}

void ColumnWriter::text(std::string_view utf8) {
    if (utf8.empty()) return;
    sink_.write(column_, utf8);
    column_ += characterCount(utf8);
}

void ColumnWriter::number(long long value) {
    text(signedDecimal(value) + " ");
}

void ColumnWriter::endLine() {
    sink_.endLine();
    column_ = 1;
}

void ColumnWriter::textEndingAt(std::string_view utf8, int lastColumn) {
    tab(lastColumn + 1 - characterCount(utf8));
    text(utf8);
}

void ColumnWriter::numberEndingAt(long long value, int lastColumn) {
    tab(lastColumn + 1 - static_cast<int>(signedDecimal(value).size()));
    number(value);
}

}  // namespace marlo
