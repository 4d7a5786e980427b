#include "i18n/CatalogueTexts.h"

namespace marlo {

const std::vector<CatalogueRow>& runControlTexts() {
    // Columns: Slovak, German, English, Czech, Dutch. Row i is offset kRunControlTextsFirst + i.
    // clang-format off
    static const std::vector<CatalogueRow> rows = {
        {"dokončené", "beendet", "finished", "dokončeno", "voltooid"},  // 1020
        {"zastavené, najlepší plán doteraz", "angehalten, bester Plan bis dahin", "stopped, best plan so far", "zastaveno, dosud nejlepší plán", "gestopt, beste plan tot nu toe"},  // 1021
        {"zastavené", "angehalten", "stopped", "zastaveno", "gestopt"},  // 1022
        {"prerušené", "abgebrochen", "aborted", "přerušeno", "afgebroken"},  // 1023
        // 1024
        {"Metóda Tyč po tyči zvládne najviac 50 rôznych spôsobov rezania. Metóda Najmenej tyčí také obmedzenie nemá. Prepnúť na metódu Najmenej tyčí a optimalizovať znova?",
         "Die Methode Stange für Stange kann höchstens 50 verschiedene Schnittmuster bilden. Die Methode Wenigste Stangen hat diese Grenze nicht. Zur Methode Wenigste Stangen wechseln und neu optimieren?",
         "The rod-by-rod search handles at most 50 different cutting patterns. The Fewest rods method has no such limit. Switch to the Fewest rods method and optimize again?",
         "Metoda Tyč po tyči zvládne nejvýše 50 různých způsobů řezání. Metoda Nejméně tyčí takové omezení nemá. Přepnout na metodu Nejméně tyčí a optimalizovat znovu?",
         "De methode Staaf voor staaf kan hoogstens 50 verschillende zaagpatronen aan. De methode Minste staven kent die grens niet. Overschakelen op de methode Minste staven en opnieuw optimaliseren?"},
        {"Nastavenia metódy Tyč po tyči", "Einstellungen der Methode Stange für Stange", "Settings of the rod-by-rod search", "Nastavení metody Tyč po tyči", "Instellingen van de methode Staaf voor staaf"},  // 1025
        {"Späť", "Rückgängig", "Undo", "Zpět", "Ongedaan maken"},  // 1026
        {"Znova", "Wiederholen", "Redo", "Znovu", "Opnieuw"},  // 1027
        {"Priblížiť", "Vergrößern", "Zoom in", "Přiblížit", "Inzoomen"},  // 1028
        {"Oddialiť", "Verkleinern", "Zoom out", "Oddálit", "Uitzoomen"},  // 1029
        {"Skutočná veľkosť", "Originalgröße", "Actual size", "Skutečná velikost", "Werkelijke grootte"},  // 1030
        {"Platí pre obe metódy", "Gilt für beide Methoden", "Applies to both methods", "Platí pro obě metody", "Geldt voor beide methoden"},  // 1031
        {"Vlákna (0: všetky jadrá)", "Threads (0: alle Kerne)", "Threads (0: all cores)", "Vlákna (0: všechna jádra)", "Threads (0: alle kernen)"},  // 1032
    };
    // clang-format on
    return rows;
}

}  // namespace marlo
