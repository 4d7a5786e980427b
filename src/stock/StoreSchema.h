#pragma once

#include "stock/StoreConnection.h"

namespace marlo {

// The version of the store's tables this program writes. A store of an older version is brought
// up to it when opened; a newer one is refused untouched.
inline constexpr int kStoreSchemaVersion = 2;

// Creates the tables in an empty database, or upgrades older ones, up to `target` (tests make
// stores of older versions with a lower target), in one transaction.
StoreError prepareSchema(StockStore::Connection& connection, int target = kStoreSchemaVersion);

}  // namespace marlo
