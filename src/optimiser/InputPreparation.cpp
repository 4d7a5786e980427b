#include "optimiser/InputPreparation.h"

#include <algorithm>
#include <functional>
#include <optional>

#include "i18n/StringCatalogue.h"
#include "model/NumericText.h"

namespace marlo {

namespace {

// The message that refuses a row, or 0 when the row is taken.
int refusal(std::optional<int32_t> dimension, std::optional<int16_t> pieces, int16_t rodLength) {
    if (!dimension || !pieces) return msg::kNotANumber;
    if (*dimension >= rodLength) return msg::kDimensionTooLong;
    // A piece of no length, or a negative count, would make the search place pieces without end.
    if (*dimension <= 0 || *pieces < 0) return msg::kNotPositive;
    return 0;
}

}  // namespace

PreparedInput prepareInput(const CuttingList& list, int16_t rodLength, PieceList& pieces) {
    PreparedInput result;
    int32_t total = 0;
    pieces.clear();
    for (size_t row = 0; row < list.size(); ++row) {
        const std::optional<int32_t> dimension = toInt32(list[row].dimension);
        const std::optional<int16_t> count = toInt16(list[row].pieces);
        if (const int message = refusal(dimension, count, rodLength); message != 0) {
            result.rejectedRows.push_back({static_cast<int>(row) + 1, message});
            continue;
        }
        total += *count;
        if (total > PieceList::kCapacity) {
            result.tooManyPieces = true;
            pieces.clear();
            return result;
        }
        for (int16_t i = 0; i < *count; ++i) pieces.append(static_cast<int16_t>(*dimension));
    }
    if (pieces.count() == 0) return result;

    pieces.setInitialCount(pieces.count());
    // Equal lengths are indistinguishable, so any sort gives the order of a stable one.
    std::sort(pieces.data() + 1, pieces.data() + 1 + pieces.count(), std::greater<int16_t>());
    return result;
}

}  // namespace marlo
