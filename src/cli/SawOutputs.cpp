#include "cli/SawOutputs.h"

#include <filesystem>

#include "cli/CliRun.h"
#include "cli/OutputFiles.h"
#include "diagram/DiagramSource.h"
#include "i18n/texts/SawOutputTexts.h"
#include "jobfile/AtomicFile.h"
#include "labelpaint/LabelDocumentFiles.h"
#include "labelpaint/PartsCheckListFile.h"
#include "labels/LabelCode.h"
#include "labels/LabelComposer.h"
#include "labels/SawListCsv.h"
#include "labels/SawSheet.h"

namespace marlo {

namespace {

const LabelSheetLayout* chosenLayout(const CliOptions& options) {
    return findLabelSheetLayout(options.labelLayout.value_or(std::string(kDefaultLabelLayout)));
}

// The piece labels, then those of the offcuts, on the chosen layout from the chosen sticker.
bool saveLabels(const std::string& path, const CliOptions& options,
                const std::vector<PieceLabel>& labels, const std::vector<OffcutLabel>& offcuts,
                const StringCatalogue& catalogue) {
    const PagedDocument document = composePieceAndOffcutLabels(
        labels, offcuts, *chosenLayout(options), options.labelStart.value_or(1), catalogue);
    return savePagedDocumentPdf(document, path,
                                QString::fromStdString(catalogue.text(saw_text::kLabels)));
}

bool saveSawSheet(const std::string& path, const PagedDocument& sheet,
                  const StringCatalogue& catalogue) {
    return savePagedDocumentPdf(sheet, path,
                                QString::fromStdString(catalogue.text(saw_text::kSawList)));
}

}  // namespace

std::optional<std::string> sawOutputRefusal(const CliOptions& options,
                                            const StringCatalogue& catalogue) {
    const LabelSheetLayout* layout = chosenLayout(options);
    if (!layout) return catalogue.text(saw_text::kUnknownLayout) + *options.labelLayout;
    const int start = options.labelStart.value_or(1);
    if (!validLabelStart(*layout, start))
        return catalogue.text(saw_text::kStartNotOnSheet) + std::to_string(start) + " (" +
               layout->name + ": 1-" + std::to_string(layout->labelsPerPage()) + ')';
    for (const std::optional<std::string>& path :
         {options.labelsPath, options.sawListPath, options.sawSheetPath, options.partsListPath}) {
        std::error_code error;
        if (path &&
            std::filesystem::symlink_status(*path, error).type() !=
                std::filesystem::file_type::not_found &&
            !saveDestination(*path))
            return catalogue.text(msg::kCannotWriteFile) + *path;
    }
    return std::nullopt;
}

int writeSawOutputs(const CliOptions& options, const Job& job, const PlanResult& result,
                    const std::vector<OffcutLabel>& offcuts, const StringCatalogue& catalogue,
                    std::ostream& err) {
    if (!options.labelsPath && !options.sawListPath && !options.sawSheetPath)
        return exit_status::kFinished;
    const SawList saw = sawList(job.list, result);
    const std::string date = todaysDate();
    OutputFiles files(catalogue, err);
    files.write(options.labelsPath, [&](const std::string& path) {
        return saveLabels(path, options,
                          pieceLabels(job.header, saw,
                                      labelReference(options.jobPath, job.header.customer), date),
                          offcuts, catalogue);
    });
    files.write(options.sawListPath, [&](const std::string& path) {
        return writeFileAtomically(path, sawListCsv(saw));
    });
    files.write(options.sawSheetPath, [&](const std::string& path) {
        return saveSawSheet(path, composeSawSheet(job.header, saw, date, catalogue), catalogue);
    });
    return files.status();
}

int writeProductionSawOutputs(const CliOptions& options, const ProductionJob& job,
                              const ProductionPlan& plan, const std::vector<OffcutLabel>& offcuts,
                              const StringCatalogue& catalogue, std::ostream& err) {
    const std::string date = todaysDate();
    OutputFiles files(catalogue, err);
    files.write(options.labelsPath, [&](const std::string& path) {
        return saveLabels(
            path, options,
            productionPieceLabels(job, plan, labelReference(options.jobPath, job.header.customer),
                                  date),
            offcuts, catalogue);
    });
    files.write(options.sawListPath, [&](const std::string& path) {
        return writeFileAtomically(path, productionSawListCsv(job, plan));
    });
    files.write(options.sawSheetPath, [&](const std::string& path) {
        return saveSawSheet(path, composeProductionSawSheet(job, plan, date, catalogue), catalogue);
    });
    files.write(options.partsListPath, [&](const std::string& path) {
        return savePartsCheckList(path, job, plan, date, catalogue);
    });
    return files.status();
}

}  // namespace marlo
