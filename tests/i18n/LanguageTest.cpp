#include <gtest/gtest.h>

#include "i18n/Language.h"

namespace marlo {
namespace {

TEST(LanguageTest, settingsNamesAndIsoCodes_mapBothWays) {
    const struct {
        Language language;
        const char* settingsName;
        const char* isoCode;
    } expected[] = {{Language::Slovak, "slovak", "sk"},
                    {Language::German, "german", "de"},
                    {Language::English, "english", "en"},
                    {Language::Czech, "czech", "cs"},
                    {Language::Dutch, "dutch", "nl"}};
    for (const auto& entry : expected) {
        EXPECT_EQ(settingsName(entry.language), entry.settingsName);
        EXPECT_EQ(isoCode(entry.language), entry.isoCode);
        EXPECT_EQ(languageFromSettingsName(entry.settingsName), entry.language);
        EXPECT_EQ(languageFromIsoCode(entry.isoCode), entry.language);
    }
    EXPECT_EQ(static_cast<int>(Language::Czech), 700);
}

TEST(LanguageTest, unknownNames_giveNoLanguage) {
    // The stored name is compared exactly: another spelling is not a language.
    for (const char* name : {"", "Slovak", "ENGLISH", "english ", "sk", "deutsch", "nederlands"}) {
        EXPECT_EQ(languageFromSettingsName(name), std::nullopt) << name;
    }
    for (const char* code : {"", "SK", "cz", "en-GB", "english", "e"}) {
        EXPECT_EQ(languageFromIsoCode(code), std::nullopt) << code;
    }
    EXPECT_EQ(settingsName(static_cast<Language>(200)), "");
    EXPECT_EQ(isoCode(static_cast<Language>(0)), "");
}

}  // namespace
}  // namespace marlo
