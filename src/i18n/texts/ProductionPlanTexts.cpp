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
        {"Dielec č. %1 (%2) sa nedá narezať: ",
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
        {"Zákazka nemá žiadne dielce na plánovanie.",
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

const std::vector<CatalogueRow>& productionOutputTexts() {
    // Columns: Slovak, German, English, Czech, Dutch. Row i is offset kProductionOutputTextsFirst +
    // i.
    // clang-format off
    static const std::vector<CatalogueRow> rows = {
        // 1510: the title of the parts check list
        {"Kontrolný zoznam dielcov",
         "Teile-Prüfliste",
         "Parts check list",
         "Kontrolní seznam dílů",
         "Controlelijst onderdelen"},
        // 1511: caption of the part's number in the job
        {"Č.", "Nr.", "No.", "Č.", "Nr."},
        // 1512: caption of one piece of a part
        {"Kus", "Stück", "Piece", "Kus", "Stuk"},
        // 1513: caption of where a piece is cut
        {"Rezané z",
         "Geschnitten aus",
         "Cut from",
         "Řezáno z",
         "Gezaagd uit"},
        // 1514: %1 the pattern's number, %2 the rod of that pattern (first letter of "Pattern")
        {"S%1 tyč %2",
         "M%1 Stange %2",
         "P%1 rod %2",
         "Z%1 tyč %2",
         "P%1 staaf %2"},
        // 1515: a piece that is in no plan
        {"nenarezané",
         "nicht geschnitten",
         "not cut",
         "nenařezáno",
         "niet gezaagd"},
        // 1516: rods of a pattern cut for the same parts; %1 the first, %2 the last
        {"Tyče %1–%2",
         "Stangen %1–%2",
         "Rods %1–%2",
         "Tyče %1–%2",
         "Staven %1–%2"},
        // 1517: one rod of a pattern; %1 its number
        {"Tyč %1",
         "Stange %1",
         "Rod %1",
         "Tyč %1",
         "Staaf %1"},
        // 1518: %1 pieces of a part cut, of %2 it needs
        {"narezané %1 z %2",
         "%1 von %2 geschnitten",
         "%1 of %2 cut",
         "nařezáno %1 z %2",
         "%1 van %2 gezaagd"},
    };
    // clang-format on
    return rows;
}

}  // namespace marlo
