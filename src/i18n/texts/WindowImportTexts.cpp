#include "i18n/CatalogueTexts.h"

namespace marlo {

const std::vector<CatalogueRow>& windowImportTexts() {
    // Columns: Slovak, German, English, Czech, Dutch. Row i is offset
    // kWindowImportTextsFirst + i.
    // clang-format off
    static const std::vector<CatalogueRow> rows = {
        // 1600: File menu command
        {"Importovať kusovník…", "Stückliste importieren…", "Import parts list…",
         "Importovat kusovník…", "Stuklijst importeren…"},
        // 1601: File menu command that always lets the operator choose the columns
        {"Importovať kusovník so stĺpcami…", "Stückliste mit Spalten importieren…",
         "Import parts list with columns…", "Importovat kusovník se sloupci…",
         "Stuklijst met kolommen importeren…"},
        // 1602: the open dialog's filter
        {"Všetky súbory (*.*)|*.*|Kusovníky (*.csv, *.tsv, *.xlsx, *.ods, *.xls)|*.csv *.tsv *.xlsx *.ods *.xls",
         "Alle Dateien (*.*)|*.*|Stücklisten (*.csv, *.tsv, *.xlsx, *.ods, *.xls)|*.csv *.tsv *.xlsx *.ods *.xls",
         "All files (*.*)|*.*|Parts lists (*.csv, *.tsv, *.xlsx, *.ods, *.xls)|*.csv *.tsv *.xlsx *.ods *.xls",
         "Všechny soubory (*.*)|*.*|Kusovníky (*.csv, *.tsv, *.xlsx, *.ods, *.xls)|*.csv *.tsv *.xlsx *.ods *.xls",
         "Alle bestanden (*.*)|*.*|Stuklijsten (*.csv, *.tsv, *.xlsx, *.ods, *.xls)|*.csv *.tsv *.xlsx *.ods *.xls"},
        // 1603: title of the sheet choice
        {"Hárok kusovníka", "Blatt der Stückliste", "Sheet of the parts list",
         "List kusovníku", "Blad van de stuklijst"},
        // 1604: the sheet choice's question
        {"Z ktorého hárku čítať dielce?", "Aus welchem Blatt werden die Teile gelesen?",
         "Which sheet holds the parts?", "Ze kterého listu číst díly?",
         "Uit welk blad worden de onderdelen gelezen?"},
        // 1605: title of the column dialog
        {"Stĺpce kusovníka", "Spalten der Stückliste", "Columns of the parts list",
         "Sloupce kusovníku", "Kolommen van de stuklijst"},
        // 1606: above the column dialog's choices
        {"Vyberte pre každý údaj dielca stĺpec hárku. Dĺžka, počet a materiál sú povinné.",
         "Wählen Sie für jede Angabe eines Teils die Spalte des Blatts. Länge, Anzahl und Material sind Pflicht.",
         "Choose the sheet's column of each field of the parts. Length, pieces and material are required.",
         "Vyberte pro každý údaj dílu sloupec listu. Délka, počet a materiál jsou povinné.",
         "Kies voor elk gegeven van een onderdeel de kolom van het blad. Lengte, aantal en materiaal zijn verplicht."},
        // 1607: a field that the list does not have
        {"(žiadny)", "(keine)", "(none)", "(žádný)", "(geen)"},
        // 1608: title of the dialog of rows that could not be read
        {"Nenačítané riadky", "Nicht gelesene Zeilen", "Rows not read", "Nenačtené řádky",
         "Niet gelezen regels"},
        // 1609: above their grid
        {"Tieto riadky sa nedali načítať. Opravte bunky riadka a riadok sa pridá k zákazke; ostatné sa neimportujú.",
         "Diese Zeilen konnten nicht gelesen werden. Korrigieren Sie die Zellen einer Zeile, dann kommt sie in den Auftrag; die übrigen werden nicht importiert.",
         "These rows could not be read. Correct a row's cells to add it to the job; the others are not imported.",
         "Tyto řádky se nepodařilo načíst. Opravte buňky řádku a řádek se přidá k zakázce; ostatní se neimportují.",
         "Deze regels konden niet worden gelezen. Verbeter de cellen van een regel om hem aan de opdracht toe te voegen; de andere worden niet geïmporteerd."},
        // 1610: column: the row's number in the sheet
        {"Riadok", "Zeile", "Row", "Řádek", "Regel"},
        // 1611: column: why the row was refused
        {"Dôvod", "Grund", "Reason", "Důvod", "Reden"},
        // 1612: before the rows that were not imported
        {"Tieto riadky kusovníka sa neimportovali:", "Diese Zeilen der Stückliste wurden nicht importiert:",
         "These rows of the parts list were not imported:", "Tyto řádky kusovníku se neimportovaly:",
         "Deze regels van de stuklijst zijn niet geïmporteerd:"},
        // 1613: a list without a part that could be read
        {"Kusovník neobsahuje žiadny dielec, ktorý by sa dal načítať.",
         "Die Stückliste enthält kein lesbares Teil.",
         "The parts list holds no part that could be read.",
         "Kusovník neobsahuje žádný díl, který by se dal načíst.",
         "De stuklijst bevat geen leesbaar onderdeel."},
        // 1614: caption of the sheet's first rows in the column dialog
        {"Prvé riadky hárku", "Erste Zeilen des Blatts", "First rows of the sheet",
         "První řádky listu", "Eerste regels van het blad"},
        // 1615: %1 how many more rows a message leaves out
        {"… (ďalších riadkov: %1)", "… (weitere Zeilen: %1)", "… (more rows: %1)",
         "… (dalších řádků: %1)", "… (meer regels: %1)"},
    };
    // clang-format on
    return rows;
}

}  // namespace marlo
