#include "reports/XlsxWriter.h"

#include <xlsxwriter.h>

#include <cctype>
#include <map>
#include <set>
#include <system_error>
#include <variant>

#include "jobfile/AtomicFile.h"
#include "reports/ColumnWriter.h"
#include "reports/TextReport.h"

namespace marlo {

namespace {

lxw_color_t colourOf(Rgb rgb) {
    const lxw_color_t colour = (rgb.red << 16) | (rgb.green << 8) | rgb.blue;
    // The library reads 0 as "no colour".
    return colour == 0 ? static_cast<lxw_color_t>(LXW_COLOR_BLACK) : colour;
}

uint8_t borderOf(BorderLine line) {
    switch (line) {
        case BorderLine::None:
            return LXW_BORDER_NONE;
        case BorderLine::Hairline:
            return LXW_BORDER_HAIR;
        case BorderLine::Thin:
            return LXW_BORDER_THIN;
        case BorderLine::Medium:
            return LXW_BORDER_MEDIUM;
    }
    return LXW_BORDER_NONE;
}

void setAlignment(lxw_format* format, HorizontalAlignment alignment) {
    switch (alignment) {
        case HorizontalAlignment::General:
            break;
        case HorizontalAlignment::Left:
            format_set_align(format, LXW_ALIGN_LEFT);
            break;
        case HorizontalAlignment::Centre:
            format_set_align(format, LXW_ALIGN_CENTER);
            break;
        case HorizontalAlignment::Right:
            format_set_align(format, LXW_ALIGN_RIGHT);
            break;
    }
}

void setAlignment(lxw_format* format, VerticalAlignment alignment) {
    switch (alignment) {
        case VerticalAlignment::Top:
            format_set_align(format, LXW_ALIGN_VERTICAL_TOP);
            break;
        case VerticalAlignment::Centre:
            format_set_align(format, LXW_ALIGN_VERTICAL_CENTER);
            break;
        case VerticalAlignment::Bottom:
            break;  // the default of every cell
    }
}

// The workbook's formats, one per distinct cell style: the library attaches a format to each
// cell as it is written, so equal styles share one.
class FormatTable {
  public:
    explicit FormatTable(lxw_workbook* workbook) : workbook_(workbook) {}

    lxw_format* formatOf(const CellStyle& style) {
        auto [entry, added] = formats_.try_emplace(style, nullptr);
        if (added) entry->second = compose(style);
        return entry->second;
    }

  private:
    lxw_format* compose(const CellStyle& style) {
        lxw_format* format = workbook_add_format(workbook_);
        format_set_font_name(format, style.fontName.c_str());
        format_set_font_size(format, style.fontSize);
        if (style.bold) format_set_bold(format);
        if (style.fontColour) format_set_font_color(format, colourOf(*style.fontColour));
        setAlignment(format, style.horizontal);
        setAlignment(format, style.vertical);
        if (style.wrapText) format_set_text_wrap(format);
        if (style.fill) {
            format_set_pattern(format, LXW_PATTERN_SOLID);
            format_set_bg_color(format, colourOf(*style.fill));
        }
        if (!style.numberFormat.empty()) {
            format_set_num_format(format, style.numberFormat.c_str());
        }
        format_set_left(format, borderOf(style.left));
        format_set_top(format, borderOf(style.top));
        format_set_right(format, borderOf(style.right));
        format_set_bottom(format, borderOf(style.bottom));
        return format;
    }

    lxw_workbook* workbook_;
    std::map<CellStyle, lxw_format*> formats_;
};

lxw_row_t rowOf(CellRef cell) {
    return static_cast<lxw_row_t>(cell.row - 1);
}

lxw_col_t columnOf(CellRef cell) {
    return static_cast<lxw_col_t>(cell.column - 1);
}

lxw_error writeCell(lxw_worksheet* worksheet, CellRef cell, const CellValue& value,
                    lxw_format* format) {
    const lxw_row_t row = rowOf(cell);
    const lxw_col_t column = columnOf(cell);
    if (const auto* number = std::get_if<double>(&value)) {
        return worksheet_write_number(worksheet, row, column, *number, format);
    }
    if (const auto* text = std::get_if<std::string>(&value)) {
        return worksheet_write_string(worksheet, row, column, text->c_str(), format);
    }
    return worksheet_write_blank(worksheet, row, column, format);
}

// Fills the worksheet; false when the library refused any part of it.
bool fillWorksheet(lxw_workbook* workbook, lxw_worksheet* worksheet,
                   const SpreadsheetModel& sheet) {
    FormatTable formats(workbook);
    bool written = true;
    auto check = [&](lxw_error error) { written = written && error == LXW_NO_ERROR; };

    // A merge writes its whole range with the format of its first cell; every cell is then
    // written again with its own value and format, so the outline of a merged area keeps its
    // lines.
    std::set<CellRef> cells;
    for (const CellRange& range : sheet.merges()) {
        check(worksheet_merge_range(worksheet, rowOf(range.first), columnOf(range.first),
                                    rowOf(range.last), columnOf(range.last), "",
                                    formats.formatOf(sheet.style(range.first))));
        for (int row = range.first.row; row <= range.last.row; ++row) {
            for (int column = range.first.column; column <= range.last.column; ++column) {
                cells.insert({row, column});
            }
        }
    }
    for (const CellRef& cell : sheet.usedCells()) cells.insert(cell);
    for (const CellRef& cell : cells) {
        check(writeCell(worksheet, cell, sheet.value(cell), formats.formatOf(sheet.style(cell))));
    }
    for (const auto& [column, width] : sheet.columnWidths()) {
        const auto index = static_cast<lxw_col_t>(column - 1);
        check(worksheet_set_column(worksheet, index, index, width, nullptr));
    }
    for (const auto& [row, height] : sheet.rowHeights()) {
        check(worksheet_set_row(worksheet, static_cast<lxw_row_t>(row - 1), height, nullptr));
    }
    if (!sheet.gridlines()) worksheet_gridlines(worksheet, LXW_HIDE_ALL_GRIDLINES);
    const CellRef selected = sheet.selection();
    worksheet_set_selection(worksheet, rowOf(selected), columnOf(selected), rowOf(selected),
                            columnOf(selected));
    return written;
}

// The first `characters` characters of a UTF-8 text.
std::string utf8Prefix(const std::string& text, int characters) {
    return text.substr(0, byteOffsetOfCharacter(text, characters));
}

// Worksheet names as a tab takes them: without the characters a workbook refuses, at most 31
// characters (UTF-8 kept whole), and unique, case aside, by a number in brackets.
std::vector<std::string> tabNames(std::span<const NamedSheet> sheets) {
    std::vector<std::string> names;
    std::set<std::string> taken;
    for (const NamedSheet& sheet : sheets) {
        std::string base;
        for (const char c : sheet.name)
            base += std::string_view("[]:*?/\\").find(c) == std::string_view::npos ? c : '_';
        if (base.empty()) base = "-";
        std::string name = base;
        for (int number = 2;; ++number) {
            name = utf8Prefix(name, 31);
            std::string folded = name;
            for (char& c : folded)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (taken.insert(folded).second) break;
            const std::string suffix = " (" + std::to_string(number) + ")";
            name = utf8Prefix(base, 31 - static_cast<int>(suffix.size())) + suffix;
        }
        names.push_back(name);
    }
    return names;
}

}  // namespace

bool writeXlsx(const SpreadsheetModel& sheet, const std::filesystem::path& path) {
    // The library writes the file itself: into the temporary that replaces the target once the
    // workbook is complete.
    return produceFileAtomically(path, [&sheet](const std::filesystem::path& temporary) {
        lxw_workbook* workbook = workbook_new(temporary.c_str());
        if (!workbook) return false;
        lxw_worksheet* worksheet = workbook_add_worksheet(workbook, nullptr);
        const bool filled = worksheet && fillWorksheet(workbook, worksheet, sheet);
        // Closing writes the file and frees the workbook whatever happened before.
        const bool closed = workbook_close(workbook) == LXW_NO_ERROR;
        return filled && closed;
    });
}

bool writeXlsx(std::span<const NamedSheet> sheets, const std::filesystem::path& path) {
    const std::vector<std::string> names = tabNames(sheets);
    return produceFileAtomically(path, [&](const std::filesystem::path& temporary) {
        lxw_workbook* workbook = workbook_new(temporary.c_str());
        if (!workbook) return false;
        bool filled = true;
        for (size_t i = 0; i < sheets.size(); ++i) {
            lxw_worksheet* worksheet = workbook_add_worksheet(workbook, names[i].c_str());
            filled = filled && worksheet && fillWorksheet(workbook, worksheet, sheets[i].sheet);
        }
        const bool closed = workbook_close(workbook) == LXW_NO_ERROR;
        return filled && closed;
    });
}

std::filesystem::path uniqueSpreadsheetPath(const std::string& jobFileName,
                                            const StringCatalogue& catalogue,
                                            const std::filesystem::path& folder) {
    std::string name =
        std::filesystem::path(proposedReportFileName(jobFileName, catalogue)).filename().string();
    if (name.empty()) name = proposedReportFileName("", catalogue);
    std::error_code ignored;
    std::filesystem::path candidate = folder / (name + ".xlsx");
    for (int number = 2; std::filesystem::exists(candidate, ignored); ++number) {
        candidate = folder / (name + " (" + std::to_string(number) + ").xlsx");
    }
    return candidate;
}

}  // namespace marlo
