#include "i18n/CatalogueTexts.h"

namespace marlo {

const std::array<CatalogueRow, kCatalogueOffsetCount>& catalogueRows() {
    // One row per offset, starting at offset 1. Columns: Slovak, German, English, Czech, Dutch.
    // Leading and trailing blanks are part of the texts: some are joined with a value or a count,
    // the report labels (75-79, 92, 93) line up their colons within one language.
    // clang-format off
    static const std::array<CatalogueRow, kCatalogueOffsetCount> rows = {{
        {"Zákazka", "Kunde", "Customer", "Zákazník", "Klant"},  // 1
        {"Názov", "Name", "Name", "Název", "Naam"},  // 2
        {"Farba", "Farbe", "Colour", "Barva", "Kleur"},  // 3
        {"Rozmer", "Abmessung", "Dimension", "Rozměr", "Afmeting"},  // 4
        {"ks", "Stk.", "pieces", "ks", "stuks"},  // 5
        {"Vymazať", "Löschen", "Delete", "Smazat", "Verwijderen"},  // 6
        {"Editovať", "Bearbeiten", "Edit", "Upravit", "Bewerken"},  // 7
        {"Optimalizuj", "Optimieren", "Optimize", "Optimalizovat", "Optimaliseren"},  // 8
        {"por.č.", "Lfd. Nr.", "Seq. No.", "poř.č.", "Volgnr."},  // 9
        {"počet tyčí", "Anz. Stangen", "No. of rods", "počet tyčí", "Aantal staven"},  // 10
        {"odpad", "Abfall", "Waste", "odpad", "Afval"},  // 11
        {"počet ks", "Anz. Stk.", "No. of pieces", "počet ks", "Aantal stuks"},  // 12
        {"rozmer1", "Abm.1", "Dim1", "rozměr1", "Afm.1"},  // 13
        {"rozmer2", "Abm.2", "Dim2", "rozměr2", "Afm.2"},  // 14
        {"rozmer3", "Abm.3", "Dim3", "rozměr3", "Afm.3"},  // 15
        {"rozmer", "Abm.", "Dim", "rozměr", "Afm."},  // 16
        {"Pridať", "Hinzufügen", "Add", "Přidat", "Toevoegen"},  // 17
        {"Súbor", "Datei", "File", "Soubor", "Bestand"},  // 18
        {"Nový", "Neu", "New", "Nový", "Nieuw"},  // 19
        {"Otvoriť", "Öffnen", "Open", "Otevřít", "Openen"},  // 20
        {"Uložiť", "Speichern", "Save", "Uložit", "Opslaan"},  // 21
        {"Uložiť ako", "Speichern unter", "Save as", "Uložit jako", "Opslaan als"},  // 22
        {"Tlačiť", "Drucken", "Print", "Tisk", "Afdrukken"},  // 23
        {"Export", "Export", "Export", "Export", "Exporteren"},  // 24
        {"Excel", "Excel", "Excel", "Excel", "Excel"},  // 25
        {"Text", "Text", "Text", "Text", "Tekst"},  // 26
        {"Zavrieť", "Schließen", "Close", "Zavřít", "Sluiten"},  // 27
        {"Nastavenia", "Einstellungen", "Settings", "Nastavení", "Instellingen"},  // 28
        {"Parametre", "Parameter", "Parameters", "Parametry", "Parameters"},  // 29
        {"Jazyk", "Sprache", "Language", "Jazyk", "Taal"},  // 30
        // 31
        {"Nastavenie rozmerov",
         "Abmessungen einstellen",
         "Dimension settings",
         "Nastavení rozměrů",
         "Afmetingen instellen"},
        // 32
        {"Minimálny rozmer odpadu",
         "Minimales Abfallmaß",
         "Minimum dimension of waste",
         "Minimální rozměr odpadu",
         "Minimale afvallengte"},
        // 33
        {"Maximálny rozmer odpadu",
         "Maximales Abfallmaß",
         "Maximum dimension of waste",
         "Maximální rozměr odpadu",
         "Maximale afvallengte"},
        // 34
        {"Hrúbka rezu",
         "Schnittbreite",
         "Slice thickness",
         "Šířka řezu",
         "Zaagsnede"},
        {"Dĺžka tyče", "Stangenlänge", "Rod length", "Délka tyče", "Staaflengte"},  // 35
        {"Optimalizácia", "Optimierung", "Optimization", "Optimalizace", "Optimalisatie"},  // 36
        // 37
        {"Optimalizovať odpad v hraniciach ...",
         "Abfall innerhalb der Grenzen optimieren ...",
         "Optimize waste borders ...",
         "Optimalizovat odpad v hranicích ...",
         "Afval binnen de grenzen optimaliseren ..."},
        // 38
        {"Neoptimalizovať odpad v hraniciach ...",
         "Abfall innerhalb der Grenzen nicht optimieren ...",
         "Don't optimize waste borders ...",
         "Neoptimalizovat odpad v hranicích ...",
         "Afval binnen de grenzen niet optimaliseren ..."},
        {"OK", "OK", "OK", "OK", "OK"},  // 39
        {"Zrušiť", "Abbrechen", "Cancel", "Zrušit", "Annuleren"},  // 40
        {"Vyhodnotenie", "Auswertung", "Evaluation", "Vyhodnocení", "Evaluatie"},  // 41
        // 42
        {"Celkový počet tyčí : (ks)",
         "Gesamtanzahl Stangen : (Stk.)",
         "Total number of rods : (pcs)",
         "Celkový počet tyčí : (ks)",
         "Totaal aantal staven: (stuks)"},
        // 43
        {"Celkový odpad : (mm)",
         "Gesamtabfall : (mm)",
         "Total waste : (mm)",
         "Celkový odpad : (mm)",
         "Totaal afval: (mm)"},
        // 44
        {"Celkový počet odpadu : (ks)",
         "Anzahl Abfallstücke : (Stk.)",
         "Total amount of waste : (pcs)",
         "Počet kusů odpadu : (ks)",
         "Totaal aantal afvalstukken: (stuks)"},
        // 45
        {"Celková využiteľnosť : (%)",
         "Gesamtausnutzung : (%)",
         "Total efficiency : (%)",
         "Celková využitelnost : (%)",
         "Totaal rendement: (%)"},
        // 46
        {"Kalkulované možnosti",
         "Berechnete Möglichkeiten",
         "Calculated possibilities",
         "Vypočtené možnosti",
         "Berekende mogelijkheden"},
        // 47
        {"Rozmer je väčší ako dĺžka tyče. Chcete zapísať tento rozmer?",
         "Die Abmessung ist größer als die Stangenlänge. Möchten Sie sie trotzdem eingeben?",
         "The dimension is greater than rod length. Do you want to enter this dimension?",
         "Rozměr je větší než délka tyče. Chcete tento rozměr přesto zapsat?",
         "De afmeting is groter dan de staaflengte. Wilt u deze afmeting toch invoeren?"},
        // 48
        {"Chcete vymazať 1 označenú položku?",
         "Möchten Sie die markierte Zeile löschen?",
         "Are you sure to delete one selected item?",
         "Chcete vymazat 1 označenou položku?",
         "Weet u zeker dat u de geselecteerde regel wilt verwijderen?"},
        // 49
        {"Chcete vymazať ",
         "Möchten Sie die ",
         "Are you sure you want to delete ",
         "Chcete vymazat ",
         "Weet u zeker dat u de "},
        // 50
        {" označené položky?",
         " markierten Zeilen löschen?",
         " selected items?",
         " označené položky?",
         " geselecteerde regels wilt verwijderen?"},
        // 51
        {" označených položiek?",
         " markierten Zeilen löschen?",
         " selected items?",
         " označených položek?",
         " geselecteerde regels wilt verwijderen?"},
        // 52
        {"Optimalizácia prerušená!",
         "Optimierung abgebrochen!",
         "Optimization interrupted!",
         "Optimalizace přerušena!",
         "Optimalisatie onderbroken!"},
        // 53
        {"Chcete uložiť zmeny?",
         "Möchten Sie die Änderungen speichern?",
         "Do you want to save the changes?",
         "Chcete uložit změny?",
         "Wilt u de wijzigingen opslaan?"},
        // 54
        {"Chcete uložiť zmeny súboru ",
         "Möchten Sie die Änderungen an dieser Datei speichern: ",
         "Do you want to save the changes to ",
         "Chcete uložit změny souboru ",
         "Wilt u de wijzigingen opslaan in "},
        {"Všetky súbory", "Alle Dateien", "All files", "Všechny soubory", "Alle bestanden"},  // 55
        // 56
        {"Súbory typu",
         "Unterstützte Dateien",
         "Supported files",
         "Soubory typu",
         "Ondersteunde bestanden"},
        // 57
        {"Nepodporovaný formát súboru",
         "Dieses Dateiformat wird nicht unterstützt",
         "This format is not supported",
         "Nepodporovaný formát souboru",
         "Dit bestandsformaat wordt niet ondersteund"},
        // 58
        {"Zoznam na rezanie obsahuje viac ako 20000 jednotlivých kusov, optimalizácia sa ruší.",
         "Die Schnittliste enthält mehr als 20000 Einzelstücke; die Optimierung wird abgebrochen.",
         "The cutting list has more than 20000 single pieces; optimization cancelled.",
         "Seznam k řezání obsahuje více než 20000 jednotlivých kusů, optimalizace se ruší.",
         "De zaaglijst bevat meer dan 20000 losse stukken; de optimalisatie wordt afgebroken."},
        // 59
        {"Výsledok potrebuje viac ako 50 rôznych spôsobov rezania, optimalizácia sa ruší.",
         "Das Ergebnis erfordert mehr als 50 verschiedene Schnittmuster; die Optimierung wird "
         "abgebrochen.",
         "The result needs more than 50 different cutting patterns; optimization cancelled.",
         "Výsledek vyžaduje více než 50 různých způsobů řezání, optimalizace se ruší.",
         "Het resultaat vereist meer dan 50 verschillende zaagpatronen; de optimalisatie wordt "
         "afgebroken."},
        // 60
        {"Niektorá hodnota v zozname nie je platné číslo, riadok vynechávam.",
         "Ein Wert in der Schnittliste ist keine gültige Zahl; die Zeile wird ausgelassen.",
         "A value in the cutting list is not a valid number; row omitted.",
         "Některá hodnota v seznamu není platné číslo, řádek se vynechá.",
         "Een waarde in de zaaglijst is geen geldig getal; de regel wordt weggelaten."},
        // 61
        {"Súbor sa nedá zapísať: ",
         "Die Datei kann nicht geschrieben werden: ",
         "The file cannot be written: ",
         "Soubor nelze zapsat: ",
         "Het bestand kan niet worden geschreven: "},
        // 62
        {"Tabuľku sa nepodarilo otvoriť. Bola uložená ako: ",
         "Die Tabelle kann nicht geöffnet werden. Sie wurde gespeichert als: ",
         "The spreadsheet cannot be opened. It was saved as: ",
         "Tabulku se nepodařilo otevřít. Byla uložena jako: ",
         "Het rekenblad kan niet worden geopend. Het is opgeslagen als: "},
        // 63
        {"marlo-veen : Nový",
         "marlo-veen : Neu",
         "Marlo-veen : New",
         "marlo-veen : Nový",
         "Marlo-veen : Nieuw"},
        // 64
        {"Niektorý rozmer je väčší ako dĺžka tyče, rozmer vynechávam.",
         "Eine Abmessung ist größer als die Stangenlänge und wird ausgelassen.",
         "Some dimension is greater than the rod length; dimension omitted.",
         "Některý rozměr je větší než délka tyče, rozměr se vynechá.",
         "Een afmeting is groter dan de staaflengte en wordt weggelaten."},
        {"počet", "Anzahl", "no. of", "počet", "aantal"},  // 65
        {"tyčí", "Stangen", "Rods", "tyčí", "Staven"},  // 66
        {"por.", "Lfd.", "Seq.", "poř.", "Volg."},  // 67
        {"editácia", "Bearbeiten", "Edit", "editace", "Bewerken"},  // 68
        {"Sumarizácia", "Zusammenfassung", "Summary", "Souhrn", "Samenvatting"},  // 69
        // 70
        {"Celkový počet tyčí",
         "Gesamtanzahl Stangen",
         "Total number of rods",
         "Celkový počet tyčí",
         "Totaal aantal staven"},
        {"Celkový odpad", "Gesamtabfall", "Total waste", "Celkový odpad", "Totaal afval"},  // 71
        // 72
        {"Celkový počet odpadu",
         "Anzahl Abfallstücke",
         "Total amount of waste",
         "Počet kusů odpadu",
         "Totaal aantal afvalstukken"},
        // 73
        {"Celková využiteľnosť",
         "Gesamtausnutzung",
         "Total efficiency",
         "Celková využitelnost",
         "Totaal rendement"},
        // 74
        {"Všetky súbory (*.*)|*.*|Súbory typu (*.txt)|*.txt",
         "Alle Dateien (*.*)|*.*|Textdateien (*.txt)|*.txt",
         "All files (*.*)|*.*|Supported files (*.txt)|*.txt",
         "Všechny soubory (*.*)|*.*|Soubory typu (*.txt)|*.txt",
         "Alle bestanden (*.*)|*.*|Tekstbestanden (*.txt)|*.txt"},
        // 75
        {"    Celkový počet tyčí   (ks)  :   ",
         "    Gesamtanzahl Stangen  (Stk.)  :   ",
         "    Total number of rods   (pcs)  :   ",
         "    Celkový počet tyčí   (ks)  :   ",
         "    Totaal aantal staven (stuks)  :   "},
        // 76
        {"    Celkový odpad        (mm)  :   ",
         "    Gesamtabfall            (mm)  :   ",
         "    Total waste             (mm)  :   ",
         "    Celkový odpad        (mm)  :   ",
         "    Totaal afval            (mm)  :   "},
        // 77
        {"    Celkový počet odpadu (ks)  :   ",
         "    Anzahl Abfallstücke   (Stk.)  :   ",
         "    Total amount of waste  (pcs)  :   ",
         "    Počet kusů odpadu    (ks)  :   ",
         "    Aantal afvalstukken  (stuks)  :   "},
        // 78
        {"    Celková využiteľnosť  (%)  :   ",
         "    Gesamtausnutzung         (%)  :   ",
         "    Total efficiency         (%)  :   ",
         "    Celková využitelnost  (%)  :   ",
         "    Totaal rendement         (%)  :   "},
        // 79
        {"    Kalkulované možnosti       :   ",
         "    Berechnete Möglichkeiten      :   ",
         "    Total calculated possibilities:   ",
         "    Vypočtené možnosti         :   ",
         "    Berekende mogelijkheden       :   "},
        {"chyba", "Fehler", "Error", "Chyba", "Fout"},  // 80
        // 81
        {"Všetky súbory (*.*)|*.*|Súbory typu (*.opt)|*.opt",
         "Alle Dateien (*.*)|*.*|Auftragsdateien (*.opt)|*.opt",
         "All files (*.*)|*.*|Supported files (*.opt)|*.opt",
         "Všechny soubory (*.*)|*.*|Soubory typu (*.opt)|*.opt",
         "Alle bestanden (*.*)|*.*|Opdrachtbestanden (*.opt)|*.opt"},
        {"číslo", "Nummer", "Number", "číslo", "Nummer"},  // 82
        {"ks", "Stk.", "Pcs", "ks", "Stuks"},  // 83
        {"počet", "Stang.", "No. of", "počet", "Aantal"},  // 84
        {"tyčí", "Anzahl", "Rods", "tyčí", "Staven"},  // 85
        {"Info", "Info", "About", "O programu", "Info"},  // 86
        // 87
        {"Viac ako 100 rôznych rozmerov, zostavu nie je možné vytvoriť.",
         "Mehr als 100 verschiedene Abmessungen; der Bericht kann nicht erstellt werden.",
         "More than 100 different dimensions; the report cannot be made.",
         "Více než 100 různých rozměrů, sestavu nelze vytvořit.",
         "Meer dan 100 verschillende afmetingen; het rapport kan niet worden gemaakt."},
        // 88
        {"Súbor sa nedá prečítať: ",
         "Die Datei kann nicht gelesen werden: ",
         "The file cannot be read: ",
         "Soubor nelze přečíst: ",
         "Het bestand kan niet worden gelezen: "},
        // 89
        {"Niektorý rozmer je nulový alebo záporný, alebo je počet kusov záporný, riadok "
         "vynechávam.",
         "Eine Abmessung ist null oder negativ, oder eine Stückzahl ist negativ; die Zeile wird "
         "ausgelassen.",
         "A dimension is zero or negative, or a number of pieces is negative; row omitted.",
         "Některý rozměr je nulový nebo záporný, nebo je počet kusů záporný, řádek se vynechá.",
         "Een afmeting is nul of negatief, of een aantal stuks is negatief; de regel wordt "
         "weggelaten."},
        // 90
        {"Nie je čo optimalizovať.",
         "Nichts zu optimieren.",
         "Nothing to optimize.",
         "Není co optimalizovat.",
         "Niets te optimaliseren."},
        {"Chybný údaj!", "Ungültiger Wert!", "Error!", "Chybný údaj!", "Ongeldige waarde!"},  // 91
        // 92
        {"    Dĺžka tyče           (mm)  :   ",
         "    Stangenlänge            (mm)  :   ",
         "    Length of the rod       (mm)  :   ",
         "    Délka tyče           (mm)  :   ",
         "    Staaflengte             (mm)  :   "},
        // 93
        {"    Hrúbka rezu          (mm)  :   ",
         "    Schnittbreite           (mm)  :   ",
         "    Slice thickness         (mm)  :   ",
         "    Šířka řezu           (mm)  :   ",
         "    Zaagsnede               (mm)  :   "},
        // 94
        {"Príliš mnoho krátkych rozmerov, optimalizácia bude prerušená!",
         "Zu viele kurze Abmessungen, die Optimierung wird abgebrochen!",
         "Too many short dimensions, optimization will be cancelled!",
         "Příliš mnoho krátkých rozměrů, optimalizace bude přerušena!",
         "Te veel korte afmetingen, de optimalisatie wordt afgebroken!"},
        // 95
        {"Spôsob optimalizácie",
         "Optimierungsmethode",
         "Method of optimizing",
         "Způsob optimalizace",
         "Optimalisatiemethode"},
        // 96
        {"Začať s najmenším odpadom",
         "Mit dem kleinsten Abfall beginnen",
         "Start with the smallest waste",
         "Začít s nejmenším odpadem",
         "Beginnen met het kleinste afval"},
        // 97
        {"Začať s najväčšími rozmermi",
         "Mit der größten Abmessung beginnen",
         "Start with the largest dimension",
         "Začít s největšími rozměry",
         "Beginnen met de grootste afmeting"},
        // 98
        {"Výstup zoradiť podľa najmenšieho odpadu",
         "Ausgabe nach kleinstem Abfall sortieren",
         "Sort the output of the smallest waste",
         "Výstup seřadit podle nejmenšího odpadu",
         "Uitvoer sorteren op kleinste afval"},
    }};
    // clang-format on
    return rows;
}

}  // namespace marlo
