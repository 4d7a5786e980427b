#include "i18n/CatalogueTexts.h"

namespace marlo {

const std::vector<CatalogueRow>& stockStoreTexts() {
    // Columns: Slovak, German, English, Czech, Dutch. Row i is offset kStockStoreTextsFirst + i.
    // %1, %2, %3 stand for the values a text is joined with.
    // clang-format off
    static const std::vector<CatalogueRow> rows = {
        // 1200
        {"Názov skladu je sqlite:CESTA alebo postgresql://POUŽÍVATEĽ@SERVER:PORT/DATABÁZA: ",
         "Die Adresse eines Lagers lautet sqlite:PFAD oder postgresql://BENUTZER@SERVER:PORT/DATENBANK: ",
         "A stock store is named sqlite:PATH or postgresql://USER@HOST:PORT/DATABASE: ",
         "Název skladu je sqlite:CESTA nebo postgresql://UŽIVATEL@SERVER:PORT/DATABÁZE: ",
         "Het adres van een magazijn is sqlite:PAD of postgresql://GEBRUIKER@SERVER:POORT/DATABASE: "},
        // 1201
        {"Sklad nie je dostupný: ",
         "Das Lager ist nicht verfügbar: ",
         "The stock store is not available: ",
         "Sklad není dostupný: ",
         "Het magazijn is niet beschikbaar: "},
        // 1202
        {"Spojenie so skladom sa prerušilo: ",
         "Die Verbindung zum Lager ist abgebrochen: ",
         "The connection to the stock store was lost: ",
         "Spojení se skladem se přerušilo: ",
         "De verbinding met het magazijn is verbroken: "},
        // 1203
        {"Na sklad nemáte oprávnenie: ",
         "Keine Berechtigung für das Lager: ",
         "No permission for the stock store: ",
         "Ke skladu nemáte oprávnění: ",
         "Geen toegang tot het magazijn: "},
        // 1204
        {"Do skladu sa nedá zapisovať (len na čítanie): ",
         "Das Lager ist schreibgeschützt: ",
         "The stock store is read-only: ",
         "Do skladu nelze zapisovat (jen pro čtení): ",
         "Het magazijn is alleen-lezen: "},
        // 1205
        {"Sklad práve používa iný program; skúste to znova: ",
         "Das Lager wird gerade von einem anderen Programm benutzt; bitte erneut versuchen: ",
         "The stock store is busy in another program; try again: ",
         "Sklad právě používá jiný program; zkuste to znovu: ",
         "Het magazijn wordt door een ander programma gebruikt; probeer het opnieuw: "},
        // 1206
        {"Sklad je z novšej verzie programu; aktualizujte program: ",
         "Das Lager stammt von einer neueren Programmversion; bitte das Programm aktualisieren: ",
         "The stock store is from a newer version of the program; update the program: ",
         "Sklad je z novější verze programu; aktualizujte program: ",
         "Het magazijn komt van een nieuwere versie van het programma; werk het programma bij: "},
        // 1207
        {"Toto nie je sklad alebo je poškodený: ",
         "Dies ist kein Lager, oder es ist beschädigt: ",
         "This is not a stock store, or it is damaged: ",
         "Toto není sklad, nebo je poškozený: ",
         "Dit is geen magazijn, of het is beschadigd: "},
        // 1208
        {"Disk skladu je plný alebo sa naň nedá zapisovať: ",
         "Der Datenträger des Lagers ist voll oder nicht beschreibbar: ",
         "The disk of the stock store is full or cannot be written: ",
         "Disk skladu je plný nebo na něj nelze zapisovat: ",
         "De schijf van het magazijn is vol of kan niet worden beschreven: "},
        // 1209
        {"Neznámy materiál: ",
         "Unbekanntes Material: ",
         "Unknown material: ",
         "Neznámý materiál: ",
         "Onbekend materiaal: "},
        // 1210
        {"Zoznam zásob sa nedá uložiť: ",
         "Die Bestandsliste kann nicht gespeichert werden: ",
         "The stock list cannot be stored: ",
         "Seznam zásob nelze uložit: ",
         "De voorraadlijst kan niet worden opgeslagen: "},
        // 1211
        {"Sklad ohlásil chybu: ",
         "Das Lager meldet einen Fehler: ",
         "The stock store reported an error: ",
         "Sklad ohlásil chybu: ",
         "Het magazijn meldt een fout: "},
        // 1212
        {"Nič sa nezmenilo.",
         "Es wurde nichts geändert.",
         "Nothing was changed.",
         "Nic se nezměnilo.",
         "Er is niets gewijzigd."},
        // 1213
        {"Zásoby sa od výpočtu plánu zmenili; nič sa nezaúčtovalo:",
         "Der Bestand hat sich seit der Planung geändert; es wurde nichts gebucht:",
         "The stock has changed since the plan was made; nothing was booked:",
         "Zásoby se od výpočtu plánu změnily; nic se nezaúčtovalo:",
         "De voorraad is veranderd sinds het plan is gemaakt; er is niets geboekt:"},
        // 1214
        {"Materiál už nie je v sklade.",
         "Das Material ist nicht mehr im Lager.",
         "The material is no longer in the stock store.",
         "Materiál už není ve skladu.",
         "Het materiaal staat niet meer in het magazijn."},
        // 1215
        {"Riadok zásob s tyčami %1 mm už nie je v sklade.",
         "Die Bestandszeile mit Stangen von %1 mm ist nicht mehr im Lager.",
         "The stock row of %1 mm rods is no longer in the store.",
         "Řádek zásob s tyčemi %1 mm už není ve skladu.",
         "De voorraadregel met staven van %1 mm staat niet meer in het magazijn."},
        // 1216
        {"Tyče %1 mm: potrebných %2, na sklade %3.",
         "Stangen %1 mm: benötigt %2, auf Lager %3.",
         "Rods of %1 mm: %2 needed, %3 in stock.",
         "Tyče %1 mm: potřeba %2, na skladě %3.",
         "Staven van %1 mm: %2 nodig, %3 op voorraad."},
        // 1217
        {"Zvyšok %1 už nie je na sklade.",
         "Das Reststück %1 ist nicht mehr auf Lager.",
         "The offcut %1 is no longer in stock.",
         "Zbytek %1 už není na skladě.",
         "Het reststuk %1 is niet meer op voorraad."},
        // 1218
        {"Materiál",
         "Material",
         "Material",
         "Materiál",
         "Materiaal"},
        // 1219
        {"Riadky zásob",
         "Bestandszeilen",
         "Stock rows",
         "Řádky zásob",
         "Voorraadregels"},
        // 1220
        {"Tyče",
         "Stangen",
         "Rods",
         "Tyče",
         "Staven"},
        // 1221
        {"Zvyšky",
         "Reststücke",
         "Offcuts",
         "Zbytky",
         "Reststukken"},
        // 1222
        {"Min. dĺžka zvyšku",
         "Mindestlänge Reststück",
         "Minimum offcut length",
         "Min. délka zbytku",
         "Minimale lengte reststuk"},
        // 1223
        {"neobmedzene",
         "unbegrenzt",
         "unlimited",
         "neomezeně",
         "onbeperkt"},
        // 1224
        {"Dĺžka",
         "Länge",
         "Length",
         "Délka",
         "Lengte"},
        // 1225
        {"Počet",
         "Anzahl",
         "Quantity",
         "Počet",
         "Aantal"},
        // 1226
        {"Cena",
         "Preis",
         "Price",
         "Cena",
         "Prijs"},
        // 1227
        {"Zvyšok",
         "Reststück",
         "Offcut",
         "Zbytek",
         "Reststuk"},
        // 1228
        {"Pôvod",
         "Herkunft",
         "Origin",
         "Původ",
         "Herkomst"},
        // 1229
        {"Materiál %1 uložený: riadky zásob %2, zvyšky %3.",
         "Material %1 gespeichert: Bestandszeilen %2, Reststücke %3.",
         "Material %1 stored: stock rows %2, offcuts %3.",
         "Materiál %1 uložen: řádky zásob %2, zbytky %3.",
         "Materiaal %1 opgeslagen: voorraadregels %2, reststukken %3."},
        // 1230
        {"V sklade nie je žiadny materiál.",
         "Das Lager enthält kein Material.",
         "The stock store holds no material.",
         "Ve skladu není žádný materiál.",
         "Het magazijn bevat geen materiaal."},
        // 1231
        {"Vrátiť do skladu",
         "Ins Lager zurückbuchen",
         "Return to stock",
         "Vrátit do skladu",
         "Terugboeken naar voorraad"},
        // 1232
        {"Naposledy zaúčtované zásoby sú vrátené do skladu.",
         "Die letzte Buchung wurde ins Lager zurückgebucht.",
         "The stock of the last booking has been returned.",
         "Naposledy zaúčtované zásoby jsou vráceny do skladu.",
         "De voorraad van de laatste boeking is teruggeboekt."},
        // 1233
        {"Nie je čo vrátiť: od spustenia programu sa nič nezaúčtovalo.",
         "Nichts zurückzubuchen: in dieser Sitzung wurde nichts gebucht.",
         "Nothing to return: nothing has been booked in this session.",
         "Není co vrátit: od spuštění programu se nic nezaúčtovalo.",
         "Niets terug te boeken: in deze sessie is niets geboekt."},
        // 1234
        {"Zaúčtované; nové zvyšky: ",
         "Gebucht; neue Reststücke: ",
         "Booked; new offcuts: ",
         "Zaúčtováno; nové zbytky: ",
         "Geboekt; nieuwe reststukken: "},
        // 1235
        {"Riadok %1 zoznamu zásob: dĺžka musí byť celé číslo od 1 do 32767.",
         "Zeile %1 der Bestandsliste: Die Länge muss eine ganze Zahl von 1 bis 32767 sein.",
         "Line %1 of the stock list: the length must be a whole number from 1 to 32767.",
         "Řádek %1 seznamu zásob: délka musí být celé číslo od 1 do 32767.",
         "Regel %1 van de voorraadlijst: de lengte moet een geheel getal van 1 tot 32767 zijn."},
        // 1236
        {"Riadok %1 zoznamu zásob: počet musí byť celé číslo 0 alebo viac.",
         "Zeile %1 der Bestandsliste: Die Anzahl muss eine ganze Zahl ab 0 sein.",
         "Line %1 of the stock list: the quantity must be a whole number from 0 up.",
         "Řádek %1 seznamu zásob: počet musí být celé číslo 0 nebo větší.",
         "Regel %1 van de voorraadlijst: het aantal moet een geheel getal vanaf 0 zijn."},
        // 1237
        {"Riadok %1 zoznamu zásob: cena musí byť číslo 0 alebo viac.",
         "Zeile %1 der Bestandsliste: Der Preis muss eine Zahl ab 0 sein.",
         "Line %1 of the stock list: the price must be a number from 0 up.",
         "Řádek %1 seznamu zásob: cena musí být číslo 0 nebo větší.",
         "Regel %1 van de voorraadlijst: de prijs moet een getal vanaf 0 zijn."},
        // 1238
        {"Riadok %1 zoznamu zásob: druh musí byť rod alebo offcut.",
         "Zeile %1 der Bestandsliste: Die Art muss rod oder offcut sein.",
         "Line %1 of the stock list: the kind must be rod or offcut.",
         "Řádek %1 seznamu zásob: druh musí být rod nebo offcut.",
         "Regel %1 van de voorraadlijst: de soort moet rod of offcut zijn."},
        // 1239
        {"Riadok %1 zoznamu zásob: toto označenie už má predchádzajúci riadok.",
         "Zeile %1 der Bestandsliste: Diese Kennung steht schon in einer früheren Zeile.",
         "Line %1 of the stock list: an earlier line already has this identifier.",
         "Řádek %1 seznamu zásob: toto označení už má předchozí řádek.",
         "Regel %1 van de voorraadlijst: een eerdere regel heeft deze code al."},
        // 1240
        {"Riadok %1 zoznamu zásob: označený zvyšok je jeden kus (počet 0 alebo 1).",
         "Zeile %1 der Bestandsliste: Ein Reststück mit Kennung ist ein Stück (Anzahl 0 oder 1).",
         "Line %1 of the stock list: an offcut with an identifier is one piece (quantity 0 or 1).",
         "Řádek %1 seznamu zásob: označený zbytek je jeden kus (počet 0 nebo 1).",
         "Regel %1 van de voorraadlijst: een reststuk met code is één stuk (aantal 0 of 1)."},
        // 1241
        {"Riadok %1 zoznamu zásob má viac ako päť stĺpcov.",
         "Zeile %1 der Bestandsliste hat mehr als fünf Spalten.",
         "Line %1 of the stock list has more than five columns.",
         "Řádek %1 seznamu zásob má více než pět sloupců.",
         "Regel %1 van de voorraadlijst heeft meer dan vijf kolommen."},
        // 1242
        {"Zoznam zásob neobsahuje žiadne zásoby.",
         "Die Bestandsliste enthält keinen Bestand.",
         "The stock list holds no stock.",
         "Seznam zásob neobsahuje žádné zásoby.",
         "De voorraadlijst bevat geen voorraad."},
        // 1243
        {"Zaúčtovať tento plán",
         "Diesen Plan buchen",
         "Book this plan",
         "Zaúčtovat tento plán",
         "Dit plan boeken"},
        // 1244
        {"Tento plán je už zaúčtovaný.",
         "Dieser Plan ist schon gebucht.",
         "This plan has been booked already.",
         "Tento plán je už zaúčtovaný.",
         "Dit plan is al geboekt."},
        // 1245
        {"Optimalizujte znova, aby plán vychádzal zo súčasnej zásoby.",
         "Optimieren Sie erneut, damit der Plan vom jetzigen Bestand ausgeht.",
         "Optimise again to plan from the stock as it is now.",
         "Optimalizujte znovu, aby plán vycházel ze současné zásoby.",
         "Optimaliseer opnieuw om van de huidige voorraad uit te gaan."},
        // 1246
        {"Materiál %1 nemá na sklade žiadne tyče ani zvyšky.",
         "Das Material %1 hat weder Stangen noch Reststücke im Lager.",
         "The material %1 has no rods or offcuts in stock.",
         "Materiál %1 nemá na skladě žádné tyče ani zbytky.",
         "Het materiaal %1 heeft geen staven of reststukken in voorraad."},
        // 1247
        {"žiadne",
         "keine",
         "none",
         "žádné",
         "geen"},
        // 1248
        {"Nahradiť zásoby a zvyšky materiálu %1 zásobami zo súboru?",
         "Bestand und Reststücke des Materials %1 durch die der Datei ersetzen?",
         "Replace the stock rows and offcuts of the material %1 by those of the file?",
         "Nahradit zásoby a zbytky materiálu %1 zásobami ze souboru?",
         "Voorraad en reststukken van het materiaal %1 vervangen door die uit het bestand?"},
        // 1249: kept free for the store's own texts.
        {"", "", "", "", ""},
        // 1250
        {"Sklad…",
         "Lager…",
         "Stock…",
         "Sklad…",
         "Magazijn…"},
        // 1251
        {"Sklad",
         "Lager",
         "Stock",
         "Sklad",
         "Magazijn"},
        // 1252
        {"Sklad:",
         "Lager:",
         "Store:",
         "Sklad:",
         "Magazijn:"},
        // 1253
        {"Otvoriť",
         "Öffnen",
         "Open",
         "Otevřít",
         "Openen"},
        // 1254
        {"Pridať",
         "Hinzufügen",
         "Add",
         "Přidat",
         "Toevoegen"},
        // 1255
        {"Premenovať",
         "Umbenennen",
         "Rename",
         "Přejmenovat",
         "Hernoemen"},
        // 1256
        {"Vymazať",
         "Löschen",
         "Delete",
         "Smazat",
         "Verwijderen"},
        // 1257
        {"Dĺžka od:",
         "Länge ab:",
         "Length from:",
         "Délka od:",
         "Lengte vanaf:"},
        // 1258
        {"Importovať CSV…",
         "CSV importieren…",
         "Import CSV…",
         "Importovat CSV…",
         "CSV importeren…"},
        // 1259
        {"Exportovať CSV…",
         "CSV exportieren…",
         "Export CSV…",
         "Exportovat CSV…",
         "CSV exporteren…"},
        // 1260
        {"Vymazať materiál %1 so všetkými zásobami a zvyškami?",
         "Das Material %1 mit seinem ganzen Bestand und allen Reststücken löschen?",
         "Delete the material %1 with all its stock rows and offcuts?",
         "Smazat materiál %1 se všemi zásobami a zbytky?",
         "Het materiaal %1 met al zijn voorraad en reststukken verwijderen?"},
        // 1261
        {"Zoznamy zásob (*.csv)|*.csv|Všetky súbory (*.*)|*.*",
         "Bestandslisten (*.csv)|*.csv|Alle Dateien (*.*)|*.*",
         "Stock lists (*.csv)|*.csv|All files (*.*)|*.*",
         "Seznamy zásob (*.csv)|*.csv|Všechny soubory (*.*)|*.*",
         "Voorraadlijsten (*.csv)|*.csv|Alle bestanden (*.*)|*.*"},
        // 1262
        {"Označenie",
         "Kennung",
         "Identifier",
         "Označení",
         "Code"},
        // 1263
        {"Zákazka",
         "Auftrag",
         "Job",
         "Zakázka",
         "Opdracht"},
        // 1264
        {"Odberateľ",
         "Kunde",
         "Customer",
         "Zákazník",
         "Klant"},
        // 1265
        {"Dátum",
         "Datum",
         "Date",
         "Datum",
         "Datum"},
        // 1266
        {"Spôsob",
         "Muster",
         "Pattern",
         "Způsob",
         "Patroon"},
        // 1267
        {"Táto hodnota sa nedá uložiť: %1",
         "Dieser Wert kann nicht gespeichert werden: %1",
         "This value cannot be stored: %1",
         "Tuto hodnotu nelze uložit: %1",
         "Deze waarde kan niet worden opgeslagen: %1"},
        // 1268
        {"Názov:",
         "Name:",
         "Name:",
         "Název:",
         "Naam:"},
        // 1269: kept free for the Stock window's texts.
        {"", "", "", "", ""},
        // 1270
        {"Sklad neexistuje: ",
         "Das Lager existiert nicht: ",
         "The stock store does not exist: ",
         "Sklad neexistuje: ",
         "Het magazijn bestaat niet: "},
        // 1271
        {"Táto databáza nie je sklad, obsahuje tabuľky iného programu; nič sa do nej nepridalo: ",
         "Diese Datenbank ist kein Lager, sie enthält Tabellen eines anderen Programms; es wurde nichts hinzugefügt: ",
         "This database is not a stock store; it holds another program's tables, and nothing was added to it: ",
         "Tato databáze není sklad, obsahuje tabulky jiného programu; nic se do ní nepřidalo: ",
         "Deze database is geen magazijn; ze bevat tabellen van een ander programma en er is niets aan toegevoegd: "},
    };
    // clang-format on
    return rows;
}

}  // namespace marlo
