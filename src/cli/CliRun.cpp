#include "cli/CliRun.h"

#include <filesystem>
#include <memory>
#include <new>
#include <optional>
#include <system_error>

#include "cli/CommandLine.h"
#include "cli/ExportCommand.h"
#include "cli/ImportCommand.h"
#include "cli/MaterialRun.h"
#include "cli/OutputFiles.h"
#include "cli/ProductionRun.h"
#include "cli/RunContext.h"
#include "cli/RunOutcome.h"
#include "cli/SawOutputs.h"
#include "cli/StockCommands.h"
#include "diagram/DiagramComposer.h"
#include "drawing/DiagramFiles.h"
#include "i18n/StringCatalogue.h"
#include "i18n/texts/CommandLineSafetyTexts.h"
#include "i18n/texts/DiagramTexts.h"
#include "i18n/texts/FewestRodsTexts.h"
#include "i18n/texts/OutputTexts.h"
#include "i18n/texts/StockListTexts.h"
#include "jobfile/JobFile.h"
#include "jobfile/ProductionJobFile.h"
#include "jobfile/StockListText.h"
#include "labels/LabelSheets.h"
#include "optimiser/InputPreparation.h"
#include "optimiser/MethodRun.h"
#include "optimiser/NumberFormats.h"
#include "optimiser/StockTotals.h"
#include "paper/ReportPdf.h"
#include "reports/ReportLines.h"
#include "reports/ReportOfPlan.h"
#include "reports/SpreadsheetExport.h"
#include "reports/TextReport.h"
#include "reports/XlsxWriter.h"
#include "settings/ProgramSettings.h"
#include "settings/UserLocale.h"
#include "stock/StockListMessages.h"
#include "stock/StoreLocation.h"
#include "stock/StoreMessages.h"

namespace marlo {

namespace {

// Draws the progress on stderr when asked and passes the stop request on.
class CliObserver : public RunObserver {
  public:
    CliObserver(std::ostream& err, bool drawProgress, const std::atomic<bool>& stop,
                const StringCatalogue& catalogue)
        : err_(err), drawProgress_(drawProgress), stop_(stop), catalogue_(catalogue) {}

    void rodCut(double progress, const PlanSummary&) override {
        if (!drawProgress_) return;
        const int filled = static_cast<int>(progress / 100.0 * 40.0);
        err_ << "\r[" << std::string(filled, '#') << std::string(40 - filled, '.') << "] "
             << formatProgress(progress) << std::flush;
        drawn_ = true;
    }
    void bestPlanFound(const PlanSummary& totals, int lowerBound) override {
        if (!drawProgress_) return;
        err_ << '\r' << catalogue_.text(fewest_text::kBestPlanSoFar) << ": " << totals.rodCount;
        // Plans from a stock list bound their price, not their rods.
        if (lowerBound > 0)
            err_ << "  " << catalogue_.text(fewest_text::kLowerBound) << ": " << lowerBound;
        err_ << std::flush;
        drawn_ = true;
    }
    bool stopRequested() override { return stop_.load(std::memory_order_relaxed); }

    void endLine() {
        if (drawn_) err_ << '\n';
    }

  private:
    std::ostream& err_;
    const bool drawProgress_;
    const std::atomic<bool>& stop_;
    const StringCatalogue& catalogue_;
    bool drawn_ = false;
};

// An output path that names the job file itself (also through a link) would destroy the job.
std::optional<std::string> outputOverwritingTheJob(const CliOptions& options) {
    for (const std::optional<std::string>& output :
         {options.reportPath, options.pdfPath, options.xlsxPath, options.diagramPath,
          options.labelsPath, options.sawListPath, options.sawSheetPath, options.partsListPath}) {
        std::error_code error;
        if (output && std::filesystem::equivalent(options.jobPath, *output, error)) return output;
    }
    return std::nullopt;
}

// The stock list of --stock; none, with the reasons on `err`, when it cannot be used.
std::optional<StockList> readStock(const std::string& path, const StringCatalogue& catalogue,
                                   std::ostream& err) {
    StockListFileRead read = readStockListFile(path);
    const std::vector<std::string> faults = stockListFaults(read, path, catalogue);
    for (const std::string& fault : faults) err << fault << '\n';
    if (!faults.empty()) return std::nullopt;
    return std::move(read.stock.list);
}

// What the stock could not hold: each dimension left uncut and the length missing.
void writeUncut(const PlanResult& result, const StringCatalogue& catalogue, std::ostream& err) {
    if (result.uncut.empty()) return;
    for (const std::string& line : uncutLines(result.uncut, result.missingLength, catalogue))
        err << line << '\n';
}

// The text report, the printout and the workbook of a finished run, as the desktop program's
// Text, Export PDF and Excel commands write them.
int writeOutputs(const RunContext& run, const Job& job, const PlanResult& result) {
    const CliOptions& options = run.options;
    const StringCatalogue& catalogue = run.catalogue;
    std::ostream& err = run.err;
    // Without an output asked for, the list's number of dimensions is no concern.
    if (!options.reportPath && !options.pdfPath && !options.xlsxPath) return exit_status::kFinished;
    const std::optional<ReportData> data = reportOfPlan(job, result);
    if (!data) {
        err << catalogue.text(msg::kTooManyDimensions) << '\n';
        return exit_status::kAborted;
    }
    const char decimalSeparator = localeDecimalSeparator();
    OutputFiles files(catalogue, err);
    files.write(options.reportPath, [&](const std::string& path) {
        return saveTextReport(path, *data, catalogue, decimalSeparator);
    });
    files.write(options.pdfPath, [&](const std::string& path) {
        return writeReportPdf(path, *data, catalogue, decimalSeparator);
    });
    files.write(options.xlsxPath, [&](const std::string& path) {
        return writeXlsx(composeSpreadsheet(*data, catalogue), path);
    });
    return files.status();
}

// The cutting diagram of a finished run, as the desktop program's Export diagram writes it.
int writeDiagram(const RunContext& run, const Job& job, const PlanResult& result) {
    if (!run.options.diagramPath) return exit_status::kFinished;
    const std::string& path = *run.options.diagramPath;
    const StringCatalogue& catalogue = run.catalogue;
    const DiagramLayout diagram =
        composeDiagram(diagramSource(job.header, result, localeDecimalSeparator()), catalogue);
    // The command line has made sure that the name ends in .pdf or .svg.
    // The name's bytes as given: a name that is no UTF-8 is still the user's file.
    if (saveDiagram(diagram, std::filesystem::path(path), *diagramFileFormat(path),
                    QString::fromStdString(catalogue.text(diagram_text::kTitle))))
        return exit_status::kFinished;
    run.err << catalogue.text(msg::kCannotWriteFile) << path << '\n';
    return exit_status::kBadUsage;
}

// The stock the run cuts: the --stock file's or the --material's (then `material` is open on it),
// or none for rods of the one rod length. The exit status of a failure; kFinished otherwise.
int gatherStock(const RunContext& run, const std::string& storeUrl, StockList& stock,
                std::optional<MaterialRun>& material) {
    if (run.options.stockPath) {
        std::optional<StockList> read = readStock(*run.options.stockPath, run.catalogue, run.err);
        if (!read) return exit_status::kBadUsage;
        stock = std::move(*read);
    }
    if (run.options.material) {
        int failed = exit_status::kStoreFailed;
        material =
            MaterialRun::open(storeUrl, *run.options.material, run.catalogue, run.err, failed);
        if (!material) return failed;
        stock = material->stock();
    }
    return exit_status::kFinished;
}

// Runs the method over the prepared pieces and says in `outcome` how the run ended; its status.
int planPieces(const RunContext& run, PieceList& pieces, const StockList& stock,
               RunOutcome& outcome) {
    const StringCatalogue& catalogue = run.catalogue;
    std::ostream& err = run.err;
    CliObserver observer(err, run.options.progress, run.stop, catalogue);
    outcome.result = runMethod(pieces, run.parameters, run.methodChoice, observer, run.stop, stock);
    observer.endLine();
    CuttingPlan& plan = outcome.result.plan;
    int status = exit_status::kAborted;
    switch (plan.status) {
        case RunStatus::Finished:
            // A plan from stock answers a stop with the best plan so far: shown, but the run is
            // interrupted, so nothing is written or booked.
            if (run.stop.load(std::memory_order_relaxed) && !stock.empty()) {
                err << catalogue.text(msg::kInterrupted) << '\n';
                outcome.status = RunOutcome::Status::Stopped;
                status = exit_status::kInterrupted;
                break;
            }
            outcome.status = RunOutcome::Status::Finished;
            status = exit_status::kFinished;
            break;
        case RunStatus::Aborted:
            err << catalogue.text(plan.abortMessage) << '\n';
            writeUncut(outcome.result, catalogue, err);
            outcome.status = RunOutcome::Status::Aborted;
            status = exit_status::kAborted;
            break;
        case RunStatus::Stopped:
            // A stopped run leaves nothing on screen; the outputs show the same.
            err << catalogue.text(msg::kInterrupted) << '\n';
            plan.summary = PlanSummary{};
            outcome.status = RunOutcome::Status::Aborted;
            status = exit_status::kInterrupted;
            break;
    }
    return status;
}

// One run with its outputs, once the command line and the parameters are settled.
int optimise(const RunContext& run, const std::string& storeUrl, std::ostream& out) {
    const CliOptions& options = run.options;
    const StringCatalogue& catalogue = run.catalogue;
    std::ostream& err = run.err;
    StockList stock;
    std::optional<MaterialRun> material;
    if (const int status = gatherStock(run, storeUrl, stock, material);
        status != exit_status::kFinished)
        return status;
    // Pieces must be shorter than the longest rod left once the trim is off both its ends.
    const int16_t longestUsable = longestUsableLength(run.parameters, stock);
    if (longestUsable <= 0) {
        err << catalogue.text(stock_text::kTrimTooLong) << '\n';
        return exit_status::kBadUsage;
    }

    const JobFileReadResult read = readJobFile(options.jobPath);
    if (read.status == JobFileStatus::CannotRead) {
        err << catalogue.text(msg::kCannotReadFile) << options.jobPath << '\n';
        return exit_status::kBadUsage;
    }
    if (read.status == JobFileStatus::NotAJobFile) {
        err << catalogue.text(msg::kNotSupportedFormat) << ": " << options.jobPath << '\n';
        return exit_status::kBadUsage;
    }

    auto pieces = std::make_unique<PieceList>();
    const PreparedInput prepared = prepareInput(read.job.list, longestUsable, *pieces);
    RunOutcome outcome;
    outcome.result.method =
        stock.empty() ? run.methodChoice.method : OptimisationMethod::FewestRods;
    outcome.result.parameters = run.parameters;
    outcome.methodChoice = run.methodChoice;
    outcome.stockFile = options.stockPath;
    outcome.material = options.material;
    if (options.material) outcome.store = storeUrl;
    for (const RejectedRow& rejected : prepared.rejectedRows) {
        outcome.rejectedRows.push_back(rejected.row);
        err << '#' << rejected.row << ": " << catalogue.text(rejected.messageOffset) << '\n';
    }

    int status = exit_status::kNothing;
    if (prepared.tooManyPieces) {
        err << catalogue.text(msg::kTooManyPieces) << '\n';
        outcome.status = RunOutcome::Status::Aborted;
        status = exit_status::kAborted;
    } else if (pieces->count() == 0) {
        err << catalogue.text(msg::kNothingToOptimise) << '\n';
    } else {
        status = planPieces(run, *pieces, stock, outcome);
    }

    // The plan is booked before anything is printed, so that the outputs say whether it was.
    if (status == exit_status::kFinished && options.book)
        status = material->book(outcome.result.plan.patterns, read.job, options.jobPath, catalogue,
                                outcome, err);

    // A closed or full standard output does not keep the files from being written.
    out << (options.json ? outcomeJson(outcome) : outcomeTable(outcome, catalogue)) << std::flush;
    const bool printed = static_cast<bool>(out);
    if (status == exit_status::kFinished) {
        const int diagramStatus = writeDiagram(run, read.job, outcome.result);
        const int sawStatus = writeSawOutputs(
            options, read.job, outcome.result,
            material ? material->offcutLabels(outcome.newOffcuts) : std::vector<OffcutLabel>{},
            catalogue, err);
        status = writeOutputs(run, read.job, outcome.result);
        if (status == exit_status::kFinished) status = diagramStatus;
        if (status == exit_status::kFinished) status = sawStatus;
    }
    if (!printed) {
        err << catalogue.text(safety_text::kCannotWriteOutput) << '\n';
        if (status == exit_status::kFinished || status == exit_status::kNothing)
            status = exit_status::kBadUsage;
    }
    return status;
}

}  // namespace

int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
           const SettingsStore& settings, const std::atomic<bool>& stop) {
    if (!arguments.empty() && arguments[0] == "stock")
        return runStockCommand(arguments, out, err, settings);
    if (!arguments.empty() && arguments[0] == "export")
        return runExportCommand(arguments, err, settings);
    if (!arguments.empty() && arguments[0] == "import")
        return runImportCommand(arguments, err, settings);
    const ParsedCommandLine parsed = parseCommandLine(arguments);
    if (!parsed.options) {
        err << "marlo-veen-cli: " << parsed.error << '\n' << kUsage;
        return exit_status::kBadUsage;
    }
    const CliOptions& options = *parsed.options;
    if (options.labelLayout == "help") {
        out << labelLayoutNames();
        return exit_status::kFinished;
    }
    const ProgramSettings stored = peekSettings(settings);
    const JobParameters parameters = options.appliedTo(stored.parameters);
    const MethodChoice methodChoice = options.appliedTo(stored.methodChoice);
    const StringCatalogue catalogue(options.language.value_or(stored.language));

    // The settings reader takes such a cut as unreadable; given on the command line it is refused.
    if (!cutFitsRod(parameters.cutThickness, parameters.rodLength)) {
        err << catalogue.text(safety_text::kCutNotBelowRod) << '\n';
        return exit_status::kBadUsage;
    }
    if (const std::optional<std::string> output = outputOverwritingTheJob(options)) {
        err << catalogue.text(output_text::kOutputIsTheJobFile) << *output << '\n';
        return exit_status::kBadUsage;
    }
    if (const std::optional<std::string> refusal = sawOutputRefusal(options, catalogue)) {
        err << *refusal << '\n';
        return exit_status::kBadUsage;
    }
    // Out of memory, the run ends with a message rather than silently.
    try {
        const RunContext run{options, parameters, methodChoice, catalogue, err, stop};
        const std::string storeUrl = options.store.value_or(configuredStoreUrl(settings));
        if (isProductionJobFileName(options.jobPath))
            return optimiseProductionJob(run, storeUrl, out);
        return optimise(run, storeUrl, out);
    } catch (const std::bad_alloc&) {
        err << catalogue.text(safety_text::kOutOfMemory) << '\n';
        return exit_status::kAborted;
    }
}

}  // namespace marlo
