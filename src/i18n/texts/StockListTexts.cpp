#include "i18n/CatalogueTexts.h"

namespace marlo {

const std::vector<CatalogueRow>& stockListTexts() {
    // Columns: Slovak, German, English, Czech, Dutch. Row i is offset kStockListTextsFirst + i.
    // The report lines (1104-1108) line up their colons with the totals lines of their language.
    // clang-format off
    static const std::vector<CatalogueRow> rows = {
        // 1100
        {"Zásoba nestačí na celý zoznam, plán sa nevytvorí. Nenarezané kusy (mm × ks):",
         "Der Bestand reicht nicht für die ganze Liste; es gibt keinen Plan. Ungeschnitten bleiben (mm × Stk.):",
         "The stock does not hold the whole list; there is no plan. Left uncut (mm × pcs):",
         "Zásoba nestačí na celý seznam, plán se nevytvoří. Nenařezané kusy (mm × ks):",
         "De voorraad is niet toereikend voor de hele lijst; er is geen plan. Niet gezaagd (mm × stuks):"},
        // 1101
        {"Chýbajúca zásoba, najmenej (mm): ",
         "Fehlender Bestand, mindestens (mm): ",
         "Stock missing, at least (mm): ",
         "Chybějící zásoba, nejméně (mm): ",
         "Ontbrekende voorraad, minstens (mm): "},
        {"Zásoba", "Bestand", "Stock", "Zásoba", "Voorraad"},  // 1102
        {"zvyšok", "Reststück", "offcut", "zbytek", "reststuk"},  // 1103
        // 1104
        {"    Celková cena               :   ",
         "    Gesamtpreis                   :   ",
         "    Total price                   :   ",
         "    Celková cena               :   ",
         "    Totale prijs                  :   "},
        // 1105
        {"    Dolná hranica ceny         :   ",
         "    Untergrenze des Preises       :   ",
         "    Lower bound of the price      :   ",
         "    Dolní mez ceny             :   ",
         "    Ondergrens van de prijs       :   "},
        // 1106
        {"    Spotreba materiálu   (mm)  :   ",
         "    Materialverbrauch       (mm)  :   ",
         "    Material used           (mm)  :   ",
         "    Spotřeba materiálu   (mm)  :   ",
         "    Materiaalverbruik       (mm)  :   "},
        // 1107
        {"    Zvyšky               (mm)  :   ",
         "    Reststücke              (mm)  :   ",
         "    Leftovers               (mm)  :   ",
         "    Zbytky               (mm)  :   ",
         "    Reststukken             (mm)  :   "},
        // 1108
        {"    Orez na každom konci (mm)  :   ",
         "    Endbeschnitt je Ende    (mm)  :   ",
         "    Trim at each rod end    (mm)  :   ",
         "    Ořez na každém konci (mm)  :   ",
         "    Kopsnede per staafeinde (mm)  :   "},
        {"Dĺžka tyče", "Stangenlänge", "Rod length", "Délka tyče", "Staaflengte"},  // 1109
        {"Označenie", "Kennung", "Stock ID", "Označení", "Code"},  // 1110
        {"Celková cena", "Gesamtpreis", "Total price", "Celková cena", "Totale prijs"},  // 1111
        // 1112
        {"Dolná hranica ceny", "Untergrenze des Preises", "Lower bound of the price",
         "Dolní mez ceny", "Ondergrens van de prijs"},
        // 1113
        {"Spotreba materiálu (mm)", "Materialverbrauch (mm)", "Material used (mm)",
         "Spotřeba materiálu (mm)", "Materiaalverbruik (mm)"},
        {"Zvyšky (mm)", "Reststücke (mm)", "Leftovers (mm)", "Zbytky (mm)", "Reststukken (mm)"},  // 1114
        // 1115
        {"Orez na každom konci (mm)", "Endbeschnitt je Stangenende (mm)", "Trim at each rod end (mm)",
         "Ořez na každém konci (mm)", "Kopsnede per staafeinde (mm)"},
        {"nová tyč", "neue Stange", "new rod", "nová tyč", "nieuwe staaf"},  // 1116
        // 1117
        {"Súbor nie je zoznam zásob: ", "Die Datei ist keine Bestandsliste: ",
         "The file is not a stock list: ", "Soubor není seznam zásob: ",
         "Het bestand is geen voorraadlijst: "},
        // 1118-1126: retired
        {"", "", "", "", ""},
        {"", "", "", "", ""},
        {"", "", "", "", ""},
        {"", "", "", "", ""},
        {"", "", "", "", ""},
        {"", "", "", "", ""},
        {"", "", "", "", ""},
        {"", "", "", "", ""},
        {"", "", "", "", ""},
        // 1127
        {"Orez na oboch koncoch je dlhší ako tyč.",
         "Der Endbeschnitt an beiden Enden ist zusammen länger als die Stange.",
         "The trim at both ends is longer than the rod.",
         "Ořez na obou koncích je delší než tyč.",
         "De kopsneden aan beide einden zijn samen langer dan de staaf."},
        // 1128
        {"    Materiál skladu            :   ",
         "    Material des Lagers           :   ",
         "    Stock material                :   ",
         "    Materiál skladu            :   ",
         "    Materiaal uit het magazijn    :   "},
        // 1129
        {"Jedna dĺžka tyče, neobmedzene",
         "Eine Stangenlänge, unbegrenzt",
         "One rod length, unlimited",
         "Jedna délka tyče, neomezeně",
         "Eén staaflengte, onbeperkt"},
        // 1130
        {"Zásoba: %1 – plán s najnižšou cenou",
         "Bestand: %1 – Plan zum niedrigsten Preis",
         "Stock: %1 – plan at the lowest price",
         "Zásoba: %1 – plán s nejnižší cenou",
         "Voorraad: %1 – plan tegen de laagste prijs"},
        // 1131
        {"Najnižšia cena zo zásoby",
         "Niedrigster Preis aus dem Bestand",
         "Lowest price from stock",
         "Nejnižší cena ze zásoby",
         "Laagste prijs uit voorraad"},
        // 1132-1139: kept free for the stock lists' own texts.
        {"", "", "", "", ""},
        {"", "", "", "", ""},
        {"", "", "", "", ""},
        {"", "", "", "", ""},
        {"", "", "", "", ""},
        {"", "", "", "", ""},
        {"", "", "", "", ""},
        {"", "", "", "", ""},
        // 1140
        {"Súbor je na zoznam zásob príliš veľký (najviac %1 MiB): ",
         "Die Datei ist für eine Bestandsliste zu groß (höchstens %1 MiB): ",
         "The file is too large for a stock list (at most %1 MiB): ",
         "Soubor je na seznam zásob příliš velký (nejvýše %1 MiB): ",
         "Het bestand is te groot voor een voorraadlijst (hoogstens %1 MiB): "},
        // 1141: retired
        {"", "", "", "", ""},
        // 1142
        {"Riadok %1 zoznamu zásob: číslo je zapísané s exponentom (napríklad 1e308); zapíšte ho číslicami.",
         "Zeile %1 der Bestandsliste: Eine Zahl ist mit Exponent geschrieben (etwa 1e308); schreiben Sie sie in Ziffern.",
         "Line %1 of the stock list: a number is written with an exponent (such as 1e308); write it in digits.",
         "Řádek %1 seznamu zásob: číslo je zapsáno s exponentem (například 1e308); zapište ho číslicemi.",
         "Regel %1 van de voorraadlijst: een getal is met een exponent geschreven (zoals 1e308); schrijf het in cijfers."},
    };
    // clang-format on
    return rows;
}

}  // namespace marlo
