#include "i18n/CatalogueTexts.h"

namespace marlo {

const std::vector<CatalogueRow>& sawOutputTexts() {
    // Columns: Slovak, German, English, Czech, Dutch. Row i is offset kSawOutputTextsFirst + i.
    // clang-format off
    static const std::vector<CatalogueRow> rows = {
        {"Spôsob", "Muster", "Pattern", "Způsob", "Patroon"},  // 1300
        {"tyč", "Stange", "rod", "tyč", "staaf"},  // 1301
        {"z", "von", "of", "z", "van"},  // 1302
        {"kus", "Stück", "piece", "kus", "stuk"},  // 1303
        {"Riadok", "Zeile", "Row", "Řádek", "Regel"},  // 1304
        {"Pôvod", "Herkunft", "Origin", "Původ", "Herkomst"},  // 1305
        {"Tlačiť štítky…", "Etiketten drucken…", "Print labels…", "Tisk štítků…", "Etiketten afdrukken…"},  // 1306
        {"Exportovať štítky do PDF…", "Etiketten als PDF exportieren…", "Export labels as PDF…", "Exportovat štítky do PDF…", "Etiketten als PDF exporteren…"},  // 1307
        {"Tlačiť zoznam rezov…", "Sägeliste drucken…", "Print saw list…", "Tisk seznamu řezů…", "Zaagstaat afdrukken…"},  // 1308
        {"Exportovať zoznam rezov do PDF…", "Sägeliste als PDF exportieren…", "Export saw list as PDF…", "Exportovat seznam řezů do PDF…", "Zaagstaat als PDF exporteren…"},  // 1309
        {"Exportovať zoznam rezov do CSV…", "Sägeliste als CSV exportieren…", "Export saw list as CSV…", "Exportovat seznam řezů do CSV…", "Zaagstaat als CSV exporteren…"},  // 1310
        {"Štítky", "Etiketten", "Labels", "Štítky", "Etiketten"},  // 1311
        {"Rozloženie", "Format", "Layout", "Rozvržení", "Indeling"},  // 1312
        {"Začať štítkom", "Beginnen bei Etikett", "Start at label", "Začít štítkem", "Beginnen bij etiket"},  // 1313
        {"Zoznam rezov", "Sägeliste", "Saw list", "Seznam řezů", "Zaagstaat"},  // 1314
        {"Tyče", "Stangen", "Rods", "Tyče", "Staven"},  // 1315
        {"Dĺžka tyče", "Stangenlänge", "Stock length", "Délka tyče", "Staaflengte"},  // 1316
        {"Rez", "Schnitt", "Cut", "Řez", "Snede"},  // 1317
        {"Dĺžka", "Länge", "Length", "Délka", "Lengte"},  // 1318
        {"Poloha", "Position", "Position", "Poloha", "Positie"},  // 1319
        {"Zvyšok", "Rest", "Leftover", "Zbytek", "Restant"},  // 1320
        {"uschovať", "aufbewahren", "keep", "uschovat", "bewaren"},  // 1321
        {"odpad", "Abfall", "waste", "odpad", "afval"},  // 1322
        {"Začiatočná pozícia nie je na hárku: ", "Die Startposition liegt nicht auf dem Bogen: ", "The start position is not on the sheet: ", "Počáteční pozice není na archu: ", "De beginpositie ligt niet op het vel: "},  // 1323
        {"Neznáme rozloženie štítkov: ", "Unbekanntes Etikettenformat: ", "Unknown label layout: ", "Neznámé rozvržení štítků: ", "Onbekende etiketindeling: "},  // 1324
        {"Všetky súbory (*.*)|*.*|Súbory CSV (*.csv)|*.csv", "Alle Dateien (*.*)|*.*|CSV-Dateien (*.csv)|*.csv", "All files (*.*)|*.*|CSV files (*.csv)|*.csv", "Všechny soubory (*.*)|*.*|Soubory CSV (*.csv)|*.csv", "Alle bestanden (*.*)|*.*|CSV-bestanden (*.csv)|*.csv"},  // 1325
        {"Hárok A4, 3 × 8 štítkov 70 × 37 mm", "A4-Bogen, 3 × 8 Etiketten 70 × 37 mm", "A4 sheet, 3 × 8 labels of 70 × 37 mm", "Arch A4, 3 × 8 štítků 70 × 37 mm", "A4-vel, 3 × 8 etiketten van 70 × 37 mm"},  // 1326
        {"Hárok A4, 2 × 7 štítkov 105 × 42 mm", "A4-Bogen, 2 × 7 Etiketten 105 × 42 mm", "A4 sheet, 2 × 7 labels of 105 × 42 mm", "Arch A4, 2 × 7 štítků 105 × 42 mm", "A4-vel, 2 × 7 etiketten van 105 × 42 mm"},  // 1327
        {"Rolka, štítky 62 × 29 mm", "Rolle, Etiketten 62 × 29 mm", "Roll, labels of 62 × 29 mm", "Role, štítky 62 × 29 mm", "Rol, etiketten van 62 × 29 mm"},  // 1328
        {"Rolka, štítky 100 × 50 mm", "Rolle, Etiketten 100 × 50 mm", "Roll, labels of 100 × 50 mm", "Role, štítky 100 × 50 mm", "Rol, etiketten van 100 × 50 mm"},  // 1329
        {"Orez", "Endbeschnitt", "Trim", "Ořez", "Kopsnede"},  // 1330
        {"nová tyč", "neue Stange", "new rod", "nová tyč", "nieuwe staaf"},  // 1331
        {"Strany", "Seiten", "Pages", "Strany", "Pagina's"},  // 1332
        {"Polohy v mm od začiatku tyče po rez za kusom.", "Positionen in mm vom Stangenanfang bis zum Schnitt hinter dem Stück.", "Positions in mm from the rod's start to the cut behind the piece.", "Polohy v mm od začátku tyče po řez za kusem.", "Posities in mm vanaf het begin van de staaf tot de snede achter het stuk."},  // 1333
        {"Zvyšok", "Reststück", "Offcut", "Zbytek", "Reststuk"},  // 1334
        // 1335: Print labels with no printer on the machine
        {"Nie je nainštalovaná žiadna tlačiareň. Štítky môžete uložiť do súboru príkazom „Exportovať štítky do PDF…“.",
         "Es ist kein Drucker installiert. Mit „Etiketten als PDF exportieren…“ können Sie die Etiketten als Datei speichern.",
         "No printer is installed. Use \"Export labels as PDF…\" to save the labels as a file.",
         "Není nainstalována žádná tiskárna. Štítky můžete uložit do souboru příkazem „Exportovat štítky do PDF…“.",
         "Er is geen printer geïnstalleerd. Met ‘Etiketten als PDF exporteren…’ slaat u de etiketten op als bestand."},
        // 1336: Print saw list with no printer on the machine
        {"Nie je nainštalovaná žiadna tlačiareň. Zoznam rezov môžete uložiť do súboru príkazom „Exportovať zoznam rezov do PDF…“.",
         "Es ist kein Drucker installiert. Mit „Sägeliste als PDF exportieren…“ können Sie die Sägeliste als Datei speichern.",
         "No printer is installed. Use \"Export saw list as PDF…\" to save the saw list as a file.",
         "Není nainstalována žádná tiskárna. Seznam řezů můžete uložit do souboru příkazem „Exportovat seznam řezů do PDF…“.",
         "Er is geen printer geïnstalleerd. Met ‘Zaagstaat als PDF exporteren…’ slaat u de zaagstaat op als bestand."},
    };
    // clang-format on
    return rows;
}

}  // namespace marlo
