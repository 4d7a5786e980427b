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
        // 1701: the saw sheet: where an angled piece lies; %1 its start, %2 its end (mm)
        {"Referenčná strana: %1 – %2 mm",
         "Bezugsseite: %1 – %2 mm",
         "Reference face: %1 – %2 mm",
         "Referenční strana: %1 – %2 mm",
         "Referentiezijde: %1 – %2 mm"},
        // 1702: the saw sheet: the cuts at an angled piece's ends; %1 the first, %2 the second
        {"rezy %1 a %2",
         "Schnitte %1 und %2",
         "cuts %1 and %2",
         "řezy %1 a %2",
         "zaagsneden %1 en %2"},
        // 1703: the saw sheet: the piece's first cut freed the piece before it
        {"prvý rez spoločný s predchádzajúcim",
         "erster Schnitt mit dem vorigen gemeinsam",
         "first cut shared with the piece before",
         "první řez společný s předchozím",
         "eerste zaagsnede gedeeld met het vorige stuk"},
        // 1704: the saw sheet: the piece lies turned over
        {"otočený",
         "gewendet",
         "turned over",
         "otočený",
         "omgedraaid"},
        // 1705: the saw sheet's note on the angles of a material with angled pieces
        {"Šikmé rezy tak, ako dielec leží: / sa na protiľahlej strane nakláňa ku koncu tyče, \\ k jej začiatku.",
         "Gehrungsschnitte, wie das Teil liegt: / neigt sich auf der Gegenseite zum Stangenende, \\ zum Stangenanfang.",
         "Angled cuts as the piece lies: / leans towards the rod's end on the opposite face, \\ towards its start.",
         "Šikmé řezy tak, jak díl leží: / se na protilehlé straně naklání ke konci tyče, \\ k jejímu začátku.",
         "Schuine zaagsneden zoals het stuk ligt: / helt aan de tegenoverliggende zijde naar het einde van de staaf, \\ naar het begin."},
    };
    // clang-format on
    return rows;
}

}  // namespace marlo
