#include "labels/SawListCsv.h"

#include "jobfile/CsvText.h"
#include "labels/ProductionSawList.h"
#include "model/NumericText.h"

namespace marlo {

namespace {

// The columns of every saw list, then those of a production job's.
const std::vector<std::string_view> kColumns = {"pattern", "rods",   "stock_length", "stock_id",
                                                "cut",     "length", "position",     "row"};
const std::vector<std::string_view> kPartColumns = {"material", "mark", "order"};
// And those of a production job with angled pieces: where each lies on the rod's reference face,
// its cuts as it lies and whether it is turned over (empty for a square piece).
const std::vector<std::string_view> kAngledColumns = {"start",     "end",    "start_angle",
                                                      "end_angle", "shared", "turned"};

// The angled columns of a cut: nothing for a square one.
std::vector<std::string> angledCells(const SawCut& cut) {
    if (!cut.angled) return std::vector<std::string>(kAngledColumns.size());
    const AngledCut& a = *cut.angled;
    return {fixedNumberText(a.start, 1),      fixedNumberText(a.end, 1),
            shortestNumberText(a.startAngle), shortestNumberText(a.endAngle),
            a.sharesStart ? "1" : "0",        a.turned ? "1" : "0"};
}

bool hasAngledCuts(const std::vector<MaterialSawList>& lists) {
    for (const MaterialSawList& list : lists)
        for (const SawStep& step : list.saw.steps)
            for (const SawCut& cut : step.cuts)
                if (cut.angled) return true;
    return false;
}

// The line of one cut: the step's `rods` rods are cut alike, the piece belongs to `row`, and a
// production job's line ends with `more`.
void appendCutLine(std::string& csv, const SawStep& step, int rods, size_t cut, int row,
                   const std::vector<std::string_view>& more = {}) {
    const std::string pattern = std::to_string(step.pattern), count = std::to_string(rods),
                      stockLength = std::to_string(step.stock.length),
                      number = std::to_string(cut + 1),
                      length = std::to_string(step.cuts[cut].length),
                      position = std::to_string(step.cuts[cut].position),
                      rowText = std::to_string(row);
    std::vector<std::string_view> cells = {pattern, count,  stockLength, step.stock.id,
                                           number,  length, position,    rowText};
    cells.insert(cells.end(), more.begin(), more.end());
    appendCsvLine(csv, cells);
}

}  // namespace

std::string sawListCsv(const SawList& saw) {
    std::string csv;
    appendCsvLine(csv, kColumns);
    for (const SawStep& step : saw.steps)
        for (size_t i = 0; i < step.cuts.size(); ++i)
            appendCutLine(csv, step, step.rods, i, step.cuts[i].row);
    return csv;
}

std::string productionSawListCsv(const ProductionJob& job, const ProductionPlan& plan) {
    const std::vector<MaterialSawList> lists = productionSawLists(plan);
    const bool angled = hasAngledCuts(lists);
    std::string csv;
    std::vector<std::string_view> header = kColumns;
    header.insert(header.end(), kPartColumns.begin(), kPartColumns.end());
    if (angled) header.insert(header.end(), kAngledColumns.begin(), kAngledColumns.end());
    appendCsvLine(csv, header);
    for (const MaterialSawList& list : lists) {
        for (size_t s = 0; s < list.saw.steps.size(); ++s) {
            const SawStep& step = list.saw.steps[s];
            for (const RodRun& run : rodRuns(list.parts[s])) {
                const RodParts& parts = list.parts[s][static_cast<size_t>(run.firstRod - 1)];
                for (size_t i = 0; i < step.cuts.size(); ++i) {
                    static const Part kNoPart;
                    const Part& part =
                        parts[i] < 0 ? kNoPart : job.parts[static_cast<size_t>(parts[i])].part;
                    std::vector<std::string_view> more = {list.material, part.mark, part.order};
                    const std::vector<std::string> cells =
                        angled ? angledCells(step.cuts[i]) : std::vector<std::string>{};
                    more.insert(more.end(), cells.begin(), cells.end());
                    appendCutLine(csv, step, run.rods, i, partNumber(parts[i]), more);
                }
            }
        }
    }
    return csv;
}

}  // namespace marlo
