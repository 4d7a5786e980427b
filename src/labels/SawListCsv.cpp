#include "labels/SawListCsv.h"

#include "jobfile/CsvText.h"

namespace marlo {

std::string sawListCsv(const SawList& saw) {
    std::string csv;
    appendCsvLine(
        csv, {"pattern", "rods", "stock_length", "stock_id", "cut", "length", "position", "row"});
    for (const SawStep& step : saw.steps) {
        const std::string pattern = std::to_string(step.pattern);
        const std::string rods = std::to_string(step.rods);
        const std::string stockLength = std::to_string(step.stock.length);
        for (size_t i = 0; i < step.cuts.size(); ++i) {
            const SawCut& cut = step.cuts[i];
            const std::string number = std::to_string(i + 1), length = std::to_string(cut.length),
                              position = std::to_string(cut.position),
                              row = std::to_string(cut.row);
            appendCsvLine(
                csv, {pattern, rods, stockLength, step.stock.id, number, length, position, row});
        }
    }
    return csv;
}

}  // namespace marlo
