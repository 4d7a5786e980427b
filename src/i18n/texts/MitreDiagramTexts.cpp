#include "i18n/CatalogueTexts.h"

namespace marlo {

const std::vector<CatalogueRow>& mitreDiagramTexts() {
    // Columns: Slovak, German, English, Czech, Dutch. Row i is offset kMitreDiagramTextsFirst + i.
    // clang-format off
    static const std::vector<CatalogueRow> rows = {
        // 1760: under the legend of a diagram whose bars show angled ends
        {"Šikmé konce ako sa režú: spodná hrana tyče je referenčná plocha, na ktorej sa merajú dĺžky.",
         "Gehrungen wie geschnitten: die untere Kante der Stange ist die Bezugsfläche, auf der die Längen gemessen werden.",
         "Angled ends as cut: the lower edge of a rod is the reference face, on which lengths are measured.",
         "Šikmé konce jak se řežou: spodní hrana tyče je referenční plocha, na které se měří délky.",
         "Schuine einden zoals gezaagd: de onderkant van de staaf is het referentievlak, waarop de lengtes gemeten worden."},
    };
    // clang-format on
    return rows;
}

}  // namespace marlo
