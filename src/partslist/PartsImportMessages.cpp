#include "partslist/PartsImportMessages.h"

#include "i18n/texts/PartsListTexts.h"

namespace marlo {

namespace {

std::string problemLine(const RowProblem& problem, int separator,
                        const StringCatalogue& catalogue) {
    std::string line = catalogue.text(parts_text::kRow) + std::to_string(problem.row);
    line += separator ? catalogue.text(separator) : std::string(": ");
    line += catalogue.text(problem.reason);
    if (!problem.cell.empty()) line += ": " + problem.cell;
    return line;
}

}  // namespace

std::vector<std::string> partsImportMessages(const PartsImport& import,
                                             const StringCatalogue& catalogue) {
    if (import.failure) return {catalogue.text(import.failure) + import.failureDetail};
    std::vector<std::string> lines;
    for (const RowProblem& problem : import.refused)
        lines.push_back(problemLine(problem, parts_text::kSkipped, catalogue));
    for (const RowProblem& problem : import.warnings)
        lines.push_back(problemLine(problem, 0, catalogue));
    return lines;
}

}  // namespace marlo
