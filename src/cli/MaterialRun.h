#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "labels/PieceLabels.h"
#include "model/Job.h"
#include "stock/StockStore.h"

namespace marlo {

class StringCatalogue;
struct RunOutcome;

// The store's failure on `err`, and its exit status: bad usage for a URL that cannot be
// understood, store failed otherwise.
int storeFailureStatus(const StoreError& error, const StringCatalogue& catalogue,
                       std::ostream& err);

// A run planned from a material of the stock store (`--material`), and the booking of its plan
// (`--book`): the rods and offcuts it takes come out of the store, its usable leftovers go in.
class MaterialRun {
  public:
    // Opens the store and reads the material's stock rows and offcuts. On failure the message is
    // on `err`, `status` holds the exit status and nothing is returned.
    static std::optional<MaterialRun> open(const std::string& storeUrl, const std::string& material,
                                           const StringCatalogue& catalogue, std::ostream& err,
                                           int& status);

    // The stock the run plans from; its rows keep the store's order, so that a plan's stock
    // items name the store's rows.
    const StockList& stock() const { return stock_.list; }

    // Books a finished plan made from stock(): the outcome says booked and names the new
    // offcuts. Returns the exit status: finished, stock changed (what is missing on `err`;
    // the store is unchanged) or store failed.
    int book(const PatternTable& patterns, const Job& job, const std::string& jobPath,
             const StringCatalogue& catalogue, RunOutcome& outcome, std::ostream& err);

    // The labels of the offcuts a booking kept.
    std::vector<OffcutLabel> offcutLabels(const std::vector<StoredOffcut>& offcuts) const;

  private:
    MaterialRun(std::unique_ptr<StockStore> store, MaterialStock stock)
        : store_(std::move(store)), stock_(std::move(stock)) {
        stock_.list.material = stock_.material;
    }

    std::unique_ptr<StockStore> store_;
    MaterialStock stock_;
};

}  // namespace marlo
