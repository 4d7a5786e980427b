#include "i18n/CatalogueTexts.h"

namespace marlo {

const std::vector<CatalogueRow>& windowOutputTexts() {
    // Columns: Slovak, German, English, Czech, Dutch. Row i is offset kWindowOutputTextsFirst + i.
    // clang-format off
    static const std::vector<CatalogueRow> rows = {
        // 1060: Print with no printer on the machine
        {"Nie je nainštalovaná žiadna tlačiareň. Zostavu môžete uložiť do súboru príkazom „Export do PDF…“.",
         "Es ist kein Drucker installiert. Mit „PDF exportieren…“ können Sie den Bericht als Datei speichern.",
         "No printer is installed. Use \"Export PDF…\" to save the printout as a file.",
         "Není nainstalována žádná tiskárna. Sestavu můžete uložit do souboru příkazem „Export do PDF…“.",
         "Er is geen printer geïnstalleerd. Met ‘PDF exporteren…’ slaat u het rapport op als bestand."},
        // 1061: Print diagram with no printer on the machine
        {"Nie je nainštalovaná žiadna tlačiareň. Plán rezania môžete uložiť do súboru príkazom „Exportovať plán rezania do PDF“.",
         "Es ist kein Drucker installiert. Mit „Schnittplan als PDF exportieren“ können Sie den Schnittplan als Datei speichern.",
         "No printer is installed. Use \"Export diagram as PDF\" to save the diagram as a file.",
         "Není nainstalována žádná tiskárna. Plán řezání můžete uložit do souboru příkazem „Exportovat plán řezání do PDF“.",
         "Er is geen printer geïnstalleerd. Met ‘Zaagplan exporteren als PDF’ slaat u het zaagplan op als bestand."},
        // 1062: number of a continuation page of the printout: %1 the page, %2 the page count
        {"Strana %1 / %2", "Seite %1 / %2", "Page %1 / %2", "Strana %1 / %2", "Pagina %1 / %2"},
    };
    // clang-format on
    return rows;
}

}  // namespace marlo
