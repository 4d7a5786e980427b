#include "i18n/StringCatalogue.h"

#include "i18n/CatalogueTexts.h"

namespace marlo {

namespace {

const std::string kNoText;

// Bases 100, 300, 500, 700, 900 give the columns 0..4.
int columnOf(int base) {
    return (base - 100) / 200;
}

bool isBase(int base) {
    return base == 100 || base == 300 || base == 500 || base == 700 || base == 900;
}

const std::string& addedText(int column, int offset) {
    const CatalogueBlock blocks[] = {{kOutputTextsFirst, outputTexts()},
                                     {kFewestRodsTextsFirst, fewestRodsTexts()},
                                     {kDiagramTextsFirst, diagramTexts()},
                                     {kDesktopTextsFirst, desktopTexts()},
                                     {kCommandLineSafetyTextsFirst, commandLineSafetyTexts()},
                                     {kRunControlTextsFirst, runControlTexts()},
                                     {kWindowOutputTextsFirst, windowOutputTexts()},
                                     {kWindowNoticeTextsFirst, windowNoticeTexts()},
                                     {kStockListTextsFirst, stockListTexts()},
                                     {kStockStoreTextsFirst, stockStoreTexts()},
                                     {kSawOutputTextsFirst, sawOutputTexts()},
                                     {kPartsListTextsFirst, partsListTexts()},
                                     {kProductionJobTextsFirst, productionJobTexts()},
                                     {kProductionPlanTextsFirst, productionPlanTexts()},
                                     {kProductionOutputTextsFirst, productionOutputTexts()},
                                     {kWindowProductionTextsFirst, windowProductionTexts()},
                                     {kWindowImportTextsFirst, windowImportTexts()},
                                     {kPartsGridTextsFirst, partsGridTexts()},
                                     {kProductionMaterialTextsFirst, productionMaterialTexts()},
                                     {kMitreTextsFirst, mitreTexts()},
                                     {kMitreDiagramTextsFirst, mitreDiagramTexts()},
                                     {kMitreWindowTextsFirst, mitreWindowTexts()}};
    for (const CatalogueBlock& block : blocks) {
        const int row = offset - block.firstOffset;
        if (row >= 0 && row < static_cast<int>(block.rows.size())) {
            return block.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
        }
    }
    return kNoText;
}

const std::string& lookUp(int base, int offset) {
    const bool workshopOffset = offset >= kFirstWorkshopOffset && offset <= kLastWorkshopOffset;
    if (!isBase(base) || offset < 1 || (offset > kLastCatalogueOffset && !workshopOffset)) {
        return kNoText;
    }
    if (offset > kCatalogueOffsetCount) {
        return addedText(columnOf(base), offset);
    }
    return catalogueRows()[offset - 1][columnOf(base)];
}

}  // namespace

const std::string& StringCatalogue::text(int offset) const {
    return lookUp(static_cast<int>(language_), offset);
}

const std::string& StringCatalogue::byId(int id) {
    // Each language's block of ids is 200 wide: base 100 holds ids 101..299, base 300 ids 301..499.
    if (id < 100) {
        return kNoText;
    }
    const int base = (id - 100) / 200 * 200 + 100;
    return lookUp(base, id - base);
}

std::string fillIn(const std::string& text, const std::vector<std::string>& values) {
    std::string filled;
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t index = i + 1 < text.size() ? size_t(text[i + 1] - '1') : values.size();
        if (text[i] == '%' && index < values.size()) {
            filled += values[index];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

}  // namespace marlo
