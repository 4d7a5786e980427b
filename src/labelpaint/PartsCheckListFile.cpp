#include "labelpaint/PartsCheckListFile.h"

#include "i18n/texts/ProductionPlanTexts.h"
#include "jobfile/AtomicFile.h"
#include "labelpaint/LabelDocumentFiles.h"

namespace marlo {

bool savePartsCheckList(const std::string& path, const ProductionJob& job,
                        const ProductionPlan& plan, const std::string& date,
                        const StringCatalogue& catalogue) {
    if (partsListFormat(path) == PartsListFormat::Csv)
        return writeFileAtomically(path, partsCheckListCsv(job, plan, catalogue));
    return savePagedDocumentPdf(composePartsCheckList(job, plan, date, catalogue), path,
                                QString::fromStdString(catalogue.text(plan_text::kPartsCheckList)));
}

}  // namespace marlo
