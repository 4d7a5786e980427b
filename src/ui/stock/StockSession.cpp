#include "ui/stock/StockSession.h"

#include <QStringList>

#include "i18n/texts/StockStoreTexts.h"
#include "stock/StoreLocation.h"
#include "stock/StoreMessages.h"

namespace marlo {

QString storeOpenFailure(const StoreError& error, const std::string& url,
                         const StringCatalogue& catalogue) {
    std::string message = storeErrorMessage(error, catalogue);
    // An address that cannot be read is already named in its message.
    if (error.kind != StoreError::Kind::BadLocation) message += "\n" + url;
    return QString::fromStdString(message);
}

StockSession::StockSession(SettingsStore& settings, const StringCatalogue& catalogue,
                           WindowMessages& messages)
    : settings_(settings), catalogue_(catalogue), messages_(messages) {}

StockSession::~StockSession() = default;

StockStore* StockSession::store(bool quiet) {
    const std::string url = configuredStoreUrl(settings_);
    if (store_ && url == url_) return store_.get();
    store_.reset();
    if (quiet && url == failedUrl_ &&
        std::chrono::steady_clock::now() - failedAt_ < kQuietRetryAfter)
        return nullptr;
    StoreResult<std::unique_ptr<StockStore>> opened = StockStore::open(url, kWindowLockWait);
    if (!opened.value) {
        failedUrl_ = url;
        failedAt_ = std::chrono::steady_clock::now();
        if (!quiet) messages_.showError(storeOpenFailure(opened.error, url, catalogue_));
        return nullptr;
    }
    store_ = std::move(*opened.value);
    url_ = url;
    failedUrl_.clear();
    return store_.get();
}

std::vector<std::string> StockSession::materialNames() {
    std::vector<std::string> names;
    StockStore* open = store(true);
    if (open == nullptr) return names;
    StoreResult<std::vector<MaterialSummary>> read = open->materials();
    if (read.value)
        for (const MaterialSummary& material : *read.value) names.push_back(material.name);
    return names;
}

std::optional<MaterialStock> StockSession::stockOf(const std::string& material) {
    StockStore* open = store(false);
    if (open == nullptr) return std::nullopt;
    StoreResult<MaterialStock> read = open->stockOf(material);
    if (!read.value) {
        showError(read.error);
        return std::nullopt;
    }
    // Without stock the run would plan from nothing.
    if (!holdsStock(read.value->list)) {
        messages_.showError(QString::fromStdString(
            fillIn(catalogue_.text(store_text::kMaterialHasNoStock), {material})));
        return std::nullopt;
    }
    read.value->list.material = material;
    return read.value;
}

std::optional<std::map<std::string, MaterialStock>> StockSession::stockOfMaterials(
    const std::vector<std::string>& materials, Failure failure) {
    const bool quiet = failure == Failure::Quiet;
    std::map<std::string, MaterialStock> stock;
    StockStore* open = store(quiet);
    if (open == nullptr) return quiet ? std::optional(stock) : std::nullopt;
    for (const std::string& name : materials) {
        StoreResult<MaterialStock> read = open->stockOf(name);
        if (!read.value) {
            if (read.error.kind == StoreError::Kind::UnknownMaterial) continue;
            if (quiet) return stock;
            showError(read.error);
            return std::nullopt;
        }
        if (!holdsStock(read.value->list)) continue;
        read.value->list.material = name;
        stock.emplace(name, std::move(*read.value));
    }
    return stock;
}

BookingResult StockSession::book(const StockUsage& usage) {
    StockStore* open = store(false);
    if (open == nullptr) return {};
    BookingResult booked = open->book(usage);
    showRefusal(booked, store_text::kStockChanged);
    return booked;
}

ProductionBooking StockSession::book(const ProductionPlan& plan, const ProductionStock& stock,
                                     const OffcutOrigin& origin) {
    StockStore* open = store(false);
    if (open == nullptr) return {};
    ProductionBooking booked = bookProductionPlan(*open, plan, stock, origin);
    if (booked.status == BookingResult::Status::Failed) showError(booked.error);
    if (booked.status == BookingResult::Status::StockChanged)
        showShortages(productionShortageLines(plan, booked, catalogue_), store_text::kStockChanged);
    return booked;
}

BookingResult StockSession::returnLastBooking() {
    BookingResult returned;
    returned.status = BookingResult::Status::NothingToUndo;
    if (!store_) {
        messages_.notify(QString::fromStdString(catalogue_.text(store_text::kNothingToReturn)));
        return returned;
    }
    returned = store_->returnLastBooking();
    if (returned.status == BookingResult::Status::NothingToUndo)
        messages_.notify(QString::fromStdString(catalogue_.text(store_text::kNothingToReturn)));
    showRefusal(returned, std::nullopt);
    return returned;
}

// What the store no longer has, line by line, under the heading, or why it failed. A refused
// booking asks for a new plan.
void StockSession::showRefusal(const BookingResult& result, std::optional<int> heading) {
    if (result.status == BookingResult::Status::Failed) showError(result.error);
    if (result.status != BookingResult::Status::StockChanged) return;
    std::vector<std::string> shortages;
    for (const Shortage& shortage : result.missing)
        shortages.push_back(shortageMessage(shortage, catalogue_));
    showShortages(shortages, heading);
}

void StockSession::showShortages(const std::vector<std::string>& shortages,
                                 std::optional<int> heading) {
    std::vector<std::string> lines;
    if (heading) lines.push_back(catalogue_.text(*heading));
    lines.insert(lines.end(), shortages.begin(), shortages.end());
    lines.push_back(catalogue_.text(store_text::kNothingChanged));
    if (heading) lines.push_back(catalogue_.text(store_text::kOptimiseAgain));
    QStringList text;
    for (const std::string& line : lines) text << QString::fromStdString(line);
    messages_.showError(text.join(QLatin1Char('\n')));
}

void StockSession::showError(const StoreError& error) {
    messages_.showError(QString::fromStdString(storeErrorMessage(error, catalogue_)));
}

}  // namespace marlo
