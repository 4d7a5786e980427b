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
        // 1118
        {"Zoznam zásob, riadok ", "Bestandsliste, Zeile ", "Stock list, line ",
         "Seznam zásob, řádek ", "Voorraadlijst, regel "},
        // 1119
        {"dĺžka musí byť celé číslo od 1 do 32767.",
         "die Länge muss eine ganze Zahl von 1 bis 32767 sein.",
         "the length must be a whole number from 1 to 32767.",
         "délka musí být celé číslo od 1 do 32767.",
         "de lengte moet een geheel getal van 1 tot 32767 zijn."},
        // 1120
        {"počet musí byť celé číslo 0 alebo viac.",
         "die Anzahl muss eine ganze Zahl ab 0 sein.",
         "the quantity must be a whole number from 0 up.",
         "počet musí být celé číslo 0 nebo větší.",
         "het aantal moet een geheel getal vanaf 0 zijn."},
        // 1121
        {"cena musí byť číslo 0 alebo viac.",
         "der Preis muss eine Zahl ab 0 sein.",
         "the price must be a number from 0 up.",
         "cena musí být číslo 0 nebo větší.",
         "de prijs moet een getal vanaf 0 zijn."},
        // 1122
        {"druh musí byť rod alebo offcut.",
         "die Art muss rod oder offcut sein.",
         "the kind must be rod or offcut.",
         "druh musí být rod nebo offcut.",
         "de soort moet rod of offcut zijn."},
        // 1123
        {"toto označenie už má predchádzajúci riadok.",
         "diese Kennung steht schon in einer früheren Zeile.",
         "an earlier line already has this identifier.",
         "toto označení už má dřívější řádek.",
         "een eerdere regel heeft deze code al."},
        // 1124
        {"označený zvyšok je jeden kus: počet môže byť len 0 alebo 1.",
         "ein Reststück mit Kennung ist ein Einzelstück: die Anzahl kann nur 0 oder 1 sein.",
         "an identified offcut is one piece: its quantity can only be 0 or 1.",
         "označený zbytek je jeden kus: počet může být jen 0 nebo 1.",
         "een reststuk met code is één stuk: het aantal kan alleen 0 of 1 zijn."},
        // 1125
        {"riadok má viac ako päť stĺpcov.",
         "die Zeile hat mehr als fünf Spalten.",
         "the line has more than five columns.",
         "řádek má více než pět sloupců.",
         "de regel heeft meer dan vijf kolommen."},
        // 1126
        {"zoznam neobsahuje žiadnu tyč (všetky počty sú 0).",
         "die Liste enthält keine Stange (alle Anzahlen sind 0).",
         "the list holds no rod (every quantity is 0).",
         "seznam neobsahuje žádnou tyč (všechny počty jsou 0).",
         "de lijst bevat geen staaf (alle aantallen zijn 0)."},
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
        // 1141
        {"číslo je zapísané s exponentom (napríklad 1e308); zapíšte ho číslicami.",
         "eine Zahl ist mit Exponent geschrieben (etwa 1e308); schreiben Sie sie in Ziffern.",
         "a number is written with an exponent (such as 1e308); write it in digits.",
         "číslo je zapsáno s exponentem (například 1e308); zapište ho číslicemi.",
         "een getal is met een exponent geschreven (zoals 1e308); schrijf het in cijfers."},
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
