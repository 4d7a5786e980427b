#pragma once

#include <string>

#include "i18n/StringCatalogue.h"
#include "stock/StockStore.h"

namespace marlo {

// The user's message for a store error: what went wrong, then what the database said.
std::string storeErrorMessage(const StoreError& error, const StringCatalogue& catalogue);

// One line of a refused booking: what the store no longer has.
std::string shortageMessage(const Shortage& shortage, const StringCatalogue& catalogue);

}  // namespace marlo
