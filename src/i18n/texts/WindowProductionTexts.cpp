#include "i18n/CatalogueTexts.h"

namespace marlo {

const std::vector<CatalogueRow>& windowProductionTexts() {
    // Columns: Slovak, German, English, Czech, Dutch. Row i is offset
    // kWindowProductionTextsFirst + i.
    // clang-format off
    static const std::vector<CatalogueRow> rows = {
        // 1550: caption of the parts grid
        {"Dielce", "Teile", "Parts", "Díly", "Onderdelen"},
        // 1551: caption of the materials and the job's summary
        {"Materiály", "Materialien", "Materials", "Materiály", "Materialen"},
        // 1552: column: the length of all pieces of a material
        {"Spolu mm", "Gesamt mm", "Total mm", "Celkem mm", "Totaal mm"},
        // 1553: column: where a material's rods come from
        {"Tyče z", "Stangen aus", "Rods from", "Tyče z", "Staven uit"},
        // 1554: %1 the store's stock rows of the material
        {"sklad (riadkov: %1)", "Lager (Zeilen: %1)", "store (rows: %1)", "sklad (řádků: %1)",
         "magazijn (regels: %1)"},
        // 1555: %1 the rod length in mm
        {"jedna dĺžka tyče (%1)", "eine Stangenlänge (%1)", "one rod length (%1)",
         "jedna délka tyče (%1)", "één staaflengte (%1)"},
        // 1556: column: rods of a material's plan
        {"Tyče", "Stangen", "Rods", "Tyče", "Staven"},
        // 1557: column: price of a material's plan
        {"Cena", "Preis", "Price", "Cena", "Prijs"},
        // 1558: column: waste of a material's plan in mm
        {"Odpad mm", "Abfall mm", "Waste mm", "Odpad mm", "Afval mm"},
        // 1559: column: the lower bound of a material's plan
        {"Dolná hranica", "Untergrenze", "Bound", "Dolní mez", "Ondergrens"},
        // 1560: after a bound the plan has reached
        {" (optimálne)", " (optimal)", " (proven)", " (optimální)", " (optimaal)"},
        // 1561: a material without a plan
        {"bez plánu", "kein Plan", "not planned", "bez plánu", "geen plan"},
        // 1562: the open dialog's filter
        {"Všetky súbory (*.*)|*.*|Zákazky (*.opt, *.mvjob)|*.opt *.mvjob",
         "Alle Dateien (*.*)|*.*|Aufträge (*.opt, *.mvjob)|*.opt *.mvjob",
         "All files (*.*)|*.*|Jobs (*.opt, *.mvjob)|*.opt *.mvjob",
         "Všechny soubory (*.*)|*.*|Zakázky (*.opt, *.mvjob)|*.opt *.mvjob",
         "Alle bestanden (*.*)|*.*|Opdrachten (*.opt, *.mvjob)|*.opt *.mvjob"},
        // 1563: the save dialog's filter of a production job
        {"Všetky súbory (*.*)|*.*|Výrobné zákazky (*.mvjob)|*.mvjob",
         "Alle Dateien (*.*)|*.*|Fertigungsaufträge (*.mvjob)|*.mvjob",
         "All files (*.*)|*.*|Production jobs (*.mvjob)|*.mvjob",
         "Všechny soubory (*.*)|*.*|Výrobní zakázky (*.mvjob)|*.mvjob",
         "Alle bestanden (*.*)|*.*|Productieopdrachten (*.mvjob)|*.mvjob"},
        // 1564: %1 the longest length allowed
        {"Dĺžka musí byť celé číslo od 1 do %1 mm.",
         "Die Länge muss eine ganze Zahl von 1 bis %1 mm sein.",
         "The length must be a whole number from 1 to %1 mm.",
         "Délka musí být celé číslo od 1 do %1 mm.",
         "De lengte moet een geheel getal van 1 tot %1 mm zijn."},
        // 1565: %1 the most pieces allowed
        {"Počet kusov musí byť celé číslo od 0 do %1.",
         "Die Stückzahl muss eine ganze Zahl von 0 bis %1 sein.",
         "The pieces must be a whole number from 0 to %1.",
         "Počet kusů musí být celé číslo od 0 do %1.",
         "Het aantal stuks moet een geheel getal van 0 tot %1 zijn."},
        // 1566: a material's plan cut short by Stop
        {"zastavené", "angehalten", "stopped", "zastaveno", "gestopt"},
        // 1567: the File menu's command that writes the parts check list
        {"Exportovať kontrolný zoznam dielcov…", "Teile-Prüfliste exportieren…",
         "Export parts check list…", "Exportovat kontrolní seznam dílů…",
         "Controlelijst van onderdelen exporteren…"},
        // 1568: the save dialog's filter of the parts check list
        {"Všetky súbory (*.*)|*.*|Súbory CSV (*.csv)|*.csv|Súbory PDF (*.pdf)|*.pdf",
         "Alle Dateien (*.*)|*.*|CSV-Dateien (*.csv)|*.csv|PDF-Dateien (*.pdf)|*.pdf",
         "All files (*.*)|*.*|CSV files (*.csv)|*.csv|PDF files (*.pdf)|*.pdf",
         "Všechny soubory (*.*)|*.*|Soubory CSV (*.csv)|*.csv|Soubory PDF (*.pdf)|*.pdf",
         "Alle bestanden (*.*)|*.*|CSV-bestanden (*.csv)|*.csv|PDF-bestanden (*.pdf)|*.pdf"},
    };
    // clang-format on
    return rows;
}

}  // namespace marlo
