#include "cli/ProductionRun.h"

#include <filesystem>
#include <map>
#include <memory>

#include "cli/CliRun.h"
#include "cli/MaterialRun.h"
#include "cli/OutputFiles.h"
#include "cli/ProductionOutcome.h"
#include "cli/SawOutputs.h"
#include "diagram/DiagramFileFormat.h"
#include "diagram/DiagramSource.h"
#include "diagram/ProductionDiagram.h"
#include "drawing/DiagramFiles.h"
#include "i18n/texts/CommandLineSafetyTexts.h"
#include "i18n/texts/DiagramTexts.h"
#include "i18n/texts/ProductionPlanTexts.h"
#include "i18n/texts/StockStoreTexts.h"
#include "jobfile/ProductionJobFile.h"
#include "paper/ReportPdf.h"
#include "production/ProductionPlanning.h"
#include "reports/ProductionJobMessages.h"
#include "reports/ProductionReports.h"
#include "settings/UserLocale.h"
#include "stock/ProductionBooking.h"
#include "stock/StockStore.h"
#include "stock/StoreMessages.h"

namespace marlo {

namespace {

// The stock the store holds of the job's materials, read once; the store stays open for the
// booking. Without a store yet every material is cut from rods of its rod length.
struct JobStock {
    std::unique_ptr<StockStore> store;
    ProductionStock materials;  // only materials with stock to cut

    std::map<std::string, StockList> lists() const {
        std::map<std::string, StockList> lists;
        for (const auto& [name, stock] : materials) lists.emplace(name, stock.list);
        return lists;
    }
};

// Reads the stock of each material from the store; the exit status of a failure (its message on
// `err`), kFinished otherwise. A store that is not there yet holds nothing: no failure.
int gatherJobStock(const std::string& storeUrl, const std::vector<std::string>& names,
                   const StringCatalogue& catalogue, std::ostream& err, JobStock& stock) {
    StoreResult<std::unique_ptr<StockStore>> opened =
        StockStore::open(storeUrl, StockStore::kDefaultLockWait, StockStore::Missing::Refuse);
    if (!opened.value) {
        if (opened.error.kind == StoreError::Kind::Missing) return exit_status::kFinished;
        const int status = storeFailureStatus(opened.error, catalogue, err);
        err << storeUrl << '\n';
        return status;
    }
    stock.store = std::move(*opened.value);
    for (const std::string& name : names) {
        StoreResult<MaterialStock> read = stock.store->stockOf(name);
        if (!read.value) {
            if (read.error.kind == StoreError::Kind::UnknownMaterial) continue;
            return storeFailureStatus(read.error, catalogue, err);
        }
        if (!holdsStock(read.value->list)) continue;
        read.value->list.material = name;
        stock.materials.emplace(name, std::move(*read.value));
    }
    return exit_status::kFinished;
}

// Books every material planned from the store's stock as one change. The exit status: finished,
// stock changed (what each material lacks on `err`; the store is unchanged) or store failed.
int bookJob(JobStock& stock, const ProductionPlan& plan, const ProductionJob& job,
            const std::string& jobPath, const StringCatalogue& catalogue,
            ProductionOutcome& outcome, std::ostream& err) {
    const OffcutOrigin origin{std::filesystem::path(jobPath).filename().string(),
                              job.header.customer, todaysDate(), 0};
    // Without a store no material was planned from stock: there is nothing to book.
    ProductionBooking booking;
    booking.status = BookingResult::Status::Done;
    booking.newOffcuts.resize(plan.materials.size());
    if (stock.store) booking = bookProductionPlan(*stock.store, plan, stock.materials, origin);
    outcome.booked = booking.status == BookingResult::Status::Done;
    outcome.newOffcuts = std::move(booking.newOffcuts);
    switch (booking.status) {
        case BookingResult::Status::Done:
            return exit_status::kFinished;
        case BookingResult::Status::StockChanged:
            err << catalogue.text(store_text::kStockChanged) << '\n';
            for (const std::string& line : productionShortageLines(plan, booking, catalogue))
                err << line << '\n';
            err << catalogue.text(store_text::kNothingChanged) << '\n';
            return exit_status::kStockChanged;
        case BookingResult::Status::NothingToUndo:
        case BookingResult::Status::Failed:
            break;
    }
    return storeFailureStatus(booking.error, catalogue, err);
}

// The labels of the offcuts a booking put in, material by material.
std::vector<OffcutLabel> bookedOffcutLabels(const ProductionOutcome& outcome) {
    std::vector<OffcutLabel> labels;
    for (size_t m = 0; m < outcome.newOffcuts.size() && m < outcome.plan.materials.size(); ++m)
        for (const StoredOffcut& offcut : outcome.newOffcuts[m])
            labels.push_back({outcome.plan.materials[m].parts.material, offcut.length, offcut.id,
                              originText(offcut.origin)});
    return labels;
}

// The reports, the workbook, the diagram and the outputs for the saw and the office of a planned
// job, each when asked for: a section (a sheet, pages) per material.
int writeProductionOutputs(const RunContext& run, const ProductionOutcome& outcome) {
    const ProductionJob& job = outcome.job;
    const ProductionPlan& plan = outcome.plan;
    const CliOptions& options = run.options;
    const StringCatalogue& catalogue = run.catalogue;
    const char decimalSeparator = localeDecimalSeparator();
    OutputFiles files(catalogue, run.err);
    if (options.reportPath || options.pdfPath || options.xlsxPath) {
        const std::optional<std::vector<ReportData>> sections = productionReports(job, plan);
        if (!sections) {
            run.err << catalogue.text(msg::kTooManyDimensions) << '\n';
            return exit_status::kAborted;
        }
        files.write(options.reportPath, [&](const std::string& path) {
            return saveTextReports(path, *sections, catalogue, decimalSeparator);
        });
        files.write(options.pdfPath, [&](const std::string& path) {
            return writeReportPdf(path, *sections, catalogue, decimalSeparator);
        });
        files.write(options.xlsxPath, [&](const std::string& path) {
            return writeXlsx(productionWorkbook(job, plan, *sections, catalogue), path);
        });
    }
    files.write(options.diagramPath, [&](const std::string& path) {
        const DiagramLayout diagram =
            composeProductionDiagram(job, plan, catalogue, decimalSeparator);
        return saveDiagram(diagram, std::filesystem::path(path), *diagramFileFormat(path),
                           QString::fromStdString(catalogue.text(diagram_text::kTitle)));
    });
    const int sawStatus = writeProductionSawOutputs(options, job, plan, bookedOffcutLabels(outcome),
                                                    catalogue, run.err);
    return files.status() != exit_status::kFinished ? files.status() : sawStatus;
}

int statusOfPlan(const ProductionPlan& plan, const std::atomic<bool>& stop) {
    if (stop.load(std::memory_order_relaxed)) return exit_status::kInterrupted;
    return plan.complete() ? exit_status::kFinished : exit_status::kAborted;
}

}  // namespace

int optimiseProductionJob(const RunContext& run, const std::string& storeUrl, std::ostream& out) {
    const CliOptions& options = run.options;
    const StringCatalogue& catalogue = run.catalogue;
    std::ostream& err = run.err;
    const ProductionJobFileRead read = readProductionJobFile(options.jobPath);
    if (read.status != ProductionJobFileStatus::Read) {
        err << productionJobFileMessage(read, options.jobPath, catalogue) << '\n';
        return exit_status::kBadUsage;
    }
    const ProductionJob& job = read.job;
    const std::vector<std::string> names = materialsOfParts(job);
    if (names.empty()) {
        err << catalogue.text(plan_text::kNoParts) << '\n';
        return exit_status::kNothing;
    }
    JobStock stock;
    if (const int status = gatherJobStock(storeUrl, names, catalogue, err, stock);
        status != exit_status::kFinished)
        return status;

    ProductionRunOptions planning{run.parameters,
                                  run.methodChoice,
                                  stock.lists(),
                                  &run.stop,
                                  {},
                                  {},
                                  {options.profileHeight, options.turn.value_or(0) == 1}};
    if (options.progress)
        planning.materialPlanned = [&err, &catalogue](const MaterialPlan& plan) {
            if (plan.hasPlan())
                err << fillIn(
                           catalogue.text(plan_text::kMaterialPlanned),
                           {plan.parts.material, std::to_string(plan.result.plan.summary.rodCount)})
                    << '\n';
        };
    const ProductionPlan plan = planProductionJob(job, planning);
    for (const std::string& fault : productionPlanFaults(job, plan, catalogue))
        err << fault << '\n';
    int status = statusOfPlan(plan, run.stop);
    // Stopped, the best plans so far are shown; nothing is written or booked.
    if (status == exit_status::kInterrupted) err << catalogue.text(msg::kInterrupted) << '\n';

    ProductionOutcome outcome{job, plan, RunOutcome::Status::Finished, {}, std::nullopt, {}};
    outcome.status = status == exit_status::kFinished      ? RunOutcome::Status::Finished
                     : status == exit_status::kInterrupted ? RunOutcome::Status::Stopped
                                                           : RunOutcome::Status::Aborted;
    outcome.settings.result.parameters = run.parameters;
    outcome.settings.methodChoice = run.methodChoice;
    outcome.settings.store = storeUrl;
    // The job is booked before anything is printed, so that the outputs say whether it was.
    if (status == exit_status::kFinished && options.book)
        status = bookJob(stock, plan, job, options.jobPath, catalogue, outcome, err);
    // A closed or full standard output does not keep the files from being written.
    out << (options.json ? productionJson(outcome) : productionTable(outcome, catalogue))
        << std::flush;
    const bool printed = static_cast<bool>(out);
    if (status == exit_status::kFinished) status = writeProductionOutputs(run, outcome);
    if (!printed) {
        err << catalogue.text(safety_text::kCannotWriteOutput) << '\n';
        if (status == exit_status::kFinished) status = exit_status::kBadUsage;
    }
    return status;
}

}  // namespace marlo
