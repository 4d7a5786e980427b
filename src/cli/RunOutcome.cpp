#include "cli/RunOutcome.h"

#include <algorithm>
#include <cstdio>

#include "cli/JsonText.h"
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

// The patterns the outputs show: only of a run that finished or stopped with a plan.
const PatternTable& shownPatterns(const RunOutcome& o) {
    static const PatternTable none;
    const bool planned =
        o.status == RunOutcome::Status::Finished || o.status == RunOutcome::Status::Stopped;
    return planned ? o.result.plan.patterns : none;
}

std::optional<double> efficiencyOf(const RunOutcome& o) {
    const CuttingPlan& plan = o.result.plan;
    return planEfficiency(plan.summary, o.result.parameters, patternsOf(plan.patterns), plan.stock);
}

// The stock a pattern is cut from: its length and the offcut's identifier (null for a new rod).
std::string stockFieldsJson(const RodPattern& p, const StockList& stock) {
    const StockItem* item = stock.empty() ? nullptr : stockOf(p, stock);
    if (item == nullptr) return "";
    return ", \"stock_length\": " + std::to_string(item->length) + ", \"stock_id\": " +
           (item->kind == StockKind::Offcut ? jsonString(item->id) : std::string("null"));
}

// The totals of a run from a stock list.
std::string stockTotalsJson(const PlanResult& r, const PatternTable& patterns) {
    const StockTotals totals = stockTotals(patternsOf(patterns), r.plan.stock);
    std::string json = ", \"price\": " + jsonOptional(r.price);
    json += ", \"price_lower_bound\": " + jsonOptional(r.priceLowerBound);
    json += ", \"material_used\": " + std::to_string(totals.material);
    json += ", \"leftovers\": " +
            jsonList(totals.leftovers, [](int16_t length) { return std::to_string(length); });
    json += ", \"uncut\": " + jsonList(r.uncut, [](const UncutDimension& u) {
                return "{\"length\": " + std::to_string(u.length) +
                       ", \"pieces\": " + std::to_string(u.pieces) + "}";
            });
    return json + ", \"missing_length\": " + std::to_string(r.missingLength);
}

const char* methodName(OptimisationMethod method) {
    return method == OptimisationMethod::FewestRods ? "fewest" : "search";
}

}  // namespace

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

std::string parametersJson(const RunOutcome& o) {
    const JobParameters& p = o.result.parameters;
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
    json += "\"method\": \"" + std::string(methodName(o.result.method)) + "\", ";
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

std::string outcomeJsonFields(const RunOutcome& o, const PatternJsonFields& patternFields) {
    const PlanResult& r = o.result;
    const PlanSummary& totals = r.plan.summary;
    const PatternTable& patterns = shownPatterns(o);
    const std::optional<double> efficiency = efficiencyOf(o);
    std::string json = "\"status\": \"" + std::string(statusName(o.status)) + "\", ";
    json += "\"rejected_rows\": " +
            jsonList(o.rejectedRows, [](int row) { return std::to_string(row); }) + ", ";
    json += "\"patterns\": " +
            jsonList(patterns,
                     [&r, &patterns, &patternFields](const RodPattern& p) {
                         const std::string more =
                             patternFields ? patternFields(static_cast<int>(&p - patterns.begin()))
                                           : std::string();
                         return "{\"seq\": " + std::to_string(p.sequence) +
                                ", \"rods\": " + std::to_string(p.rods) +
                                ", \"waste\": " + std::to_string(p.waste) + ", \"pieces\": " +
                                jsonList(std::vector<int16_t>(p.lengths.begin(),
                                                              p.lengths.begin() + p.pieceCount),
                                         [](int16_t length) { return std::to_string(length); }) +
                                stockFieldsJson(p, r.plan.stock) + more + "}";
                     }) +
            ", ";
    json += "\"rod_count\": " + std::to_string(totals.rodCount) + ", ";
    json += "\"total_waste\": " + std::to_string(totals.totalWaste) + ", ";
    json += "\"waste_pieces\": " + std::to_string(totals.wastePieceCount) + ", ";
    json +=
        "\"efficiency\": " + (efficiency ? jsonNumber(*efficiency) : std::string("null")) + ", ";
    json +=
        "\"calculated_possibilities\": " + std::to_string(totals.calculatedPossibilities) + ", ";
    json += "\"method\": \"" + std::string(methodName(r.method)) + "\", ";
    json +=
        "\"lower_bound\": " + (r.lowerBound ? std::to_string(*r.lowerBound) : std::string("null")) +
        ", ";
    json += "\"optimal\": " + std::string(r.optimal ? "true" : "false");
    if (r.fromStock()) json += stockTotalsJson(r, patterns);
    if (o.booked) {
        json += ", \"booked\": " + std::string(*o.booked ? "true" : "false");
        json += ", \"new_offcuts\": " + jsonList(o.newOffcuts, [](const StoredOffcut& offcut) {
                    return "{\"id\": " + jsonString(offcut.id) +
                           ", \"length\": " + std::to_string(offcut.length) + "}";
                });
    }
    return json + ", \"parameters\": " + parametersJson(o);
}

std::string outcomeJson(const RunOutcome& o) {
    return "{" + outcomeJsonFields(o) + "}\n";
}

std::string outcomeTable(const RunOutcome& o, const StringCatalogue& catalogue) {
    const PlanResult& r = o.result;
    const PlanSummary& totals = r.plan.summary;
    const StockList& stock = r.plan.stock;
    const PatternTable& patterns = shownPatterns(o);
    StringLineSink sink("\n");
    ColumnWriter out(sink);
    if (patterns.count() > 0) {
        // Columns as wide as their heading, at least seven characters, values right-aligned.
        std::vector<std::string> headings = {
            catalogue.text(core_text::kSequenceNumber), catalogue.text(core_text::kRodCount),
            catalogue.text(core_text::kWaste), catalogue.text(core_text::kPieceCount)};
        // A run from a stock list names each pattern's stock after the piece count.
        const int stockColumns = r.fromStock() ? 2 : 0;
        if (stockColumns > 0) {
            headings.push_back(catalogue.text(stock_text::kRodLength));
            headings.push_back(catalogue.text(stock_text::kStockId));
        }
        for (int j = 1; j <= patterns.maxPieceCount(); ++j)
            headings.push_back(catalogue.text(core_text::kDimensionColumn) + std::to_string(j));
        std::vector<int> ends;
        int end = 0;
        for (const std::string& heading : headings) {
            end += std::max(7, characterCount(heading)) + 2;
            ends.push_back(end);
        }
        for (size_t c = 0; c < headings.size(); ++c) out.textEndingAt(headings[c], ends[c]);
        out.endLine();
        for (const RodPattern& p : patterns) {
            std::vector<std::string> cells;
            for (int row = 1; row <= 4; ++row) cells.push_back(std::to_string(p.row(row)));
            if (const StockItem* item = stock.empty() ? nullptr : stockOf(p, stock)) {
                cells.push_back(std::to_string(item->length));
                cells.push_back(item->kind == StockKind::Offcut ? item->id : "-");
            }
            for (int i = 0; i < p.pieceCount; ++i) cells.push_back(std::to_string(p.lengths[i]));
            for (size_t c = 0; c < cells.size(); ++c) out.textEndingAt(cells[c], ends[c]);
            out.endLine();
        }
        out.endLine();
    }
    const std::optional<double> efficiency = efficiencyOf(o);
    const std::string values[] = {std::to_string(totals.rodCount),
                                  std::to_string(totals.totalWaste),
                                  std::to_string(totals.wastePieceCount),
                                  efficiency ? formatEfficiency(*efficiency) : std::string(),
                                  formatPossibilities(totals.calculatedPossibilities)};
    for (int i = 0; i < core_text::kTotalCount; ++i) {
        out.text(catalogue.text(core_text::kFirstTotal + i));
        out.tab(34);
        out.text(values[i]);
        out.endLine();
    }
    if (r.fromStock() && r.price) {
        const StockTotals used = stockTotals(patternsOf(patterns), stock);
        std::string leftovers;
        for (int16_t length : used.leftovers)
            leftovers += (leftovers.empty() ? "" : " ") + std::to_string(length);
        const std::pair<int, std::string> lines[] = {
            {stock_text::kTotalPrice, formatPrice(*r.price)},
            {stock_text::kPriceLowerBound,
             formatPrice(*r.priceLowerBound) + "  " +
                 catalogue.text(r.optimal ? fewest_text::kProvenOptimal : fewest_text::kNotProven)},
            {stock_text::kMaterialUsed, std::to_string(used.material)},
            {stock_text::kLeftovers, leftovers}};
        for (const auto& [caption, value] : lines) {
            out.text(catalogue.text(caption));
            out.tab(34);
            out.text(value);
            out.endLine();
        }
    }
    if (const std::optional<int> bound = r.shownLowerBound()) {
        out.text(catalogue.text(fewest_text::kLowerBound));
        out.tab(34);
        out.text(std::to_string(*bound) + "  " +
                 catalogue.text(r.optimal ? fewest_text::kProvenOptimal : fewest_text::kNotProven));
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
