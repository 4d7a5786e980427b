#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "model/StockList.h"

namespace marlo {

// A stock list as CSV text: a header row `length;quantity;price;kind;id`, then one stock row per
// line. Only the length is required; an empty quantity is unlimited (one piece for an offcut), an
// empty price is derived from the price per metre, an empty kind is a new rod. Separators, quotes,
// byte-order mark and decimal commas are read as in cutting-list files.

// Why a line of a stock list was refused.
enum class StockRowFault {
    Length,          // not a whole number from 1 to 32767
    Quantity,        // not a whole number from 0 up
    Price,           // not a number from 0 up
    Kind,            // neither "rod" nor "offcut"
    DuplicateId,     // an identifier that an earlier line already has
    OffcutQuantity,  // an identified offcut is one piece: its quantity can only be 0 or 1
    ExtraColumns,    // a sixth cell that is not empty
    NoStock,         // the list has no line, or every line has quantity 0 (line 0: the whole file)
    Exponent,        // a number written with an exponent ("1e308"), which the lists do not read
};

struct StockRowRefusal {
    int line = 0;  // 1-based line of the text
    StockRowFault fault = StockRowFault::Length;

    bool operator==(const StockRowRefusal&) const = default;
};

struct StockListText {
    StockList list;
    std::vector<StockRowRefusal> refused;  // a list with any refusal must not be used
};

// A stock list file holds at most some million lines (the offcuts of a large store, with room);
// anything larger is not read, so that a wrong file does not take the memory of the machine.
inline constexpr std::size_t kMaxStockListFileMiB = 64;
inline constexpr std::size_t kMaxStockListFileBytes = kMaxStockListFileMiB * 1024 * 1024;

StockListText parseStockListText(std::string_view text);

// The CSV text of the list: UTF-8 with a byte-order mark, the header row, then one line per stock
// row, each ending in CR LF. Reads back unchanged through parseStockListText.
std::string stockListCsv(const StockList& list);

enum class StockListFileStatus { Read, CannotRead, NotAStockListFile, TooLarge };

struct StockListFileRead {
    StockListFileStatus status = StockListFileStatus::CannotRead;
    StockListText stock;
};

// The file's text is read as tableFileText reads it (UTF-16 or UTF-8 with a byte-order mark,
// UTF-8, otherwise Windows-1250). NotAStockListFile for anything that is not a regular file,
// TooLarge for a file over kMaxStockListFileBytes, both refused without waiting for it or reading
// it whole.
StockListFileRead readStockListFile(const std::filesystem::path& path);

// Writes stockListCsv without ever destroying the previous file on failure.
bool writeStockListFile(const std::filesystem::path& path, const StockList& list);

}  // namespace marlo
