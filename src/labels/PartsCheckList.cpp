#include "labels/PartsCheckList.h"

#include "i18n/texts/ProductionJobTexts.h"
#include "i18n/texts/ProductionPlanTexts.h"
#include "jobfile/CsvText.h"
#include "jobfile/RegularFile.h"
#include "labels/ProductionSawList.h"

namespace marlo {

std::vector<PartCheck> partsCheckList(const ProductionJob& job, const ProductionPlan& plan) {
    std::vector<PartCheck> checks(job.parts.size());
    for (size_t i = 0; i < checks.size(); ++i) checks[i].part = static_cast<int>(i);
    for (const MaterialSawList& list : productionSawLists(plan))
        for (size_t s = 0; s < list.saw.steps.size(); ++s)
            for (size_t rod = 0; rod < list.parts[s].size(); ++rod)
                for (const int part : list.parts[s][rod])
                    if (part >= 0 && static_cast<size_t>(part) < checks.size())
                        checks[static_cast<size_t>(part)].cut.push_back(
                            {list.saw.steps[s].pattern, static_cast<int>(rod) + 1});
    for (PartCheck& check : checks) {
        const int32_t pieces = job.parts[static_cast<size_t>(check.part)].part.pieces;
        check.notCut = std::max<int32_t>(0, pieces - static_cast<int32_t>(check.cut.size()));
    }
    return checks;
}

std::string piecePlaceText(const PiecePlace* place, const StringCatalogue& catalogue) {
    if (!place) return catalogue.text(plan_text::kNotCut);
    return fillIn(catalogue.text(plan_text::kPatternRod),
                  {std::to_string(place->pattern), std::to_string(place->rod)});
}

std::string partsCheckListCsv(const ProductionJob& job, const ProductionPlan& plan,
                              const StringCatalogue& catalogue) {
    std::string csv(kUtf8ByteOrderMark);
    appendCsvLine(csv,
                  {catalogue.text(plan_text::kPartNumber), catalogue.text(job_text::kMark),
                   catalogue.text(job_text::kMaterial), catalogue.text(job_text::kLength),
                   catalogue.text(job_text::kPieces), catalogue.text(job_text::kOrder),
                   catalogue.text(plan_text::kPieceCaption), catalogue.text(plan_text::kCutFrom)});
    for (const PartCheck& check : partsCheckList(job, plan)) {
        const Part& part = job.parts[static_cast<size_t>(check.part)].part;
        const std::string number = std::to_string(check.part + 1),
                          length = std::to_string(part.length),
                          pieces = std::to_string(part.pieces);
        const size_t count = check.cut.size() + static_cast<size_t>(check.notCut);
        for (size_t piece = 0; piece < count; ++piece) {
            const std::string place =
                piecePlaceText(piece < check.cut.size() ? &check.cut[piece] : nullptr, catalogue);
            const std::string pieceNumber = std::to_string(piece + 1);
            appendCsvLine(csv, {number, part.mark, part.material, length, pieces, part.order,
                                pieceNumber, place});
        }
    }
    return csv;
}

std::optional<PartsListFormat> partsListFormat(const std::string& path) {
    const std::string extension = lowerCaseExtension(path);
    if (extension == ".csv") return PartsListFormat::Csv;
    if (extension == ".pdf") return PartsListFormat::Pdf;
    return std::nullopt;
}

}  // namespace marlo
