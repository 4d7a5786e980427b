#pragma once

#include <QString>
#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "i18n/StringCatalogue.h"
#include "settings/SettingsStore.h"
#include "stock/ProductionBooking.h"
#include "stock/StockStore.h"
#include "ui/common/WindowMessages.h"

namespace marlo {

// A window waits less than the command line for another workstation that holds the store: the
// operator can try again.
inline constexpr std::chrono::milliseconds kWindowLockWait{5000};

// A server out of reach makes every attempt to connect wait for its timeout: a store that failed
// to open is not tried again quietly (for the Parameters dialog's list of materials) for a while.
// What the operator asks for (a run, a booking) tries again at once.
inline constexpr std::chrono::seconds kQuietRetryAfter{60};

// Why the store at `url` did not open, naming the address once.
QString storeOpenFailure(const StoreError& error, const std::string& url,
                         const StringCatalogue& catalogue);

// The main window's link to the stock store the settings name: opened at first use and kept for
// the session, since Return to stock undoes a booking made through the same link. When the
// settings name another store (the Stock window opened one), the link follows. Every failure is
// shown in a message that says what went wrong; the store is unchanged.
class StockSession {
  public:
    StockSession(SettingsStore& settings, const StringCatalogue& catalogue,
                 WindowMessages& messages);
    ~StockSession();

    // The names of the store's materials; none, without a word, when the store is out of reach
    // or was shortly before.
    std::vector<std::string> materialNames();
    // The material's stock, or nothing after a message (the store failed, the material is gone
    // or holds no stock).
    std::optional<MaterialStock> stockOf(const std::string& material);
    // The stock of each material that the store holds with stock to cut; a material it does not
    // hold, or holds nothing of, is left out (its rods come from its rod length). A store that
    // fails: nothing after a message, or quietly an empty map.
    enum class Failure { Shown, Quiet };
    std::optional<std::map<std::string, MaterialStock>> stockOfMaterials(
        const std::vector<std::string>& materials, Failure failure);
    // Takes a plan's stock out of the store; a refusal or failure has been shown when the result
    // is not Done.
    BookingResult book(const StockUsage& usage);
    // Takes a production job's plan out of the store, every material planned from stock or none;
    // a refusal (naming each material and what it lacks) or failure has been shown when the
    // result is not Done.
    ProductionBooking book(const ProductionPlan& plan, const ProductionStock& stock,
                           const OffcutOrigin& origin);
    // Undoes the session's last booking; says what came of it.
    BookingResult returnLastBooking();

  private:
    // The open store, or none: after a message unless `quiet`.
    StockStore* store(bool quiet);
    void showRefusal(const BookingResult& result, std::optional<int> heading);
    // What the store lacks, line by line, between the heading and the advice.
    void showShortages(const std::vector<std::string>& shortages, std::optional<int> heading);
    void showError(const StoreError& error);

    SettingsStore& settings_;
    const StringCatalogue& catalogue_;
    WindowMessages& messages_;
    std::string url_;  // of the open store
    std::unique_ptr<StockStore> store_;
    std::string failedUrl_;  // of the last store that failed to open
    std::chrono::steady_clock::time_point failedAt_;
};

}  // namespace marlo
