#include "i18n/CatalogueTexts.h"

namespace marlo {

const std::vector<CatalogueRow>& outputTexts() {
    // Columns: Slovak, German, English, Czech, Dutch.
    // clang-format off
    static const std::vector<CatalogueRow> rows = {
        // 99: File menu, the printed report as a PDF file
        {"Export do PDF…", "PDF exportieren…", "Export PDF…", "Export do PDF…", "PDF exporteren…"},
        // 100: filter of its save dialog
        {"Všetky súbory (*.*)|*.*|Súbory typu (*.pdf)|*.pdf",
         "Alle Dateien (*.*)|*.*|PDF-Dateien (*.pdf)|*.pdf",
         "All files (*.*)|*.*|Supported files (*.pdf)|*.pdf",
         "Všechny soubory (*.*)|*.*|Soubory typu (*.pdf)|*.pdf",
         "Alle bestanden (*.*)|*.*|PDF-bestanden (*.pdf)|*.pdf"},
        // 101: an output of the command line named like its job file, followed by the path
        {"Výstup by prepísal súbor zákazky: ",
         "Die Ausgabe würde die Auftragsdatei überschreiben: ",
         "The output would overwrite the job file: ",
         "Výstup by přepsal soubor zakázky: ",
         "De uitvoer zou het opdrachtbestand overschrijven: "},
        // 102: followed by the documentation's file or address
        {"Dokumentáciu sa nepodarilo otvoriť: ",
         "Die Dokumentation kann nicht geöffnet werden: ",
         "The documentation cannot be opened: ",
         "Dokumentaci se nepodařilo otevřít: ",
         "De documentatie kan niet worden geopend: "},
        // 103: followed by the mail address
        {"Poštový program sa nepodarilo otvoriť pre adresu ",
         "Für diese Adresse konnte kein E-Mail-Programm geöffnet werden: ",
         "No mail program could be opened for ",
         "Poštovní program se nepodařilo otevřít pro adresu ",
         "Er kon geen e-mailprogramma worden geopend voor het adres "},
    };
    // clang-format on
    return rows;
}

}  // namespace marlo
