#pragma once

#include <map>
#include <string>
#include <vector>

#include "i18n/StringCatalogue.h"
#include "production/ProductionPlanning.h"
#include "stock/StockStore.h"

namespace marlo {

// The booking of a production job's plan, for the command line and the window alike: the plans
// of all its materials planned from the store's stock go out of the store as one change, so that
// either every material is booked or none.

// The stock each material was planned from as the run read it (with the store's row keys); the
// materials cut from a rod length of their own are not in it.
using ProductionStock = std::map<std::string, MaterialStock>;

struct ProductionBooking {
    // Done also when no material was planned from stock (nothing to book); StockChanged and
    // Failed change nothing.
    BookingResult::Status status = BookingResult::Status::Failed;
    // Per material of the plan, in its order: the offcuts the booking put in (Done), or what the
    // store no longer has of it (StockChanged). Empty for a material not planned from stock.
    std::vector<std::vector<StoredOffcut>> newOffcuts;
    std::vector<std::vector<Shortage>> missing;
    StoreError error;  // Failed
};

// Whether the window can book the plan: every material planned to its end, and at least one from
// the store's stock (the others, cut from rod lengths of their own, take nothing from the store).
bool plannedFromStock(const ProductionPlan& plan, const ProductionStock& stock);

// Books every material of the plan that has stock in `stock` in one transaction of the store.
ProductionBooking bookProductionPlan(StockStore& store, const ProductionPlan& plan,
                                     const ProductionStock& stock, const OffcutOrigin& origin);

// What a refused booking lacks, material by material: each material's heading with its name,
// then one line per shortage.
std::vector<std::string> productionShortageLines(const ProductionPlan& plan,
                                                 const ProductionBooking& booking,
                                                 const StringCatalogue& catalogue);

}  // namespace marlo
