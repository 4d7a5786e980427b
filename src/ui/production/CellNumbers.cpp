#include "ui/production/CellNumbers.h"

#include <string>

#include "jobfile/CsvText.h"
#include "model/NumericText.h"

namespace marlo {

std::optional<double> numberOfCell(const QString& text) {
    const std::string cell = text.toStdString();
    if (isAmbiguousNumber(cell)) return std::nullopt;
    return parseNumericText(decimalPointCell(cell));
}

std::optional<int32_t> wholeNumberOfCell(const QString& text, int32_t least, int32_t most) {
    const std::optional<double> value = numberOfCell(text);
    if (value && *value >= least && *value <= most && *value == static_cast<int32_t>(*value))
        return static_cast<int32_t>(*value);
    return std::nullopt;
}

}  // namespace marlo
