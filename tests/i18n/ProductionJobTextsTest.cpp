#include <gtest/gtest.h>

#include <set>

#include "i18n/StringCatalogue.h"
#include "i18n/texts/ProductionJobTexts.h"

namespace marlo {
namespace {

using namespace job_text;

TEST(ProductionJobTexts, everyLanguageHasEveryTextWithinTheBlockAndDistinctCaptions) {
    // The block ends before offset 1500, where the next feature's texts may begin.
    EXPECT_LE(kProductionJobTextsFirst + static_cast<int>(productionJobTexts().size()), 1500);
    for (Language language : kAllLanguages) {
        const StringCatalogue catalogue(language);
        for (int offset = kMark; offset <= kPiecesLeftOut; ++offset)
            EXPECT_FALSE(catalogue.text(offset).empty()) << offset;
        // A parts list is read back by its captions: no two columns may share one.
        std::set<std::string> captions;
        for (int offset = kMark; offset <= kEndAngle; ++offset)
            EXPECT_TRUE(captions.insert(catalogue.text(offset)).second) << catalogue.text(offset);
        // Messages followed by a path, a version, a place in the file or a name.
        for (int offset = kNotJson; offset <= kMaterialTwice; ++offset)
            EXPECT_TRUE(catalogue.text(offset).ends_with(": ")) << catalogue.text(offset);
    }
}

}  // namespace
}  // namespace marlo
