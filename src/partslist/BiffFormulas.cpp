#include "partslist/BiffFormulas.h"

#include <bit>
#include <optional>
#include <vector>

#include "jobfile/Cp1250.h"
#include "jobfile/Utf16Text.h"
#include "partslist/CellNumberText.h"
#include "partslist/CompoundFile.h"
#include "partslist/LittleEndian.h"

namespace marlo {

namespace {

constexpr uint16_t kBof = 0x0809;
constexpr uint16_t kEof = 0x000A;
constexpr uint16_t kCodePage = 0x0042;
constexpr uint16_t kBoundSheet = 0x0085;
constexpr uint16_t kFormula = 0x0006;
constexpr uint16_t kString = 0x0207;
constexpr uint16_t kBiff8 = 0x0600;

struct Record {
    uint16_t type = 0;
    std::string_view data;
};

// The records of a workbook stream from one offset on; none past a record that overruns it.
class Records {
  public:
    Records(std::string_view stream, std::size_t at) : stream_(stream), at_(at) {}
    std::optional<Record> next() {
        if (at_ + 4 > stream_.size()) return std::nullopt;
        const std::size_t length = u16At(stream_, at_ + 2);
        if (at_ + 4 + length > stream_.size()) return std::nullopt;
        const Record record{u16At(stream_, at_), stream_.substr(at_ + 4, length)};
        at_ += 4 + length;
        return record;
    }

  private:
    std::string_view stream_;
    std::size_t at_;
};

struct Workbook {
    bool biff8 = true;
    uint16_t codePage = 1252;
    struct Sheet {
        std::string name;
        uint32_t offset = 0;
        bool worksheet = true;
    };
    std::vector<Sheet> sheets;
};

std::string latin1ToUtf8(std::string_view chars) {
    std::string text;
    for (const char c : chars) appendUtf8(text, static_cast<unsigned char>(c));
    return text;
}

// A text of `count` characters at the start of `bytes`: in BIFF8 a flags byte first (bit 0:
// two bytes a character), else bytes of the workbook's code page.
std::string biffText(std::string_view bytes, std::size_t count, const Workbook& workbook) {
    if (!workbook.biff8) {
        const std::string_view chars = bytes.substr(0, count);
        return workbook.codePage == 1250 ? cp1250ToUtf8(chars) : latin1ToUtf8(chars);
    }
    if (bytes.empty()) return {};
    const bool wide = bytes[0] & 1;
    const std::string_view chars = bytes.substr(1, wide ? 2 * count : count);
    if (wide) return utf8FromUtf16("\xFF\xFE" + std::string(chars)).value_or(std::string());
    return latin1ToUtf8(chars);
}

Workbook workbookOf(std::string_view stream) {
    Workbook workbook;
    Records records(stream, 0);
    const std::optional<Record> bof = records.next();
    if (!bof || bof->type != kBof || bof->data.size() < 2) return {};
    workbook.biff8 = u16At(bof->data, 0) == kBiff8;
    for (std::optional<Record> record = records.next(); record && record->type != kEof;
         record = records.next()) {
        const std::string_view data = record->data;
        if (record->type == kCodePage && data.size() >= 2) workbook.codePage = u16At(data, 0);
        if (record->type != kBoundSheet || data.size() < 7) continue;
        const uint32_t offset = u32At(data, 0);
        const std::size_t count = static_cast<unsigned char>(data[6]);
        workbook.sheets.push_back(
            {biffText(data.substr(7), count, workbook), offset, data[5] == 0});
    }
    return workbook;
}

std::string errorText(unsigned char code) {
    switch (code) {
        case 0x00:
            return "#NULL!";
        case 0x07:
            return "#DIV/0!";
        case 0x0F:
            return "#VALUE!";
        case 0x17:
            return "#REF!";
        case 0x1D:
            return "#NAME?";
        case 0x24:
            return "#NUM!";
        default:
            return "#N/A";
    }
}

// The values of the FORMULA records of the sheet whose BOF is at `offset`; a text result follows
// its formula in a STRING record. Records of charts within the sheet (BOF to EOF) are skipped.
FormulaValues sheetFormulas(std::string_view stream, uint32_t offset, const Workbook& workbook) {
    FormulaValues values;
    Records records(stream, offset);
    std::optional<std::pair<uint32_t, uint32_t>> awaitingText;
    int depth = 0;
    for (std::optional<Record> record = records.next(); record; record = records.next()) {
        if (record->type == kBof) ++depth;
        if (record->type == kEof && --depth <= 0) break;
        if (depth != 1) continue;
        const std::string_view data = record->data;
        if (record->type == kString && awaitingText && data.size() >= 2) {
            const std::size_t count = u16At(data, 0);
            values[*awaitingText] = biffText(data.substr(2), count, workbook);
            awaitingText.reset();
        }
        if (record->type != kFormula || data.size() < 14) continue;
        const std::pair<uint32_t, uint32_t> cell{u16At(data, 0), u16At(data, 2)};
        const std::string_view result = data.substr(6, 8);
        awaitingText.reset();
        if (u16At(result, 6) != 0xFFFF) {
            values[cell] =
                cellNumberText(std::bit_cast<double>(littleEndianAt<uint64_t>(result, 0)));
        } else if (result[0] == 0) {
            awaitingText = cell;
        } else if (result[0] == 1) {
            values[cell] = result[2] ? "TRUE" : "FALSE";
        } else if (result[0] == 2) {
            values[cell] = errorText(static_cast<unsigned char>(result[2]));
        }
    }
    return values;
}

}  // namespace

FormulaValues biffFormulaValues(std::string_view fileBytes, std::string_view sheetName,
                                std::size_t sheetIndex) {
    const CompoundFile file(fileBytes);
    std::optional<std::string> stream = file.stream("Workbook");
    if (!stream) stream = file.stream("Book");
    if (!stream) return {};
    const Workbook workbook = workbookOf(*stream);
    for (const Workbook::Sheet& sheet : workbook.sheets)
        if (sheet.name == sheetName) return sheetFormulas(*stream, sheet.offset, workbook);
    std::size_t worksheets = 0;
    for (const Workbook::Sheet& sheet : workbook.sheets)
        if (sheet.worksheet && worksheets++ == sheetIndex)
            return sheetFormulas(*stream, sheet.offset, workbook);
    return {};
}

}  // namespace marlo
