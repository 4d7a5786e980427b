#include "i18n/CatalogueTexts.h"

namespace marlo {

const std::vector<CatalogueRow>& runControlTexts() {
    // Columns: Slovak, German, English, Czech, Dutch. Row i is offset kRunControlTextsFirst + i.
    // clang-format off
    static const std::vector<CatalogueRow> rows = {
    };
    // clang-format on
    return rows;
}

}  // namespace marlo
