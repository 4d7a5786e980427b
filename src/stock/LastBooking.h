#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "stock/StockStore.h"

namespace marlo {

// What a booking changed of one material.
struct StockStore::MaterialBooking {
    int64_t materialId = 0;
    std::vector<RodsTaken> rods;             // counted from limited rows only
    std::vector<StoredOffcut> offcutsTaken;  // as they were in the store
    std::vector<std::string> offcutsPut;
};

// What this session's last booking changed, so that Return to stock can undo exactly that.
struct StockStore::LastBooking {
    std::vector<MaterialBooking> materials;
};

}  // namespace marlo
