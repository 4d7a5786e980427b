#include "labels/ListRows.h"

#include <optional>

#include "model/NumericText.h"

namespace marlo {

int listRowOf(const CuttingList& list, int16_t length) {
    for (size_t row = 0; row < list.size(); ++row) {
        const std::optional<int32_t> dimension = toInt32(list[row].dimension);
        const std::optional<int16_t> pieces = toInt16(list[row].pieces);
        if (dimension && *dimension == length && pieces && *pieces > 0)
            return static_cast<int>(row) + 1;
    }
    return 0;
}

}  // namespace marlo
