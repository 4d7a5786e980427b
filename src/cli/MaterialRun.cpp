#include "cli/MaterialRun.h"

#include <filesystem>

#include "cli/CliRun.h"
#include "cli/RunOutcome.h"
#include "diagram/DiagramSource.h"
#include "i18n/StringCatalogue.h"
#include "i18n/texts/StockStoreTexts.h"
#include "stock/StoreLocation.h"
#include "stock/StoreMessages.h"

namespace marlo {

int storeFailureStatus(const StoreError& error, const StringCatalogue& catalogue,
                       std::ostream& err) {
    err << storeErrorMessage(error, catalogue) << '\n';
    return error.kind == StoreError::Kind::BadLocation ? exit_status::kBadUsage
                                                       : exit_status::kStoreFailed;
}

std::optional<MaterialRun> MaterialRun::open(const std::string& storeUrl,
                                             const std::string& material,
                                             const StringCatalogue& catalogue, std::ostream& err,
                                             int& status) {
    // A store without the material cannot plan: a missing one is named rather than made, except
    // the user's own, made on first use.
    const StockStore::Missing missing =
        storeUrl == defaultStoreUrl() ? StockStore::Missing::Create : StockStore::Missing::Refuse;
    StoreResult<std::unique_ptr<StockStore>> opened =
        StockStore::open(storeUrl, StockStore::kDefaultLockWait, missing);
    if (!opened.value) {
        status = storeFailureStatus(opened.error, catalogue, err);
        err << storeUrl << '\n';
        return std::nullopt;
    }
    StoreResult<MaterialStock> stock = (*opened.value)->stockOf(material);
    if (!stock.value) {
        status = storeFailureStatus(stock.error, catalogue, err);
        return std::nullopt;
    }
    // Without stock the run would plan from the single rod length and book nothing.
    if (!holdsStock(stock.value->list)) {
        err << fillIn(catalogue.text(store_text::kMaterialHasNoStock), {material}) << '\n';
        status = exit_status::kBadUsage;
        return std::nullopt;
    }
    return MaterialRun(std::move(*opened.value), std::move(*stock.value));
}

int MaterialRun::book(const PatternTable& patterns, const Job& job, const std::string& jobPath,
                      const StringCatalogue& catalogue, RunOutcome& outcome, std::ostream& err) {
    const OffcutOrigin origin{std::filesystem::path(jobPath).filename().string(),
                              job.header.customer, todaysDate(), 0};
    const BookingResult booked = store_->book(usageOfPlan(stock_, patterns, origin));
    outcome.booked = booked.status == BookingResult::Status::Done;
    switch (booked.status) {
        case BookingResult::Status::Done:
            outcome.newOffcuts = booked.newOffcuts;
            return exit_status::kFinished;
        case BookingResult::Status::StockChanged:
            err << catalogue.text(store_text::kStockChanged) << '\n';
            for (const Shortage& shortage : booked.missing)
                err << shortageMessage(shortage, catalogue) << '\n';
            err << catalogue.text(store_text::kNothingChanged) << '\n';
            return exit_status::kStockChanged;
        case BookingResult::Status::NothingToUndo:
        case BookingResult::Status::Failed:
            break;
    }
    return storeFailureStatus(booked.error, catalogue, err);
}

std::vector<OffcutLabel> MaterialRun::offcutLabels(const std::vector<StoredOffcut>& offcuts) const {
    std::vector<OffcutLabel> labels;
    for (const StoredOffcut& offcut : offcuts)
        labels.push_back({stock_.material, offcut.length, offcut.id, originText(offcut.origin)});
    return labels;
}

}  // namespace marlo
