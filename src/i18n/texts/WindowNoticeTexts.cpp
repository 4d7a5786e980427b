#include "i18n/CatalogueTexts.h"

namespace marlo {

const std::vector<CatalogueRow>& windowNoticeTexts() {
    // Columns: Slovak, German, English, Czech, Dutch. Row i is offset kWindowNoticeTextsFirst + i.
    // clang-format off
    static const std::vector<CatalogueRow> rows = {
        // 1080: the manual at the first start, with no program for PDF documents; followed by its file
        {"V tomto počítači nie je nastavený žiadny program na otváranie dokumentov PDF. Používateľskú dokumentáciu nájdete v súbore: ",
         "Auf diesem Computer ist kein Programm zum Öffnen von PDF-Dokumenten eingerichtet. Die Benutzerdokumentation finden Sie in der Datei: ",
         "No program for opening PDF documents is set up on this computer. You will find the user documentation in the file: ",
         "V tomto počítači není nastaven žádný program pro otevírání dokumentů PDF. Uživatelskou dokumentaci najdete v souboru: ",
         "Op deze computer is geen programma ingesteld om PDF-documenten te openen. U vindt de gebruikersdocumentatie in het bestand: "},
    };
    // clang-format on
    return rows;
}

}  // namespace marlo
