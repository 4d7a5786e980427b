#include "i18n/CatalogueTexts.h"

namespace marlo {

const std::vector<CatalogueRow>& mitreWindowTexts() {
    // Columns: Slovak, German, English, Czech, Dutch. Row i is offset kMitreWindowTextsFirst + i.
    // clang-format off
    static const std::vector<CatalogueRow> rows = {
        // 1770: caption of the column of the profile height
        {"Výška profilu", "Profilhöhe", "Profile height", "Výška profilu", "Profielhoogte"},
        // 1771: caption of the column that allows pieces to be turned over
        {"Otočiť", "Wenden", "Turn over", "Otočit", "Omdraaien"},
        // 1772: tooltip of the profile height's column
        {"Výška profilu v rovine rezu, v mm; prázdna: nezadaná.",
         "Die Höhe des Profils in der Schnittebene, in mm; leer: nicht angegeben.",
         "The height of the profile in the plane of the cut, in mm; empty: not set.",
         "Výška profilu v rovině řezu, v mm; prázdná: nezadaná.",
         "De hoogte van het profiel in het zaagvlak, in mm; leeg: niet ingesteld."},
        // 1773: tooltip of the turning's column
        {"Kusy sa smú otočiť, aby dva pokosy zdieľali jeden rez. Nie pre profil s pohľadovou "
         "stranou.",
         "Die Stücke dürfen gewendet werden, damit zwei Gehrungen einen Schnitt teilen. Nicht für "
         "ein Profil mit Sichtseite.",
         "The pieces may be turned over so that two mitres share one cut. Not for a profile with a "
         "visible face.",
         "Kusy se smějí otočit, aby dva pokosy sdílely jeden řez. Ne pro profil s pohledovou "
         "stranou.",
         "De stukken mogen worden omgedraaid, zodat twee verstekken één zaagsnede delen. Niet voor "
         "een profiel met een zichtzijde."},
        // 1774: %1 the largest profile height in mm
        {"Výška profilu musí byť celé číslo od 1 do %1 mm alebo prázdna.",
         "Die Profilhöhe muss eine ganze Zahl von 1 bis %1 mm sein oder leer bleiben.",
         "The profile height must be a whole number from 1 to %1 mm, or empty.",
         "Výška profilu musí být celé číslo od 1 do %1 mm, nebo prázdná.",
         "De profielhoogte moet een geheel getal van 1 tot %1 mm zijn, of leeg."},
        // 1775: tooltip of a material's empty profile height while its parts have angled ends
        {"Šikmé rezy tohto materiálu potrebujú výšku profilu.",
         "Die Gehrungsschnitte dieses Materials brauchen die Profilhöhe.",
         "The angled cuts of this material need the profile height.",
         "Šikmé řezy tohoto materiálu potřebují výšku profilu.",
         "De schuine zaagsneden van dit materiaal hebben de profielhoogte nodig."},
    };
    // clang-format on
    return rows;
}

}  // namespace marlo
