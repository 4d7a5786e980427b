#include "i18n/CatalogueTexts.h"

namespace marlo {

const std::vector<CatalogueRow>& commandLineSafetyTexts() {
    // Columns: Slovak, German, English, Czech, Dutch. Row i is offset kCommandLineSafetyTextsFirst
    // + i.
    // clang-format off
    static const std::vector<CatalogueRow> rows = {
        {"Na túto úlohu nestačí pamäť; výpočet skončil bez výsledku.", "Für diesen Auftrag reicht der Speicher nicht; die Berechnung endete ohne Ergebnis.", "Not enough memory for this job; the run ended without a result.", "Na tuto úlohu nestačí paměť; výpočet skončil bez výsledku.", "Niet genoeg geheugen voor deze opdracht; de berekening is zonder resultaat beëindigd."},  // 1000
        {"Výsledok sa nedal zapísať na štandardný výstup.", "Das Ergebnis konnte nicht in die Standardausgabe geschrieben werden.", "The result could not be written to the standard output.", "Výsledek se nepodařilo zapsat na standardní výstup.", "Het resultaat kon niet naar de standaarduitvoer worden geschreven."},  // 1001
        {"Hrúbka rezu musí byť menšia ako dĺžka tyče.", "Die Schnittbreite muss kleiner als die Stangenlänge sein.", "The slice thickness must be less than the rod length.", "Šířka řezu musí být menší než délka tyče.", "De breedte van de zaagsnede moet kleiner zijn dan de staaflengte."},  // 1002
    };
    // clang-format on
    return rows;
}

}  // namespace marlo
