#include "i18n/CatalogueTexts.h"

namespace marlo {

const std::vector<CatalogueRow>& sawOutputTexts() {
    // Columns: Slovak, German, English, Czech, Dutch. Row i is offset kSawOutputTextsFirst + i.
    // clang-format off
    static const std::vector<CatalogueRow> rows = {
    };
    // clang-format on
    return rows;
}

}  // namespace marlo
