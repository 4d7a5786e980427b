#include "i18n/CatalogueTexts.h"

namespace marlo {

const std::vector<CatalogueRow>& windowOutputTexts() {
    // Columns: Slovak, German, English, Czech, Dutch. Row i is offset kWindowOutputTextsFirst + i.
    // clang-format off
    static const std::vector<CatalogueRow> rows = {
    };
    // clang-format on
    return rows;
}

}  // namespace marlo
