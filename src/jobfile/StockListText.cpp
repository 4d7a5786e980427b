#include "jobfile/StockListText.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <set>
#include <utility>
#include <variant>

#include "jobfile/AtomicFile.h"
#include "jobfile/CsvText.h"
#include "jobfile/RegularFile.h"
#include "model/NumericText.h"

namespace marlo {

namespace {

constexpr int kColumnCount = 5;  // length, quantity, price, kind, id

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string cellAt(const std::vector<std::string>& cells, size_t index) {
    return index < cells.size() ? decimalPointCell(cells[index]) : std::string();
}

// A text cell without surrounding blanks; its commas stay commas.
std::string textAt(const std::vector<std::string>& cells, size_t index) {
    return index < cells.size() ? std::string(trimmedCell(cells[index])) : std::string();
}

// A number cell's value, unless it is not a number or could be read two ways.
std::optional<double> numberOf(const std::string& cell) {
    if (isAmbiguousNumber(cell)) return std::nullopt;
    return parseNumericText(cell);
}

// "1e308", "2.5E-3": a number as some programs write it, which the lists do not read.
bool isExponentNumber(std::string_view cell) {
    const auto digitsAt = [&](size_t& i) {
        const size_t first = i;
        while (i < cell.size() && cell[i] >= '0' && cell[i] <= '9') ++i;
        return i > first;
    };
    size_t i = 0;
    if (i < cell.size() && (cell[i] == '+' || cell[i] == '-')) ++i;
    bool mantissa = digitsAt(i);
    if (i < cell.size() && cell[i] == '.') mantissa = digitsAt(++i) || mantissa;
    if (!mantissa || i == cell.size() || (cell[i] != 'e' && cell[i] != 'E')) return false;
    if (++i < cell.size() && (cell[i] == '+' || cell[i] == '-')) ++i;
    return digitsAt(i) && i == cell.size();
}

bool isWhole(double value) {
    return value == std::floor(value);
}

// The stock row of one line, or why it is refused.
std::variant<StockItem, StockRowFault> stockRowOf(const std::vector<std::string>& cells) {
    if (cells.size() > kColumnCount) return StockRowFault::ExtraColumns;
    for (size_t number = 0; number < 3; ++number)  // length, quantity, price
        if (isExponentNumber(cellAt(cells, number))) return StockRowFault::Exponent;
    StockItem item;

    const std::optional<double> length = numberOf(cellAt(cells, 0));
    if (!length || !isWhole(*length) || *length < 1 || *length > 32767)
        return StockRowFault::Length;
    item.length = static_cast<int16_t>(*length);

    const std::string kind = lowerCase(cellAt(cells, 3));
    if (kind == "offcut") {
        item.kind = StockKind::Offcut;
    } else if (!kind.empty() && kind != "rod") {
        return StockRowFault::Kind;
    }
    item.id = textAt(cells, 4);

    const std::string quantity = cellAt(cells, 1);
    if (!quantity.empty()) {
        const std::optional<double> value = numberOf(quantity);
        if (!value || !isWhole(*value) || *value < 0 || *value > 2147483647.0)
            return StockRowFault::Quantity;
        item.quantity = static_cast<int32_t>(*value);
    } else if (item.kind == StockKind::Offcut) {
        item.quantity = 1;
    }
    if (item.kind == StockKind::Offcut && !item.id.empty() && *item.quantity > 1)
        return StockRowFault::OffcutQuantity;

    const std::string price = cellAt(cells, 2);
    if (!price.empty()) {
        const std::optional<double> value = numberOf(price);
        if (!value || *value < 0 || !std::isfinite(*value)) return StockRowFault::Price;
        item.price = *value;
    }
    return item;
}

bool isHeader(const std::vector<std::string>& cells) {
    const std::string first = cellAt(cells, 0);
    return !parseNumericText(first) && !isExponentNumber(first);
}

}  // namespace

StockListText parseStockListText(std::string_view text) {
    StockListText result;
    std::set<std::string> ids;
    bool headerPossible = true;
    for (const CsvLine& line : csvLines(text)) {
        if (std::exchange(headerPossible, false) && isHeader(line.cells)) continue;
        const std::variant<StockItem, StockRowFault> row = stockRowOf(line.cells);
        if (const StockRowFault* fault = std::get_if<StockRowFault>(&row)) {
            result.refused.push_back({line.line, *fault});
            continue;
        }
        const StockItem& item = std::get<StockItem>(row);
        if (!item.id.empty() && !ids.insert(item.id).second) {
            result.refused.push_back({line.line, StockRowFault::DuplicateId});
            continue;
        }
        result.list.items.push_back(item);
    }
    const bool anyStock = std::any_of(result.list.items.begin(), result.list.items.end(),
                                      [](const StockItem& item) { return item.quantity != 0; });
    if (!anyStock && result.refused.empty()) result.refused.push_back({0, StockRowFault::NoStock});
    return result;
}

std::string stockListCsv(const StockList& list) {
    std::string out(kUtf8ByteOrderMark);
    appendCsvLine(out, {"length", "quantity", "price", "kind", "id"});
    for (const StockItem& item : list.items) {
        const std::string length = std::to_string(item.length);
        const std::string quantity = item.quantity ? std::to_string(*item.quantity) : "";
        const std::string price = item.price ? shortestNumberText(*item.price) : "";
        const std::string_view kind = item.kind == StockKind::Offcut ? "offcut" : "rod";
        appendCsvLine(out, {length, quantity, price, kind, item.id});
    }
    return out;
}

StockListFileRead readStockListFile(const std::filesystem::path& path) {
    const FileBytes file = readRegularFile(path, kMaxStockListFileBytes);
    switch (file.status) {
        case FileReadStatus::Read:
            return {StockListFileStatus::Read, parseStockListText(tableFileText(file.bytes))};
        case FileReadStatus::CannotRead:
            return {StockListFileStatus::CannotRead, {}};
        case FileReadStatus::TooLarge:
            return {StockListFileStatus::TooLarge, {}};
        case FileReadStatus::NotRegular:
            break;
    }
    return {StockListFileStatus::NotAStockListFile, {}};
}

bool writeStockListFile(const std::filesystem::path& path, const StockList& list) {
    return writeFileAtomically(path, stockListCsv(list));
}

}  // namespace marlo
