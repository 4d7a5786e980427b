#include "cli/RunOutcome.h"

#include <algorithm>
#include <cstdio>

#include "i18n/StringCatalogue.h"
#include "i18n/texts/CoreTexts.h"
#include "i18n/texts/FewestRodsTexts.h"
#include "i18n/texts/StockListTexts.h"
#include "i18n/texts/StockStoreTexts.h"
#include "jobfile/Utf8Text.h"
#include "optimiser/NumberFormats.h"
#include "optimiser/StockTotals.h"
#include "reports/ColumnWriter.h"

namespace marlo {

namespace {

const char* statusName(RunOutcome::Status status) {
    switch (status) {
        case RunOutcome::Status::Finished:
            return "finished";
        case RunOutcome::Status::Stopped:
            return "stopped";
        case RunOutcome::Status::Aborted:
            return "aborted";
        case RunOutcome::Status::Nothing:
            return "nothing";
    }
    return "";
}

std::string jsonNumber(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

template <typename Range, typename Write>
std::string jsonList(const Range& range, Write write) {
    std::string text = "[";
    bool first = true;
    for (const auto& item : range) {
        if (!first) text += ", ";
        first = false;
        text += write(item);
    }
    return text + "]";
}

std::string jsonString(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string jsonOptional(const std::optional<double>& value) {
    return value ? jsonNumber(*value) : std::string("null");
}

// The stock a pattern is cut from: its length and the offcut's identifier (null for a new rod).
std::string stockFieldsJson(const RodPattern& p, const StockList* stock) {
    const StockItem* item = stock != nullptr ? stockOf(p, *stock) : nullptr;
    if (item == nullptr) return "";
    return ", \"stock_length\": " + std::to_string(item->length) + ", \"stock_id\": " +
           (item->kind == StockKind::Offcut ? jsonString(item->id) : std::string("null"));
}

// The totals of a run from a stock list.
std::string stockTotalsJson(const RunOutcome& o, const PatternTable& patterns) {
    const StockTotals totals = stockTotals(patternsOf(patterns), *o.stock);
    std::string json = ", \"price\": " + jsonOptional(o.price);
    json += ", \"price_lower_bound\": " + jsonOptional(o.priceLowerBound);
    json += ", \"material_used\": " + std::to_string(totals.material);
    json += ", \"leftovers\": " +
            jsonList(totals.leftovers, [](int16_t length) { return std::to_string(length); });
    json += ", \"uncut\": " + jsonList(o.uncut, [](const UncutDimension& u) {
                return "{\"length\": " + std::to_string(u.length) +
                       ", \"pieces\": " + std::to_string(u.pieces) + "}";
            });
    return json + ", \"missing_length\": " + std::to_string(o.missingLength);
}

const char* methodName(OptimisationMethod method) {
    return method == OptimisationMethod::FewestRods ? "fewest" : "search";
}

// The parameters and the method the run used, named as the command line's flags, and the source
// of its stock (null: rods of the one rod length).
std::string parametersJson(const RunOutcome& o) {
    const JobParameters& p = o.parameters;
    const std::pair<const char*, int> numbers[] = {{"rod_length", p.rodLength},
                                                   {"cut_thickness", p.cutThickness},
                                                   {"trim", p.trim},
                                                   {"min_waste", p.minWasteDimension},
                                                   {"max_waste", p.maxWasteDimension},
                                                   {"waste_borders", p.wasteBordersMode},
                                                   {"start_method", p.startMethod},
                                                   {"sort", p.sortOutputByWaste}};
    std::string json = "{";
    for (const auto& [name, value] : numbers)
        json += "\"" + std::string(name) + "\": " + std::to_string(value) + ", ";
    json += "\"method\": \"" + std::string(methodName(o.method)) + "\", ";
    json += "\"time_limit\": " + std::to_string(o.methodChoice.timeLimitSeconds) + ", ";
    json += "\"threads\": " + std::to_string(o.methodChoice.threads) + ", \"stock\": ";
    if (o.stockFile)
        json += "{\"file\": " + jsonString(withMalformedUtf8Replaced(*o.stockFile)) + "}";
    else if (o.material)
        json += "{\"material\": " + jsonString(*o.material) +
                ", \"store\": " + jsonString(o.store) + "}";
    else
        json += "null";
    return json + "}";
}

}  // namespace

std::string outcomeJson(const RunOutcome& o) {
    const PatternTable empty;
    const PatternTable& patterns = o.patterns != nullptr ? *o.patterns : empty;
    std::string json = "{\"status\": \"" + std::string(statusName(o.status)) + "\", ";
    json += "\"rejected_rows\": " +
            jsonList(o.rejectedRows, [](int row) { return std::to_string(row); }) + ", ";
    json += "\"patterns\": " +
            jsonList(patterns,
                     [&o](const RodPattern& p) {
                         return "{\"seq\": " + std::to_string(p.sequence) +
                                ", \"rods\": " + std::to_string(p.rods) +
                                ", \"waste\": " + std::to_string(p.waste) + ", \"pieces\": " +
                                jsonList(std::vector<int16_t>(p.lengths.begin(),
                                                              p.lengths.begin() + p.pieceCount),
                                         [](int16_t length) { return std::to_string(length); }) +
                                stockFieldsJson(p, o.stock) + "}";
                     }) +
            ", ";
    json += "\"rod_count\": " + std::to_string(o.totals.rodCount) + ", ";
    json += "\"total_waste\": " + std::to_string(o.totals.totalWaste) + ", ";
    json += "\"waste_pieces\": " + std::to_string(o.totals.wastePieceCount) + ", ";
    json += "\"efficiency\": " + (o.efficiency ? jsonNumber(*o.efficiency) : std::string("null")) +
            ", ";
    json +=
        "\"calculated_possibilities\": " + std::to_string(o.totals.calculatedPossibilities) + ", ";
    json += "\"method\": \"" + std::string(methodName(o.method)) + "\", ";
    json +=
        "\"lower_bound\": " + (o.lowerBound ? std::to_string(*o.lowerBound) : std::string("null")) +
        ", ";
    json += "\"optimal\": " + std::string(o.optimal ? "true" : "false");
    if (o.stock != nullptr) json += stockTotalsJson(o, patterns);
    if (o.booked) {
        json += ", \"booked\": " + std::string(*o.booked ? "true" : "false");
        json += ", \"new_offcuts\": " + jsonList(o.newOffcuts, [](const StoredOffcut& offcut) {
                    return "{\"id\": " + jsonString(offcut.id) +
                           ", \"length\": " + std::to_string(offcut.length) + "}";
                });
    }
    return json + ", \"parameters\": " + parametersJson(o) + "}\n";
}

std::string outcomeTable(const RunOutcome& o, const StringCatalogue& catalogue) {
    StringLineSink sink("\n");
    ColumnWriter out(sink);
    if (o.patterns != nullptr && o.patterns->count() > 0) {
        // Columns as wide as their heading, at least seven characters, values right-aligned.
        std::vector<std::string> headings = {
            catalogue.text(core_text::kSequenceNumber), catalogue.text(core_text::kRodCount),
            catalogue.text(core_text::kWaste), catalogue.text(core_text::kPieceCount)};
        // A run from a stock list names each pattern's stock after the piece count.
        const int stockColumns = o.stock != nullptr ? 2 : 0;
        if (stockColumns > 0) {
            headings.push_back(catalogue.text(stock_text::kRodLength));
            headings.push_back(catalogue.text(stock_text::kStockId));
        }
        for (int j = 1; j <= o.patterns->maxPieceCount(); ++j)
            headings.push_back(catalogue.text(core_text::kDimensionColumn) + std::to_string(j));
        std::vector<int> ends;
        int end = 0;
        for (const std::string& heading : headings) {
            end += std::max(7, characterCount(heading)) + 2;
            ends.push_back(end);
        }
        for (size_t c = 0; c < headings.size(); ++c) out.textEndingAt(headings[c], ends[c]);
        out.endLine();
        for (const RodPattern& p : *o.patterns) {
            std::vector<std::string> cells;
            for (int row = 1; row <= 4; ++row) cells.push_back(std::to_string(p.row(row)));
            if (const StockItem* item = o.stock != nullptr ? stockOf(p, *o.stock) : nullptr) {
                cells.push_back(std::to_string(item->length));
                cells.push_back(item->kind == StockKind::Offcut ? item->id : "-");
            }
            for (int i = 0; i < p.pieceCount; ++i) cells.push_back(std::to_string(p.lengths[i]));
            for (size_t c = 0; c < cells.size(); ++c) out.textEndingAt(cells[c], ends[c]);
            out.endLine();
        }
        out.endLine();
    }
    const std::string values[] = {std::to_string(o.totals.rodCount),
                                  std::to_string(o.totals.totalWaste),
                                  std::to_string(o.totals.wastePieceCount),
                                  o.efficiency ? formatEfficiency(*o.efficiency) : std::string(),
                                  formatPossibilities(o.totals.calculatedPossibilities)};
    for (int i = 0; i < core_text::kTotalCount; ++i) {
        out.text(catalogue.text(core_text::kFirstTotal + i));
        out.tab(34);
        out.text(values[i]);
        out.endLine();
    }
    if (o.stock != nullptr && o.price) {
        const StockTotals totals = stockTotals(patternsOf(*o.patterns), *o.stock);
        std::string leftovers;
        for (int16_t length : totals.leftovers)
            leftovers += (leftovers.empty() ? "" : " ") + std::to_string(length);
        const std::pair<int, std::string> lines[] = {
            {stock_text::kTotalPrice, formatPrice(*o.price)},
            {stock_text::kPriceLowerBound,
             formatPrice(*o.priceLowerBound) + "  " +
                 catalogue.text(o.optimal ? fewest_text::kProvenOptimal : fewest_text::kNotProven)},
            {stock_text::kMaterialUsed, std::to_string(totals.material)},
            {stock_text::kLeftovers, leftovers}};
        for (const auto& [caption, value] : lines) {
            out.text(catalogue.text(caption));
            out.tab(34);
            out.text(value);
            out.endLine();
        }
    }
    if (o.method == OptimisationMethod::FewestRods && o.lowerBound) {
        out.text(catalogue.text(fewest_text::kLowerBound));
        out.tab(34);
        out.text(std::to_string(*o.lowerBound) + "  " +
                 catalogue.text(o.optimal ? fewest_text::kProvenOptimal : fewest_text::kNotProven));
        out.endLine();
    }
    if (o.booked.value_or(false)) {
        std::string identifiers;
        for (const StoredOffcut& offcut : o.newOffcuts)
            identifiers += (identifiers.empty() ? "" : " ") + offcut.id;
        out.text(catalogue.text(store_text::kBooked) + (identifiers.empty() ? "-" : identifiers));
        out.endLine();
    }
    return sink.text();
}

}  // namespace marlo
