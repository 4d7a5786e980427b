#include <gtest/gtest.h>

#include "i18n/StringCatalogue.h"
#include "i18n/texts/DesktopTexts.h"

namespace marlo {
namespace {

using namespace desktop_text;

TEST(DesktopTexts, everyLanguageHasEveryTextWithinTheBlock) {
    // The block ends before offset 180, where the next feature's texts begin.
    EXPECT_LE(kDesktopTextsFirst + static_cast<int>(desktopTexts().size()), 180);
    for (Language language : kAllLanguages) {
        const StringCatalogue catalogue(language);
        for (int offset = kEditMenu; offset <= kNotAListFile; ++offset)
            EXPECT_FALSE(catalogue.text(offset).empty()) << offset;
        for (int offset : {kRow, kLongerRowsQuestion, kMoreRows})
            EXPECT_TRUE(catalogue.text(offset).ends_with(' ')) << catalogue.text(offset);
        for (int offset : {kRecentJobGone, kNotAListFile})
            EXPECT_TRUE(catalogue.text(offset).ends_with(": ")) << catalogue.text(offset);
        EXPECT_TRUE(catalogue.text(kListFilter).ends_with(" (*.csv)|*.csv"));
    }
}

}  // namespace
}  // namespace marlo
