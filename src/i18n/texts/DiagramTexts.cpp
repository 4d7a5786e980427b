#include "i18n/CatalogueTexts.h"

namespace marlo {

const std::vector<CatalogueRow>& diagramTexts() {
    // Columns: Slovak, German, English, Czech, Dutch.
    // clang-format off
    static const std::vector<CatalogueRow> rows = {
        {"Plán rezania", "Schnittplan", "Cutting diagram", "Plán řezání", "Zaagplan"},  // 135
        {"Dátum", "Datum", "Date", "Datum", "Datum"},  // 136
        {"trieska", "Span", "Sliver", "tříska", "Reststrookje"},  // 137
        {"Strana", "Seite", "Page", "Strana", "Pagina"},  // 138
        // 139
        {"Tlačiť plán rezania",
         "Schnittplan drucken",
         "Print diagram",
         "Tisk plánu řezání",
         "Zaagplan afdrukken"},
        // 140
        {"Exportovať plán rezania do PDF",
         "Schnittplan als PDF exportieren",
         "Export diagram as PDF",
         "Exportovat plán řezání do PDF",
         "Zaagplan exporteren als PDF"},
        // 141
        {"Exportovať plán rezania do SVG",
         "Schnittplan als SVG exportieren",
         "Export diagram as SVG",
         "Exportovat plán řezání do SVG",
         "Zaagplan exporteren als SVG"},
        // 142
        {"Všetky súbory (*.*)|*.*|Súbory PDF (*.pdf)|*.pdf",
         "Alle Dateien (*.*)|*.*|PDF-Dateien (*.pdf)|*.pdf",
         "All files (*.*)|*.*|PDF files (*.pdf)|*.pdf",
         "Všechny soubory (*.*)|*.*|Soubory PDF (*.pdf)|*.pdf",
         "Alle bestanden (*.*)|*.*|PDF-bestanden (*.pdf)|*.pdf"},
        // 143
        {"Všetky súbory (*.*)|*.*|Súbory SVG (*.svg)|*.svg",
         "Alle Dateien (*.*)|*.*|SVG-Dateien (*.svg)|*.svg",
         "All files (*.*)|*.*|SVG files (*.svg)|*.svg",
         "Všechny soubory (*.*)|*.*|Soubory SVG (*.svg)|*.svg",
         "Alle bestanden (*.*)|*.*|SVG-bestanden (*.svg)|*.svg"},
        // 144
        {"Všetky rozmery v mm",
         "Alle Maße in mm",
         "All lengths in mm",
         "Všechny rozměry v mm",
         "Alle maten in mm"},
    };
    // clang-format on
    return rows;
}

}  // namespace marlo
