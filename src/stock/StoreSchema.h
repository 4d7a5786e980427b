#pragma once

#include "stock/StoreConnection.h"

namespace marlo {

// The version of the store's tables this program writes. A store of an older version is brought
// up to it when opened; a newer one is refused untouched.
inline constexpr int kStoreSchemaVersion = 2;

// Creates the tables in an empty database (unless `missing` refuses), or upgrades older ones, up
// to `target` (tests make stores of older versions with a lower target), in one transaction.
// A database that holds other tables is refused untouched.
StoreError prepareSchema(StockStore::Connection& connection, int target = kStoreSchemaVersion,
                         StockStore::Missing missing = StockStore::Missing::Create);

}  // namespace marlo
