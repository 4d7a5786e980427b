#include "cli/ProductionOutcome.h"

#include <algorithm>

#include "cli/JsonText.h"
#include "i18n/StringCatalogue.h"
#include "i18n/texts/FewestRodsTexts.h"
#include "i18n/texts/ProductionPlanTexts.h"
#include "i18n/texts/StockListTexts.h"
#include "model/NumericText.h"
#include "optimiser/NumberFormats.h"
#include "production/PatternCuts.h"

namespace marlo {

namespace {

RunOutcome::Status statusOf(const MaterialPlan& plan) {
    switch (plan.status) {
        case MaterialPlan::Status::Planned:
            return RunOutcome::Status::Finished;
        case MaterialPlan::Status::Stopped:
            return RunOutcome::Status::Stopped;
        case MaterialPlan::Status::NoPlan:
            break;
    }
    return plan.message == msg::kNothingToOptimise ? RunOutcome::Status::Nothing
                                                   : RunOutcome::Status::Aborted;
}

}  // namespace

RunOutcome materialOutcome(const ProductionOutcome& outcome, size_t material) {
    const MaterialPlan& plan = outcome.plan.materials[material];
    RunOutcome single;
    single.status = statusOf(plan);
    for (const RejectedRow& rejected : plan.rejectedRows)
        for (const int part : plan.parts.rowParts[static_cast<size_t>(rejected.row - 1)])
            single.rejectedRows.push_back(part + 1);
    std::sort(single.rejectedRows.begin(), single.rejectedRows.end());
    single.result = plan.result;
    single.methodChoice = outcome.settings.methodChoice;
    single.methodChoice.method = OptimisationMethod::FewestRods;
    if (!single.result.fromStock()) return single;
    single.material = plan.parts.material;
    single.store = outcome.settings.store;
    // Only stock from the store is booked; rods of a rod length are no stock of it.
    if (outcome.booked) {
        single.booked = outcome.booked;
        if (material < outcome.newOffcuts.size()) single.newOffcuts = outcome.newOffcuts[material];
    }
    return single;
}

namespace {

// A pattern of angled pieces: its pieces in cutting order, each with its mark (every rod of the
// pattern cuts the same), length, angles as the part gives them and whether it is turned over, and
// the rod they take. Nothing for square pieces.
std::string cutsJson(const ProductionJob& job, const MaterialPlan& plan, size_t pattern) {
    const PatternCuts cuts = patternCuts(plan, pattern);
    if (cuts.cuts.empty()) return {};
    const RodParts& parts = plan.pieceParts[pattern].front();
    return ", \"cuts\": " +
           jsonList(
               cuts.cuts,
               [&](const PieceCut& cut) {
                   const int index = parts[static_cast<size_t>(cut.slot)];
                   const RowAngles& angles = plan.parts.rowAngles[static_cast<size_t>(cut.kind)];
                   const std::string mark =
                       index < 0 ? std::string() : job.parts[static_cast<size_t>(index)].part.mark;
                   return "{\"mark\": " + jsonString(mark) + ", \"length\": " +
                          plan.parts.list[static_cast<size_t>(cut.kind)].dimension +
                          ", \"angles\": [" + jsonNumber(angles.start) + ", " +
                          jsonNumber(angles.end) + "], \"turned\": " + jsonBool(cut.turned) + "}";
               }) +
           ", \"length_used\": " + fixedNumberText(cuts.layout.lengthUsed, 2);
}

}  // namespace

std::string productionJson(const ProductionOutcome& outcome) {
    std::string json = "{\"status\": \"" + std::string(statusName(outcome.status));
    json += "\", \"price\": " + jsonOptional(outcome.plan.price());
    json += ", \"optimal\": " + jsonBool(outcome.plan.optimal());
    if (outcome.booked) json += ", \"booked\": " + jsonBool(*outcome.booked);
    std::vector<size_t> indexes(outcome.plan.materials.size());
    for (size_t i = 0; i < indexes.size(); ++i) indexes[i] = i;
    json += ", \"materials\": " + jsonList(indexes, [&outcome](size_t m) {
                const MaterialPlan& plan = outcome.plan.materials[m];
                const PatternJsonFields marks = [&outcome, m, &plan](int pattern) {
                    if (static_cast<size_t>(pattern) >= plan.pieceParts.size())
                        return std::string();
                    return ", \"marks\": " +
                           jsonList(marksOfRods(plan.pieceParts[static_cast<size_t>(pattern)],
                                                outcome.job),
                                    [](const std::vector<std::string>& rod) {
                                        return jsonList(rod, jsonString);
                                    }) +
                           cutsJson(outcome.job, plan, static_cast<size_t>(pattern));
                };
                return "{\"material\": " + jsonString(plan.parts.material) + ", " +
                       outcomeJsonFields(materialOutcome(outcome, m), marks) + "}";
            });
    return json + ", \"parameters\": " + parametersJson(outcome.settings) + "}\n";
}

std::string productionTable(const ProductionOutcome& outcome, const StringCatalogue& catalogue) {
    std::string table;
    for (size_t m = 0; m < outcome.plan.materials.size(); ++m) {
        table += catalogue.text(plan_text::kMaterialHeading) +
                 outcome.plan.materials[m].parts.material + "\n\n";
        table += outcomeTable(materialOutcome(outcome, m), catalogue) + "\n";
    }
    const std::string proof = catalogue.text(outcome.plan.optimal() ? fewest_text::kProvenOptimal
                                                                    : fewest_text::kNotProven);
    if (const std::optional<double> price = outcome.plan.price())
        table += catalogue.text(plan_text::kJobPrice) + ": " + formatPrice(*price) + "\n";
    return table + catalogue.text(plan_text::kAllMaterials) + ": " + proof + "\n";
}

}  // namespace marlo
