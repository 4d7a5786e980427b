#include "i18n/CatalogueTexts.h"

namespace marlo {

const std::vector<CatalogueRow>& productionPlanTexts() {
    // Columns: Slovak, German, English, Czech, Dutch. Row i is offset kProductionPlanTextsFirst +
    // i.
    // clang-format off
    static const std::vector<CatalogueRow> rows = {
        // 1500: heading of a material's plan; followed by its name
        {"Materiál: ",
         "Material: ",
         "Material: ",
         "Materiál: ",
         "Materiaal: "},
        // 1501: %1 the material; followed by the reason
        {"Materiál %1 sa nedá naplánovať: ",
         "Material %1 kann nicht geplant werden: ",
         "Material %1 cannot be planned: ",
         "Materiál %1 nelze naplánovat: ",
         "Materiaal %1 kan niet worden gepland: "},
        // 1502: %1 the part's number in the job, %2 its mark; followed by the reason
        {"Diel č. %1 (%2) sa nedá narezať: ",
         "Teil Nr. %1 (%2) kann nicht zugeschnitten werden: ",
         "Part no. %1 (%2) cannot be cut: ",
         "Díl č. %1 (%2) nelze nařezat: ",
         "Onderdeel nr. %1 (%2) kan niet worden gezaagd: "},
        // 1503: caption of the job's total price
        {"Cena zákazky",
         "Preis des Auftrags",
         "Price of the job",
         "Cena zakázky",
         "Prijs van de opdracht"},
        // 1504: progress; %1 the material, %2 its rods
        {"%1: naplánované, tyčí: %2",
         "%1: geplant, Stangen: %2",
         "%1: planned, rods: %2",
         "%1: naplánováno, tyčí: %2",
         "%1: gepland, staven: %2"},
        // 1505: caption before "proven optimal" or "not proven"
        {"Všetky materiály",
         "Alle Materialien",
         "All materials",
         "Všechny materiály",
         "Alle materialen"},
        // 1506: a job without parts
        {"Zákazka nemá žiadne diely na plánovanie.",
         "Der Auftrag hat keine Teile zu planen.",
         "The job has no parts to plan.",
         "Zakázka nemá žádné díly k plánování.",
         "De opdracht heeft geen onderdelen om te plannen."},
        // 1507: the name of the workbook's sheet of every material
        {"Prehľad",
         "Übersicht",
         "Summary",
         "Přehled",
         "Overzicht"},
    };
    // clang-format on
    return rows;
}

}  // namespace marlo
