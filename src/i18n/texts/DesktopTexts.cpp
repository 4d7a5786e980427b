#include "i18n/CatalogueTexts.h"

namespace marlo {

const std::vector<CatalogueRow>& desktopTexts() {
    // Columns: Slovak, German, English, Czech, Dutch.
    // clang-format off
    static const std::vector<CatalogueRow> rows = {
        {"Úpravy", "Bearbeiten", "Edit", "Úpravy", "Bewerken"},  // 155
        {"Vložiť zoznam", "Liste einfügen", "Paste list", "Vložit seznam", "Lijst plakken"},  // 156
        // 157
        {"Importovať zoznam...",
         "Liste importieren…",
         "Import list...",
         "Importovat seznam…",
         "Lijst importeren…"},
        // 158
        {"Exportovať zoznam...",
         "Liste exportieren…",
         "Export list...",
         "Exportovat seznam…",
         "Lijst exporteren…"},
        // 159
        {"Posledné zákazky",
         "Zuletzt geöffnete Aufträge",
         "Recent jobs",
         "Poslední zakázky",
         "Recente opdrachten"},
        // 160
        {"Všetky súbory (*.*)|*.*|Zoznamy CSV (*.csv)|*.csv",
         "Alle Dateien (*.*)|*.*|CSV-Listen (*.csv)|*.csv",
         "All files (*.*)|*.*|CSV lists (*.csv)|*.csv",
         "Všechny soubory (*.*)|*.*|Seznamy CSV (*.csv)|*.csv",
         "Alle bestanden (*.*)|*.*|CSV-lijsten (*.csv)|*.csv"},
        // 161
        {"Tieto riadky neboli prevzaté do zoznamu:",
         "Diese Zeilen wurden nicht in die Liste übernommen:",
         "These rows were not taken into the list:",
         "Tyto řádky nebyly převzaty do seznamu:",
         "Deze regels zijn niet in de lijst overgenomen:"},
        {"Riadok ", "Zeile ", "Row ", "Řádek ", "Regel "},  // 162
        // 163
        {"rozmer nie je číslo od 0 do 32767",
         "die Abmessung ist keine Zahl von 0 bis 32767",
         "the dimension is not a number from 0 to 32767",
         "rozměr není číslo od 0 do 32767",
         "de afmeting is geen getal van 0 tot 32767"},
        // 164
        {"počet kusov chýba alebo nie je číslo od 0 do 32767",
         "die Stückzahl fehlt oder ist keine Zahl von 0 bis 32767",
         "the number of pieces is missing or not a number from 0 to 32767",
         "počet kusů chybí nebo není číslo od 0 do 32767",
         "het aantal stuks ontbreekt of is geen getal van 0 tot 32767"},
        // 165
        {"tri číslice za bodkou alebo čiarkou: oddeľovač tisícov alebo desatinné miesta? "
         "Zapíšte číslo bez oddeľovača tisícov",
         "drei Ziffern nach Punkt oder Komma: Tausendertrennzeichen oder Nachkommastellen? "
         "Schreiben Sie die Zahl ohne Tausendertrennzeichen",
         "three digits after a point or comma: a thousands separator or decimals? "
         "Write the number without a thousands separator",
         "tři číslice za tečkou nebo čárkou: oddělovač tisíců, nebo desetinná místa? "
         "Zapište číslo bez oddělovače tisíců",
         "drie cijfers na een punt of komma: scheidingsteken voor duizendtallen of decimalen? "
         "Schrijf het getal zonder scheidingsteken voor duizendtallen"},
        // 166
        {"viac ako dva stĺpce",
         "mehr als zwei Spalten",
         "more than two columns",
         "více než dva sloupce",
         "meer dan twee kolommen"},
        {"zoznam je plný", "die Liste ist voll", "the list is full", "seznam je plný",
         "de lijst is vol"},  // 167
        // 168
        {"rozmer je väčší ako dĺžka tyče",
         "die Abmessung ist größer als die Stangenlänge",
         "the dimension is greater than rod length",
         "rozměr je větší než délka tyče",
         "de afmeting is groter dan de staaflengte"},
        // 169
        {"Riadky s rozmerom väčším ako dĺžka tyče: ",
         "Zeilen mit einer Abmessung größer als die Stangenlänge: ",
         "Rows with a dimension greater than rod length: ",
         "Řádky s rozměrem větším než délka tyče: ",
         "Regels met een afmeting groter dan de staaflengte: "},
        // 170
        {". Chcete zapísať tieto rozmery?",
         ". Möchten Sie diese Abmessungen eingeben?",
         ". Do you want to enter these dimensions?",
         ". Chcete zapsat tyto rozměry?",
         ". Wilt u deze afmetingen invoeren?"},
        // 171
        {"… a ďalšie riadky: ",
         "… und weitere Zeilen: ",
         "… and more rows: ",
         "… a další řádky: ",
         "… en meer regels: "},
        // 172
        {"V texte nie je žiadny riadok zoznamu na rezanie.",
         "Der Text enthält keine Zeile einer Schnittliste.",
         "The text holds no row of a cutting list.",
         "Text neobsahuje žádný řádek seznamu k řezání.",
         "De tekst bevat geen regel van een zaaglijst."},
        // 173
        {"Súbor už neexistuje a bol odstránený z posledných zákaziek: ",
         "Die Datei gibt es nicht mehr; sie wurde aus den zuletzt geöffneten Aufträgen entfernt: ",
         "The file no longer exists and was removed from the recent jobs: ",
         "Soubor již neexistuje a byl odstraněn z posledních zakázek: ",
         "Het bestand bestaat niet meer en is uit de recente opdrachten verwijderd: "},
        // 174
        {"Toto nie je súbor so zoznamom alebo je príliš veľký: ",
         "Dies ist keine Listendatei, oder sie ist zu groß: ",
         "This is not a list file, or it is too large: ",
         "Toto není soubor se seznamem, nebo je příliš velký: ",
         "Dit is geen lijstbestand, of het is te groot: "},
    };
    // clang-format on
    return rows;
}

}  // namespace marlo
