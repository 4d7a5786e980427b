#pragma once

#include <string>
#include <vector>

#include "i18n/Language.h"

namespace marlo {

// Every text the user sees, in five languages, fetched by language base + offset (1..199), and the
// texts of the workshop features by offset alone (1000..1999).
// Texts are UTF-8; leading and trailing blanks are part of the text.
class StringCatalogue {
  public:
    explicit StringCatalogue(Language language = Language::Slovak) : language_(language) {}

    Language language() const { return language_; }
    void setLanguage(Language language) { language_ = language; }

    // The text of the current language at this offset.
    const std::string& text(int offset) const;
    // The text with id = base + offset (ids 101..299, 301..499, ...).
    static const std::string& byId(int id);

  private:
    Language language_;
};

// The text with %1, %2, %3 replaced by the values.
std::string fillIn(const std::string& text, const std::vector<std::string>& values);

// Offsets of the messages that the core hands to its callers.
namespace msg {
inline constexpr int kNotSupportedFormat = 57;     // "This format is not supported"
inline constexpr int kTooManyPieces = 58;          // over 20000 single pieces
inline constexpr int kTooManyPatterns = 59;        // a 51st rod pattern
inline constexpr int kNotANumber = 60;             // a list cell that is not a valid number
inline constexpr int kCannotWriteFile = 61;        // followed by the file's path
inline constexpr int kCannotOpenSpreadsheet = 62;  // followed by the file's path
inline constexpr int kDimensionTooLong = 64;   // "Some dimension is greater than the rod length..."
inline constexpr int kError = 80;              // title of error boxes
inline constexpr int kTooManyDimensions = 87;  // more than 100 distinct dimensions in a report
inline constexpr int kCannotReadFile = 88;     // followed by the file's path
inline constexpr int kNotPositive = 89;        // a dimension of 0 or below, or negative pieces
inline constexpr int kNothingToOptimise = 90;  // no piece left to optimise
inline constexpr int kInterrupted = 52;        // "Optimization interrupted!"
inline constexpr int kTooManyShortDimensions = 94;  // a rod would take a 98th piece
}  // namespace msg

}  // namespace marlo
