#include "reports/PartsExport.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <variant>
#include <vector>

#include "i18n/texts/ProductionJobTexts.h"
#include "jobfile/AtomicFile.h"
#include "jobfile/CsvText.h"
#include "model/NumericText.h"
#include "reports/XlsxWriter.h"

namespace marlo {

namespace {

constexpr std::array kCaptions = {job_text::kMark,       job_text::kMaterial, job_text::kLength,
                                  job_text::kPieces,     job_text::kOrder,    job_text::kNote,
                                  job_text::kStartAngle, job_text::kEndAngle};

using PartCells = std::array<CellValue, kCaptions.size()>;

// A part's row, a cell under each caption: texts and numbers.
PartCells cellsOf(const Part& part) {
    return {part.mark,
            part.material,
            static_cast<double>(part.length),
            static_cast<double>(part.pieces),
            part.order,
            part.note,
            part.startAngle,
            part.endAngle};
}

// The CSV readers end a row at every line break, also inside quotes; so a text is written on one
// line, its line breaks as blanks, as a *.opt job keeps them.
std::string oneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

// Width of a sheet column in characters: its longest text, within bounds that keep a long note
// from taking the whole screen.
double columnWidth(std::size_t longest) {
    return static_cast<double>(std::clamp<std::size_t>(longest, 8, 60)) + 2;
}

// Characters of a UTF-8 text, for the column widths.
std::size_t characters(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace

std::string partsCsv(const ProductionJob& job, const StringCatalogue& catalogue) {
    std::string csv(kUtf8ByteOrderMark);
    std::vector<std::string_view> line;
    for (const int caption : kCaptions) line.push_back(catalogue.text(caption));
    appendCsvLine(csv, line);
    std::array<std::string, kCaptions.size()> texts;
    for (const PartRow& row : job.parts) {
        const PartCells cells = cellsOf(row.part);
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const double* number = std::get_if<double>(&cells[i]);
            texts[i] =
                number ? shortestNumberText(*number) : oneLine(std::get<std::string>(cells[i]));
            line[i] = texts[i];
        }
        appendCsvLine(csv, line);
    }
    return csv;
}

SpreadsheetModel partsSheet(const ProductionJob& job, const StringCatalogue& catalogue) {
    SpreadsheetModel sheet;
    std::array<std::size_t, kCaptions.size()> longest{};
    for (std::size_t i = 0; i < kCaptions.size(); ++i) {
        const std::string& caption = catalogue.text(kCaptions[i]);
        sheet.setText({1, static_cast<int>(i) + 1}, caption);
        longest[i] = characters(caption);
    }
    sheet.setBold(CellRange({1, 1}, {1, static_cast<int>(kCaptions.size())}), true);
    int r = 1;
    for (const PartRow& row : job.parts) {
        ++r;
        const PartCells cells = cellsOf(row.part);
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const CellRef cell{r, static_cast<int>(i) + 1};
            if (const double* number = std::get_if<double>(&cells[i])) {
                sheet.setNumber(cell, *number);
            } else if (const std::string& text = std::get<std::string>(cells[i]); !text.empty()) {
                sheet.setText(cell, text);
                longest[i] = std::max(longest[i], characters(text));
            }
        }
    }
    for (std::size_t i = 0; i < longest.size(); ++i) {
        const int column = static_cast<int>(i) + 1;
        sheet.setColumnWidth(column, column, columnWidth(longest[i]));
    }
    return sheet;
}

std::optional<PartsFileType> partsFileType(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".csv") return PartsFileType::Csv;
    if (extension == ".xlsx") return PartsFileType::Xlsx;
    return std::nullopt;
}

bool writePartsFile(const std::filesystem::path& path, PartsFileType type, const ProductionJob& job,
                    const StringCatalogue& catalogue) {
    if (type == PartsFileType::Xlsx) return writeXlsx(partsSheet(job, catalogue), path);
    return writeFileAtomically(path, partsCsv(job, catalogue));
}

}  // namespace marlo
