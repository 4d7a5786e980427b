#include "partslist/PartRow.h"

#include <cmath>
#include <utility>
#include <variant>

#include "i18n/texts/PartsListTexts.h"
#include "jobfile/CsvText.h"
#include "jobfile/Utf8Text.h"
#include "model/NumericText.h"

namespace marlo {

namespace {

// A cell is shown in a message up to this many bytes, cut at a whole character.
constexpr std::size_t kShownCellBytes = 60;

std::string_view cellAt(const SheetRow& row, const std::optional<std::size_t>& place) {
    if (!place || *place >= row.cells.size()) return {};
    return trimmedCell(row.cells[*place]);
}

// The text on one line, as marks, materials and notes are shown: malformed UTF-8 replaced, line
// breaks, tabs and other control characters as blanks.
std::string oneLineText(std::string_view cell) {
    std::string text = withMalformedUtf8Replaced(cell);
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return std::string(trimmedCell(text));
}

std::string shownCell(std::string_view cell) {
    std::string text = oneLineText(cell);
    if (text.size() <= kShownCellBytes) return text;
    std::size_t cut = kShownCellBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return text.substr(0, cut) + "…";
}

// A number cell's value, or the reason it has none: notANumber, or kAmbiguousNumber for
// "1.250" typed in a text file.
std::variant<double, int> numberOf(std::string_view cell, int notANumber, bool typedNumbers) {
    if (typedNumbers && isAmbiguousNumber(cell)) return parts_text::kAmbiguousNumber;
    const std::optional<double> value = parseNumericText(decimalPointCell(cell));
    if (!value || !std::isfinite(*value)) return notANumber;
    return *value;
}

class RowReader {
  public:
    RowReader(const SheetRow& row, const PartRowRules& rules) : row_(row), rules_(rules) {}

    PartRowRead read() {
        Part part;
        if (!readLength(part) || !readPieces(part) || !readMaterial(part) ||
            !readAngle(PartColumn::StartAngle, part.startAngle) ||
            !readAngle(PartColumn::EndAngle, part.endAngle))
            return std::move(result_);
        part.mark = oneLineText(cell(PartColumn::Mark));
        part.order = oneLineText(cell(PartColumn::Order));
        part.note = oneLineText(cell(PartColumn::Note));
        result_.part = std::move(part);
        return std::move(result_);
    }

  private:
    std::string_view cell(PartColumn column) const {
        return cellAt(row_, rules_.places[static_cast<std::size_t>(column)]);
    }

    bool refuse(int reason, std::string_view text) {
        result_.refusal = {row_.number, reason, shownCell(text)};
        return false;
    }

    // The cell's value, or nothing once the row is refused.
    std::optional<double> number(PartColumn column, int missing, int notANumber) {
        const std::string_view text = cell(column);
        if (text.empty()) {
            refuse(missing, text);
            return std::nullopt;
        }
        const std::variant<double, int> value = numberOf(text, notANumber, rules_.typedNumbers);
        if (const int* reason = std::get_if<int>(&value)) {
            refuse(*reason, text);
            return std::nullopt;
        }
        return std::get<double>(value);
    }

    bool readLength(Part& part) {
        const std::optional<double> length =
            number(PartColumn::Length, parts_text::kLengthMissing, parts_text::kLengthNotANumber);
        if (!length) return false;
        const double rounded = std::round(*length);
        if (rounded < 1 || rounded > kMaxPartLength)
            return refuse(parts_text::kLengthOutOfRange, cell(PartColumn::Length));
        if (rounded != *length)
            result_.warnings.push_back(
                {row_.number, parts_text::kLengthRounded, shownCell(cell(PartColumn::Length))});
        part.length = static_cast<int32_t>(rounded);
        return true;
    }

    bool readPieces(Part& part) {
        const std::optional<double> pieces =
            number(PartColumn::Pieces, parts_text::kPiecesMissing, parts_text::kPiecesNotANumber);
        if (!pieces) return false;
        if (*pieces != std::floor(*pieces) || *pieces < 1 || *pieces > kMaxPartPieces)
            return refuse(parts_text::kPiecesOutOfRange, cell(PartColumn::Pieces));
        part.pieces = static_cast<int32_t>(*pieces);
        return true;
    }

    bool readMaterial(Part& part) {
        part.material = oneLineText(cell(PartColumn::Material));
        if (part.material.empty()) part.material = oneLineText(rules_.defaultMaterial);
        return !part.material.empty() || refuse(parts_text::kMaterialMissing, {});
    }

    // An empty angle cell is a square end.
    bool readAngle(PartColumn column, double& angle) {
        const std::string_view text = cell(column);
        if (text.empty()) return true;
        const std::variant<double, int> value =
            numberOf(text, parts_text::kAngleNotANumber, rules_.typedNumbers);
        if (const int* reason = std::get_if<int>(&value)) return refuse(*reason, text);
        angle = std::get<double>(value);
        if (std::abs(angle) > kMaxPartAngle) return refuse(parts_text::kAngleOutOfRange, text);
        if (angle == 0) angle = 0;  // no "-0"
        return true;
    }

    const SheetRow& row_;
    const PartRowRules& rules_;
    PartRowRead result_;
};

}  // namespace

PartRowRead readPartRow(const SheetRow& row, const PartRowRules& rules) {
    return RowReader(row, rules).read();
}

}  // namespace marlo
