#include "i18n/CatalogueTexts.h"

namespace marlo {

const std::vector<CatalogueRow>& partsGridTexts() {
    // Columns: Slovak, German, English, Czech, Dutch. Row i is offset kPartsGridTextsFirst + i.
    // clang-format off
    static const std::vector<CatalogueRow> rows = {
        // 1630: caption of the boxes that filter the parts by material and order
        {"Filter:", "Filter:", "Filter:", "Filtr:", "Filter:"},
        // 1631: %1 the largest angle allowed either way
        {"Uhol musí byť číslo od -%1 do %1 stupňov.",
         "Der Winkel muss eine Zahl von -%1 bis %1 Grad sein.",
         "The angle must be a number from -%1 to %1 degrees.",
         "Úhel musí být číslo od -%1 do %1 stupňů.",
         "De hoek moet een getal van -%1 tot %1 graden zijn."},
        // 1632: %1 the row of the pasted text, %2 the cell in that row, %3 why it is refused
        {"Nič sa nevložilo. Riadok %1 vloženého textu, bunka %2: %3",
         "Es wurde nichts eingefügt. Zeile %1 des eingefügten Textes, Zelle %2: %3",
         "Nothing was pasted. Row %1 of the pasted text, cell %2: %3",
         "Nic se nevložilo. Řádek %1 vloženého textu, buňka %2: %3",
         "Er is niets geplakt. Regel %1 van de geplakte tekst, cel %2: %3"},
        // 1633: a pasted cell right of the grid's last column
        {"Tabuľka nemá pre túto bunku stĺpec.",
         "Die Tabelle hat für diese Zelle keine Spalte.",
         "The grid has no column for this cell.",
         "Tabulka nemá pro tuto buňku sloupec.",
         "De tabel heeft geen kolom voor deze cel."},
    };
    // clang-format on
    return rows;
}

}  // namespace marlo
