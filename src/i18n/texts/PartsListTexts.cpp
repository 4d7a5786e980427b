#include "i18n/CatalogueTexts.h"

namespace marlo {

const std::vector<CatalogueRow>& partsListTexts() {
    // Columns: Slovak, German, English, Czech, Dutch. Row i is offset kPartsListTextsFirst + i.
    // clang-format off
    static const std::vector<CatalogueRow> rows = {
        {"Riadok ", "Zeile ", "Row ", "Řádek ", "Regel "},  // 1400
        {" vynechaný: ", " ausgelassen: ", " skipped: ", " vynechán: ", " overgeslagen: "},  // 1401
        {"chýba dĺžka", "die Länge fehlt", "the length is missing", "chybí délka", "de lengte ontbreekt"},  // 1402
        {"dĺžka nie je číslo", "die Länge ist keine Zahl", "the length is not a number", "délka není číslo", "de lengte is geen getal"},  // 1403
        {"dĺžka nie je od 1 do 100000 mm", "die Länge liegt nicht zwischen 1 und 100000 mm", "the length is not from 1 to 100000 mm", "délka není od 1 do 100000 mm", "de lengte ligt niet tussen 1 en 100000 mm"},  // 1404
        {"chýba počet kusov", "die Stückzahl fehlt", "the quantity is missing", "chybí počet kusů", "het aantal ontbreekt"},  // 1405
        {"počet kusov nie je číslo", "die Stückzahl ist keine Zahl", "the quantity is not a number", "počet kusů není číslo", "het aantal is geen getal"},  // 1406
        {"počet kusov nie je celé číslo od 1 do 100000", "die Stückzahl ist keine ganze Zahl zwischen 1 und 100000", "the quantity is not a whole number from 1 to 100000", "počet kusů není celé číslo od 1 do 100000", "het aantal is geen geheel getal tussen 1 en 100000"},  // 1407
        {"číslo sa dá čítať dvoma spôsobmi (oddeľovač tisícov alebo tri desatinné miesta)", "die Zahl ist mehrdeutig (Tausendertrennzeichen oder drei Nachkommastellen)", "the number can be read two ways (a thousands separator or three decimals)", "číslo lze číst dvojím způsobem (oddělovač tisíců nebo tři desetinná místa)", "het getal is dubbelzinnig (scheidingsteken voor duizendtallen of drie decimalen)"},  // 1408
        {"uhol nie je číslo", "ein Winkel ist keine Zahl", "an angle is not a number", "úhel není číslo", "een hoek is geen getal"},  // 1409
        {"uhol nie je od −75 do 75 stupňov", "ein Winkel liegt nicht zwischen −75 und 75 Grad", "an angle is not from −75 to 75 degrees", "úhel není od −75 do 75 stupňů", "een hoek ligt niet tussen −75 en 75 graden"},  // 1410
        {"chýba materiál", "das Material fehlt", "the material is missing", "chybí materiál", "het materiaal ontbreekt"},  // 1411
        {"dĺžka zaokrúhlená na celé milimetre", "Länge auf ganze Millimeter gerundet", "length rounded to whole millimetres", "délka zaokrouhlena na celé milimetry", "lengte afgerond op hele millimeters"},  // 1412
        {"Kusovníky sa čítajú zo súborov CSV, TSV, XLSX, ODS a XLS: ", "Stücklisten werden aus CSV-, TSV-, XLSX-, ODS- und XLS-Dateien gelesen: ", "Parts lists are read from CSV, TSV, XLSX, ODS and XLS files: ", "Kusovníky se čtou ze souborů CSV, TSV, XLSX, ODS a XLS: ", "Stuklijsten worden gelezen uit CSV-, TSV-, XLSX-, ODS- en XLS-bestanden: "},  // 1413
        {"Súbor je poškodený alebo nie je tabuľkou, akou ho robí jeho názov: ", "Die Datei ist beschädigt oder keine Tabelle der Art, die ihr Name angibt: ", "The file is damaged or is not the kind of spreadsheet its name says: ", "Soubor je poškozený nebo není tabulkou, jakou jej dělá jeho název: ", "Het bestand is beschadigd of is niet het soort rekenblad dat de naam aangeeft: "},  // 1414
        {"Súbor je chránený heslom; uložte ho bez hesla: ", "Die Datei ist mit einem Kennwort geschützt; speichern Sie sie ohne Kennwort: ", "The file is protected by a password; save it without one: ", "Soubor je chráněn heslem; uložte jej bez hesla: ", "Het bestand is met een wachtwoord beveiligd; sla het op zonder wachtwoord: "},  // 1415
        {"Súbor je na kusovník príliš veľký (najviac 100000 riadkov a 256 stĺpcov): ", "Die Datei ist für eine Stückliste zu groß (höchstens 100000 Zeilen und 256 Spalten): ", "The file is too large for a parts list (at most 100000 rows and 256 columns): ", "Soubor je na kusovník příliš velký (nejvýše 100000 řádků a 256 sloupců): ", "Het bestand is te groot voor een stuklijst (hoogstens 100000 regels en 256 kolommen): "},  // 1416
        {"Zošit nemá hárok s týmto názvom alebo číslom: ", "Die Arbeitsmappe hat kein Blatt mit diesem Namen oder dieser Nummer: ", "The workbook has no sheet of this name or number: ", "Sešit nemá list s tímto názvem nebo číslem: ", "De werkmap heeft geen blad met deze naam of dit nummer: "},  // 1417
        {"Hárok je prázdny: ", "Das Blatt ist leer: ", "The sheet is empty: ", "List je prázdný: ", "Het blad is leeg: "},  // 1418
        {"Kusovník nemá stĺpec dĺžok (pomenujte ho v hlavičke alebo v priradení stĺpcov): ", "Die Stückliste hat keine Spalte der Längen (benennen Sie sie in der Kopfzeile oder in der Spaltenzuordnung): ", "The parts list has no column of lengths (name it in the header or in the column mapping): ", "Kusovník nemá sloupec délek (pojmenujte jej v záhlaví nebo v přiřazení sloupců): ", "De stuklijst heeft geen kolom met lengtes (benoem die in de kopregel of in de kolomtoewijzing): "},  // 1419
        {"Kusovník nemá stĺpec počtu kusov (pomenujte ho v hlavičke alebo v priradení stĺpcov): ", "Die Stückliste hat keine Spalte der Stückzahlen (benennen Sie sie in der Kopfzeile oder in der Spaltenzuordnung): ", "The parts list has no column of quantities (name it in the header or in the column mapping): ", "Kusovník nemá sloupec počtu kusů (pojmenujte jej v záhlaví nebo v přiřazení sloupců): ", "De stuklijst heeft geen kolom met aantallen (benoem die in de kopregel of in de kolomtoewijzing): "},  // 1420
        {"Kusovník nemá stĺpec materiálov a nie je zadaný predvolený materiál: ", "Die Stückliste hat keine Spalte der Materialien, und es ist kein Standardmaterial angegeben: ", "The parts list has no column of materials and no default material was given: ", "Kusovník nemá sloupec materiálů a není zadán výchozí materiál: ", "De stuklijst heeft geen kolom met materialen en er is geen standaardmateriaal opgegeven: "},  // 1421
        {"Priradenie stĺpcov sa nedá prečítať (zapíšte ho ako length=D,pieces=E): ", "Die Spaltenzuordnung ist nicht lesbar (schreiben Sie sie als length=D,pieces=E): ", "The column mapping cannot be read (write it as length=D,pieces=E): ", "Přiřazení sloupců nelze přečíst (zapište jej jako length=D,pieces=E): ", "De kolomtoewijzing is niet leesbaar (schrijf die als length=D,pieces=E): "},  // 1422
        {"Priradenie stĺpcov menuje stĺpec, ktorý hárok nemá: ", "Die Spaltenzuordnung nennt eine Spalte, die das Blatt nicht hat: ", "The column mapping names a column the sheet does not have: ", "Přiřazení sloupců uvádí sloupec, který list nemá: ", "De kolomtoewijzing noemt een kolom die het blad niet heeft: "},  // 1423
        {"Pozícia", "Position", "Mark", "Pozice", "Merk"},  // 1424
        {"Materiál", "Material", "Material", "Materiál", "Materiaal"},  // 1425
        {"Dĺžka", "Länge", "Length", "Délka", "Lengte"},  // 1426
        {"Počet", "Menge", "Quantity", "Počet", "Aantal"},  // 1427
        {"Objednávka", "Bestellung", "Order", "Objednávka", "Order"},  // 1428
        {"Poznámka", "Bemerkung", "Note", "Poznámka", "Opmerking"},  // 1429
        {"Uhol 1", "Winkel 1", "Angle 1", "Úhel 1", "Hoek 1"},  // 1430
        {"Uhol 2", "Winkel 2", "Angle 2", "Úhel 2", "Hoek 2"},  // 1431
    };
    // clang-format on
    return rows;
}

}  // namespace marlo
