#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace marlo {

// Receives the output of a ColumnWriter: runs of text (spaces included) with the column at
// which each run starts, and the ends of lines. A file writer keeps the text; a printer can
// place each run at its column.
class LineSink {
  public:
    virtual ~LineSink() = default;
    virtual void write(int column, std::string_view text) = 0;
    virtual void endLine() = 0;
};

// Collects the lines as one UTF-8 string, each line ended by `lineEnd`.
class StringLineSink : public LineSink {
  public:
    explicit StringLineSink(std::string_view lineEnd = "\r\n") : lineEnd_(lineEnd) {}

    void write(int, std::string_view text) override { text_ += text; }
    void endLine() override { text_ += lineEnd_; }
    const std::string& text() const { return text_; }

  private:
    std::string lineEnd_;
    std::string text_;
};

// Writes items at print positions of a fixed-pitch line: the current column starts at 1 on
// every line and counts characters (UTF-8 code points), not bytes.
class ColumnWriter {
  public:
    explicit ColumnWriter(LineSink& sink) : sink_(sink) {}

    int column() const { return column_; }

    // Writes n spaces.
    void spc(int n);
    // Moves to column n (at least 1) by writing spaces; a line already past n is ended first
    // and the next one is indented to n.
    void tab(int n);
    // Writes the text unchanged.
    void text(std::string_view utf8);
    // Writes a space (a minus sign for a negative value), the digits and one trailing space.
    void number(long long value);
    void endLine();

    // Tab so that the text ends in `lastColumn`, then the text.
    void textEndingAt(std::string_view utf8, int lastColumn);
    // Tab so that the last digit stands in `lastColumn`, then the number item.
    void numberEndingAt(long long value, int lastColumn);

  private:
    LineSink& sink_;
    int column_ = 1;
};

// Number of characters (code points) of a UTF-8 text.
int characterCount(std::string_view utf8);
// Byte offset of the character at 0-based `index`, or the text's size when it is shorter.
size_t byteOffsetOfCharacter(std::string_view utf8, int index);

}  // namespace marlo
