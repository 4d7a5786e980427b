#include "i18n/CatalogueTexts.h"

namespace marlo {

const std::vector<CatalogueRow>& productionMaterialTexts() {
    // Columns: Slovak, German, English, Czech, Dutch. Row i is offset
    // kProductionMaterialTextsFirst + i.
    // clang-format off
    static const std::vector<CatalogueRow> rows = {
        // 1650: a material waiting for its run
        {"čaká", "wartet", "waiting", "čeká", "wacht"},
        // 1651: a material being planned, before its first plan
        {"plánuje sa…", "wird geplant…", "planning…", "plánuje se…", "wordt gepland…"},
        // 1652: %1 the rods of the best plan so far
        {"%1 zatiaľ", "bisher %1", "%1 so far", "%1 zatím", "tot nu toe %1"},
        // 1653: tooltip of a material the store does not know
        {"Sklad nemá materiál tohto mena. Dvojklikom vyberiete materiál skladu, ktorý to je.",
         "Das Lager kennt kein Material dieses Namens. Ein Doppelklick wählt das Material des Lagers, das gemeint ist.",
         "The store has no material of this name. Double-click to choose the store's material it is.",
         "Sklad nemá materiál tohoto jména. Dvojklikem vyberete materiál skladu, který to je.",
         "Het magazijn kent geen materiaal met deze naam. Dubbelklik om het materiaal van het magazijn te kiezen dat bedoeld is."},
        // 1654: title of the choice of the store's material
        {"Materiál skladu", "Material des Lagers", "Store material", "Materiál skladu",
         "Materiaal van het magazijn"},
        // 1655: %1 the material's name in the job
        {"%1 je tento materiál skladu:", "%1 ist dieses Material des Lagers:",
         "%1 is this material of the store:", "%1 je tento materiál skladu:",
         "%1 is dit materiaal van het magazijn:"},
        // 1656: the File menu's command that writes the job's parts list
        {"Exportovať kusovník…", "Stückliste exportieren…", "Export parts list…",
         "Exportovat kusovník…", "Stuklijst exporteren…"},
        // 1657: the save dialog's filter of the parts list
        {"Všetky súbory (*.*)|*.*|Súbory CSV (*.csv)|*.csv|Súbory Excel (*.xlsx)|*.xlsx",
         "Alle Dateien (*.*)|*.*|CSV-Dateien (*.csv)|*.csv|Excel-Dateien (*.xlsx)|*.xlsx",
         "All files (*.*)|*.*|CSV files (*.csv)|*.csv|Excel files (*.xlsx)|*.xlsx",
         "Všechny soubory (*.*)|*.*|Soubory CSV (*.csv)|*.csv|Soubory Excel (*.xlsx)|*.xlsx",
         "Alle bestanden (*.*)|*.*|CSV-bestanden (*.csv)|*.csv|Excel-bestanden (*.xlsx)|*.xlsx"},
        // 1658: a file name without the extension of a parts list
        {"Kusovník sa zapisuje ako súbor CSV (.csv) alebo súbor Excel (.xlsx).",
         "Eine Stückliste wird als CSV-Datei (.csv) oder Excel-Datei (.xlsx) geschrieben.",
         "A parts list is written as a CSV file (.csv) or an Excel file (.xlsx).",
         "Kusovník se zapisuje jako soubor CSV (.csv) nebo soubor Excel (.xlsx).",
         "Een stuklijst wordt als CSV-bestand (.csv) of Excel-bestand (.xlsx) geschreven."},
    };
    // clang-format on
    return rows;
}

}  // namespace marlo
