#include "i18n/CatalogueTexts.h"

namespace marlo {

const std::vector<CatalogueRow>& diagramTexts() {
    // Columns: Slovak, German, English, Czech, Dutch.
    // clang-format off
    static const std::vector<CatalogueRow> rows = {
    };
    // clang-format on
    return rows;
}

}  // namespace marlo
