#include "reports/ProductionReports.h"

#include "i18n/texts/CoreTexts.h"
#include "i18n/texts/FewestRodsTexts.h"
#include "i18n/texts/ProductionPlanTexts.h"
#include "i18n/texts/StockListTexts.h"
#include "i18n/texts/StockStoreTexts.h"
#include "reports/ReportLines.h"
#include "reports/ReportOfPlan.h"
#include "reports/SpreadsheetExport.h"

namespace marlo {

namespace {

constexpr int kCaptionRow = 5;

SpreadsheetModel summarySheet(const ProductionJob& job, const ProductionPlan& plan,
                              const StringCatalogue& catalogue) {
    SpreadsheetModel sheet;
    sheet.setText({1, 1}, job.header.customer);
    sheet.setText({2, 1}, job.header.name);
    sheet.setText({3, 1}, job.header.colour);
    sheet.setBold({{1, 1}, {3, 1}}, true);
    const int captions[] = {
        store_text::kMaterial,   core_text::kRodCount,         core_text::kWaste,
        stock_text::kTotalPrice, stock_text::kPriceLowerBound, fewest_text::kLowerBound};
    for (int c = 0; c < static_cast<int>(std::size(captions)); ++c)
        sheet.setText({kCaptionRow, c + 1}, catalogue.text(captions[c]));
    sheet.setBold({{kCaptionRow, 1}, {kCaptionRow, 7}}, true);
    int row = kCaptionRow;
    for (const MaterialPlan& material : plan.materials) {
        ++row;
        const PlanResult& result = material.result;
        sheet.setText({row, 1}, material.parts.material);
        if (!material.hasPlan()) {
            sheet.setText({row, 2}, catalogue.text(material.message));
            continue;
        }
        sheet.setNumber({row, 2}, result.plan.summary.rodCount);
        sheet.setNumber({row, 3}, result.plan.summary.totalWaste);
        if (result.price) sheet.setNumber({row, 4}, *result.price);
        if (result.priceLowerBound) sheet.setNumber({row, 5}, *result.priceLowerBound);
        if (result.lowerBound) sheet.setNumber({row, 6}, *result.lowerBound);
        sheet.setText({row, 7}, catalogue.text(result.optimal ? fewest_text::kProvenOptimal
                                                              : fewest_text::kNotProven));
    }
    row += 2;
    if (const std::optional<double> price = plan.price()) {
        sheet.setText({row, 1}, catalogue.text(plan_text::kJobPrice));
        sheet.setNumber({row, 4}, *price);
        ++row;
    }
    sheet.setText({row, 1}, catalogue.text(plan_text::kAllMaterials));
    sheet.setText({row, 7}, catalogue.text(plan.optimal() ? fewest_text::kProvenOptimal
                                                          : fewest_text::kNotProven));
    sheet.setNumberFormat({{kCaptionRow + 1, 4}, {row, 5}}, "0.00");
    sheet.setColumnWidth(1, 1, 32);
    sheet.setColumnWidth(2, 7, 16);
    return sheet;
}

}  // namespace

std::vector<std::string> productionPlanFaults(const ProductionJob& job, const ProductionPlan& plan,
                                              const StringCatalogue& catalogue) {
    std::vector<std::string> lines;
    for (const MaterialPlan& material : plan.materials) {
        for (const RejectedRow& rejected : material.rejectedRows)
            for (const int part : material.parts.rowParts[static_cast<size_t>(rejected.row - 1)])
                lines.push_back(fillIn(catalogue.text(plan_text::kPartNotCut),
                                       {std::to_string(part + 1),
                                        job.parts[static_cast<size_t>(part)].part.mark}) +
                                catalogue.text(rejected.messageOffset));
        if (material.hasPlan()) continue;
        lines.push_back(
            fillIn(catalogue.text(plan_text::kCannotPlanMaterial), {material.parts.material}) +
            catalogue.text(material.message));
        // The pieces the stock could not hold, when that is why: a material without a plan for
        // another reason (no profile height, a trim longer than its rods) has nothing to name.
        const PlanResult& result = material.result;
        if (result.uncut.empty()) continue;
        for (std::string& uncut : uncutLines(result.uncut, result.missingLength, catalogue))
            lines.push_back(std::move(uncut));
    }
    return lines;
}

std::optional<std::vector<ReportData>> productionReports(const ProductionJob& job,
                                                         const ProductionPlan& plan) {
    std::vector<ReportData> sections;
    for (const MaterialPlan& material : plan.materials) {
        if (!material.hasPlan()) continue;
        const Job single{job.header, material.parts.list};
        std::optional<ReportData> data = reportOfPlan(single, material.result);
        if (!data) return std::nullopt;
        data->material = material.parts.material;
        sections.push_back(std::move(*data));
    }
    return sections;
}

std::vector<NamedSheet> productionWorkbook(const ProductionJob& job, const ProductionPlan& plan,
                                           const std::vector<ReportData>& sections,
                                           const StringCatalogue& catalogue) {
    std::vector<NamedSheet> sheets;
    sheets.push_back(
        {catalogue.text(plan_text::kSummarySheet), summarySheet(job, plan, catalogue)});
    for (const ReportData& section : sections)
        sheets.push_back({section.material, composeSpreadsheet(section, catalogue)});
    return sheets;
}

}  // namespace marlo
