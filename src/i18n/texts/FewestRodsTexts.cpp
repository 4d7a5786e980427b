#include "i18n/CatalogueTexts.h"

namespace marlo {

const std::vector<CatalogueRow>& fewestRodsTexts() {
    // Columns: Slovak, German, English, Czech, Dutch. The report line (116) lines up its colon
    // with the totals lines of its language.
    // clang-format off
    static const std::vector<CatalogueRow> rows = {
        {"Dolná hranica (tyče)", "Untergrenze (Stangen)", "Lower bound (rods)", "Dolní mez (tyče)", "Ondergrens (staven)"},  // 115
        // 116
        {"    Dolná hranica      (tyče)  :   ",
         "    Untergrenze        (Stangen)  :   ",
         "    Lower bound           (rods)  :   ",
         "    Dolní mez          (tyče)  :   ",
         "    Ondergrens          (staven)  :   "},
        {"overené optimum", "nachweislich optimal", "proven optimal", "ověřené optimum", "bewezen optimaal"},  // 117
        {"neoverené", "nicht nachgewiesen", "not proven", "neověřeno", "niet bewezen"},  // 118
        {"Tyč po tyči", "Stange für Stange", "Rod-by-rod search", "Tyč po tyči", "Staaf voor staaf"},  // 119
        {"Najmenej tyčí", "Wenigste Stangen", "Fewest rods", "Nejméně tyčí", "Minste staven"},  // 120
        {"Metóda", "Methode", "Method", "Metoda", "Methode"},  // 121
        {"Časový limit (s)", "Zeitlimit (s)", "Time limit (s)", "Časový limit (s)", "Tijdslimiet (s)"},  // 122
        {"Najlepší plán doteraz (tyče)", "Bester Plan bisher (Stangen)", "Best plan so far (rods)", "Dosud nejlepší plán (tyče)", "Beste plan tot nu toe (staven)"},  // 123
    };
    // clang-format on
    return rows;
}

}  // namespace marlo
