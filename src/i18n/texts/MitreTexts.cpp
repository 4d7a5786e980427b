#include "i18n/CatalogueTexts.h"

namespace marlo {

const std::vector<CatalogueRow>& mitreTexts() {
    // Columns: Slovak, German, English, Czech, Dutch. Row i is offset kMitreTextsFirst + i.
    // clang-format off
    static const std::vector<CatalogueRow> rows = {
        // 1700: why a material with angled parts cannot be planned
        {"chýba výška profilu, ktorú potrebujú šikmé rezy.",
         "die Profilhöhe fehlt, die die Gehrungsschnitte brauchen.",
         "the profile height is missing, which the angled cuts need.",
         "chybí výška profilu, kterou potřebují šikmé řezy.",
         "de profielhoogte ontbreekt, die de schuine zaagsneden nodig hebben."},
    };
    // clang-format on
    return rows;
}

}  // namespace marlo
