#include "model/ListRowCheck.h"

#include "model/NumericText.h"

namespace marlo {

RowFault checkListRow(const CutItem& item) {
    if (!isAcceptedNumber(item.dimension)) return RowFault::Dimension;
    if (!isAcceptedNumber(item.pieces)) return RowFault::Pieces;
    return RowFault::None;
}

bool isLongerThanRod(const CutItem& item, int16_t rodLength) {
    return parseNumericText(item.dimension).value_or(0) > rodLength;
}

}  // namespace marlo
