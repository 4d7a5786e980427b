#include "i18n/CatalogueTexts.h"

namespace marlo {

const std::vector<CatalogueRow>& productionJobTexts() {
    // Columns: Slovak, German, English, Czech, Dutch. Row i is offset kProductionJobTextsFirst + i.
    // The column captions are those the parts-list import recognises in each language.
    // clang-format off
    static const std::vector<CatalogueRow> rows = {
        {"Pozícia", "Position", "Mark", "Pozice", "Merk"},  // 1450
        {"Materiál", "Material", "Material", "Materiál", "Materiaal"},  // 1451
        {"Dĺžka", "Länge", "Length", "Délka", "Lengte"},  // 1452
        {"Počet", "Anzahl", "Pieces", "Počet", "Aantal"},  // 1453
        {"Objednávka", "Bestellung", "Order", "Objednávka", "Order"},  // 1454
        {"Poznámka", "Bemerkung", "Note", "Poznámka", "Opmerking"},  // 1455
        {"Uhol 1", "Winkel 1", "Angle 1", "Úhel 1", "Hoek 1"},  // 1456
        {"Uhol 2", "Winkel 2", "Angle 2", "Úhel 2", "Hoek 2"},  // 1457
        // 1458
        {"Súbor nie je výrobná zákazka, nie je to platný text JSON: ",
         "Die Datei ist kein Fertigungsauftrag, sie ist kein gültiger JSON-Text: ",
         "The file is not a production job, it is not valid JSON text: ",
         "Soubor není výrobní zakázka, není to platný text JSON: ",
         "Het bestand is geen productieopdracht, het is geen geldige JSON-tekst: "},
        // 1459
        {"Súbor nie je výrobná zákazka programu marlo-veen: ",
         "Die Datei ist kein Fertigungsauftrag von marlo-veen: ",
         "The file is not a marlo-veen production job: ",
         "Soubor není výrobní zakázka programu marlo-veen: ",
         "Het bestand is geen productieopdracht van marlo-veen: "},
        // 1460
        {"Výrobnú zákazku uložila novšia verzia programu a táto verzia ju nevie prečítať. Verzia súboru: ",
         "Der Fertigungsauftrag wurde von einer neueren Version des Programms gespeichert und kann mit dieser Version nicht gelesen werden. Dateiversion: ",
         "The production job was saved by a newer version of the program and cannot be read by this one. Its file version: ",
         "Výrobní zakázku uložila novější verze programu a tato verze ji neumí přečíst. Verze souboru: ",
         "De productieopdracht is opgeslagen door een nieuwere versie van het programma en kan met deze versie niet worden gelezen. Bestandsversie: "},
        // 1461
        {"Súbor je na výrobnú zákazku príliš veľký: ",
         "Die Datei ist für einen Fertigungsauftrag zu groß: ",
         "The file is too large for a production job: ",
         "Soubor je na výrobní zakázku příliš velký: ",
         "Het bestand is te groot voor een productieopdracht: "},
        // 1462
        {"Súbor má na výrobnú zákazku príliš veľa hodnôt alebo ich príliš hlboko vnára: ",
         "Die Datei enthält für einen Fertigungsauftrag zu viele oder zu tief verschachtelte Werte: ",
         "The file holds too many values, or nests them too deeply, for a production job: ",
         "Soubor má na výrobní zakázku příliš mnoho hodnot nebo je příliš hluboko vnořuje: ",
         "Het bestand bevat te veel of te diep geneste waarden voor een productieopdracht: "},
        // 1463
        {"Výrobná zákazka je poškodená, hodnota má nesprávny typ: ",
         "Der Fertigungsauftrag ist beschädigt, ein Wert hat den falschen Typ: ",
         "The production job is damaged, a value has the wrong type: ",
         "Výrobní zakázka je poškozená, hodnota má nesprávný typ: ",
         "De productieopdracht is beschadigd, een waarde heeft het verkeerde type: "},
        // 1464
        {"Výrobná zákazka je poškodená, chýba povinná hodnota: ",
         "Der Fertigungsauftrag ist beschädigt, ein erforderlicher Wert fehlt: ",
         "The production job is damaged, a required value is missing: ",
         "Výrobní zakázka je poškozená, chybí povinná hodnota: ",
         "De productieopdracht is beschadigd, een verplichte waarde ontbreekt: "},
        // 1465
        {"Výrobná zákazka je poškodená, hodnota je mimo rozsahu: ",
         "Der Fertigungsauftrag ist beschädigt, ein Wert liegt außerhalb des zulässigen Bereichs: ",
         "The production job is damaged, a value is out of range: ",
         "Výrobní zakázka je poškozená, hodnota je mimo rozsah: ",
         "De productieopdracht is beschadigd, een waarde valt buiten het toegestane bereik: "},
        // 1466
        {"Výrobná zákazka uvádza materiál dvakrát: ",
         "Der Fertigungsauftrag führt ein Material zweimal auf: ",
         "The production job lists a material twice: ",
         "Výrobní zakázka uvádí materiál dvakrát: ",
         "De productieopdracht noemt een materiaal twee keer: "},
        // 1467
        {"Rozmer nie je dĺžka od 1 do 32767 mm, riadok vynechávam.",
         "Die Abmessung ist keine Länge von 1 bis 32767 mm, die Zeile wird ausgelassen.",
         "The dimension is not a length from 1 to 32767 mm, the row is left out.",
         "Rozměr není délka od 1 do 32767 mm, řádek vynechávám.",
         "De afmeting is geen lengte van 1 tot 32767 mm, de regel wordt overgeslagen."},
        // 1468
        {"Počet kusov nie je číslo od 0 do 32767, riadok vynechávam.",
         "Die Stückzahl ist keine Zahl von 0 bis 32767, die Zeile wird ausgelassen.",
         "The pieces are not a number from 0 to 32767, the row is left out.",
         "Počet kusů není číslo od 0 do 32767, řádek vynechávám.",
         "Het aantal stuks is geen getal van 0 tot 32767, de regel wordt overgeslagen."},
    };
    // clang-format on
    return rows;
}

}  // namespace marlo
