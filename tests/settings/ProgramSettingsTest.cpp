#include <gtest/gtest.h>

#include "settings/InMemorySettingsStore.h"
#include "settings/ProgramSettings.h"

namespace marlo {
namespace {

using namespace settings;

TEST(ProgramSettings, firstStart_writesEveryDefaultAndReadsThemBack) {
    InMemorySettingsStore store;

    EXPECT_TRUE(writeDefaultSettings(store));
    const ProgramSettings loaded = readSettings(store);

    EXPECT_EQ(loaded.parameters, JobParameters{});
    EXPECT_EQ(loaded.parameters.rodLength, 6000);
    EXPECT_EQ(loaded.parameters.cutThickness, 6);
    EXPECT_EQ(loaded.parameters.minWasteDimension, 200);
    EXPECT_EQ(loaded.parameters.maxWasteDimension, 500);
    EXPECT_EQ(loaded.language, Language::Slovak);
    EXPECT_EQ(loaded.documentationMarker, "1");
    EXPECT_EQ(readSetting(store, kMinWasteDimension), "200");
    EXPECT_EQ(readSetting(store, kMaxWasteDimension), "500");
    EXPECT_EQ(readSetting(store, kCutThickness), "6");
    EXPECT_EQ(readSetting(store, kRodLength), "6000");
    EXPECT_EQ(readSetting(store, kWasteBordersMode), "1");
    EXPECT_EQ(readSetting(store, kStartMethod), "1");
    EXPECT_EQ(readSetting(store, kSortOutputByWaste), "1");
    EXPECT_EQ(readSetting(store, kLanguage), "slovak");
    EXPECT_EQ(readSetting(store, kDocumentation), "1");
    EXPECT_EQ(store.get(kApplication, kSection, kRodLength), "6000");

    EXPECT_FALSE(writeDefaultSettings(store)) << "the second start is not a first start";
}

TEST(ProgramSettings, laterStart_keepsStoredValuesAndFillsInOnlyTheMissingSwitches) {
    InMemorySettingsStore store;
    saveSetting(store, kMinWasteDimension, "150");
    saveSetting(store, kMaxWasteDimension, "450");
    saveSetting(store, kCutThickness, "4");
    saveSetting(store, kRodLength, "6500");
    saveSetting(store, kWasteBordersMode, "0");

    EXPECT_FALSE(writeDefaultSettings(store));
    const ProgramSettings loaded = readSettings(store);

    EXPECT_EQ(readSetting(store, kStartMethod), "1");
    EXPECT_EQ(readSetting(store, kSortOutputByWaste), "1");
    EXPECT_EQ(loaded.parameters.startMethod, 1);
    EXPECT_EQ(loaded.parameters.sortOutputByWaste, 1);
    EXPECT_EQ(loaded.parameters.minWasteDimension, 150);
    EXPECT_EQ(loaded.parameters.maxWasteDimension, 450);
    EXPECT_EQ(loaded.parameters.cutThickness, 4);
    EXPECT_EQ(loaded.parameters.rodLength, 6500);
    EXPECT_EQ(loaded.parameters.wasteBordersMode, 0);
    EXPECT_EQ(readSetting(store, kMinWasteDimension), "150");
    EXPECT_EQ(readSetting(store, kLanguage), "slovak") << "an empty language is written";
    EXPECT_EQ(readSetting(store, kDocumentation), "1") << "an empty marker is written";
}

TEST(ProgramSettings, prepinac3_isRewrittenWhenPrepinac2IsMissing) {
    InMemorySettingsStore store;
    saveSetting(store, kMinWasteDimension, "200");
    saveSetting(store, kSortOutputByWaste, "0");

    writeDefaultSettings(store);

    EXPECT_EQ(readSetting(store, kSortOutputByWaste), "1");
}

TEST(ProgramSettings, unreadableNumbers_readAsTheirDefaults) {
    InMemorySettingsStore store;
    writeDefaultSettings(store);
    saveSetting(store, kRodLength, "lang");
    saveSetting(store, kCutThickness, "");
    saveSetting(store, kMinWasteDimension, "40000");
    saveSetting(store, kMaxWasteDimension, "449.6");
    saveSetting(store, kStartMethod, "0");

    const ProgramSettings loaded = readSettings(store);

    EXPECT_EQ(loaded.parameters.rodLength, 6000);
    EXPECT_EQ(loaded.parameters.cutThickness, 6);
    EXPECT_EQ(loaded.parameters.minWasteDimension, 200) << "beyond 16 bits";
    EXPECT_EQ(loaded.parameters.maxWasteDimension, 450) << "a fraction is rounded";
    EXPECT_EQ(loaded.parameters.startMethod, 0);
    EXPECT_EQ(readSetting(store, kRodLength), "lang") << "reading never repairs the store";

    // Values that fit but make no sense are used as little as unreadable ones.
    const std::pair<std::string_view, std::string_view> senseless[] = {
        {kRodLength, "0"},          {kCutThickness, "-3"},    {kMinWasteDimension, "-1"},
        {kMaxWasteDimension, "-5"}, {kWasteBordersMode, "2"}, {kStartMethod, "-1"},
        {kSortOutputByWaste, "7"}};
    for (const auto& [key, value] : senseless) saveSetting(store, key, value);
    EXPECT_EQ(readSettings(store).parameters, JobParameters{});

    saveSetting(store, kRodLength, "500");
    saveSetting(store, kCutThickness, "500");
    EXPECT_EQ(peekSettings(store).parameters.cutThickness, 6) << "a cut as long as the rod";
    saveSetting(store, kCutThickness, "499");
    saveSetting(store, kStartMethod, "0");
    EXPECT_EQ(peekSettings(store).parameters.cutThickness, 499);
    EXPECT_EQ(peekSettings(store).parameters.startMethod, 0);
}

TEST(ProgramSettings, language_knownNamesSelectTheirLanguageAndUnknownFallsBackToSlovak) {
    InMemorySettingsStore store;
    writeDefaultSettings(store);

    saveSetting(store, kLanguage, "english");
    EXPECT_EQ(readSettings(store).language, Language::English);
    saveSetting(store, kLanguage, "dutch");
    EXPECT_EQ(readSettings(store).language, Language::Dutch);

    saveSetting(store, kLanguage, "English");
    EXPECT_EQ(readSettings(store).language, Language::Slovak) << "names are case-sensitive";
    EXPECT_EQ(readSetting(store, kLanguage), "English") << "an unknown name stays in the store";

    saveSetting(store, kLanguage, "");
    EXPECT_EQ(readSettings(store).language, Language::Slovak);
    EXPECT_EQ(readSetting(store, kLanguage), "slovak");
}

TEST(ProgramSettings, peek_readsDefaultsFromAnEmptyStoreWithoutWriting) {
    InMemorySettingsStore store;

    const ProgramSettings peeked = peekSettings(store);

    EXPECT_EQ(peeked, ProgramSettings{});
    EXPECT_EQ(readSetting(store, kLanguage), "");
    EXPECT_EQ(readSetting(store, kDocumentation), "");
}

TEST(ProgramSettings, documentationMarker_isHeldAsStored) {
    InMemorySettingsStore store;
    writeDefaultSettings(store);
    saveSetting(store, kDocumentation, kDocumentationOpened);

    EXPECT_EQ(readSettings(store).documentationMarker, "0");
}

TEST(ProgramSettings, methodKeys_roundTripAndOlderStoresReadAsTheSearchWith30Seconds) {
    InMemorySettingsStore store;
    writeDefaultSettings(store);
    EXPECT_EQ(readSetting(store, kMethod), "") << "the first start writes only the nine keys";
    EXPECT_EQ(readSettings(store).methodChoice, MethodChoice{});
    EXPECT_EQ(MethodChoice{}.timeLimitSeconds, 30);

    saveMethodChoice(store, {OptimisationMethod::FewestRods, 12});
    EXPECT_EQ(readSetting(store, kMethod), "1");
    EXPECT_EQ(readSetting(store, kTimeLimit), "12");
    const ProgramSettings loaded = readSettings(store);
    EXPECT_EQ(loaded.methodChoice, (MethodChoice{OptimisationMethod::FewestRods, 12}));
    EXPECT_EQ(loaded.parameters, JobParameters{}) << "the older keys keep their values";

    EXPECT_EQ(readSetting(store, kThreads), "0") << "0: one thread per core";

    saveMethodChoice(store, {OptimisationMethod::FewestRods, 12, 3});
    EXPECT_EQ(readSetting(store, kThreads), "3");
    EXPECT_EQ(readSettings(store).methodChoice.threads, 3);

    saveSetting(store, kMethod, "2");
    saveSetting(store, kTimeLimit, "0");
    saveSetting(store, kThreads, "257");
    EXPECT_EQ(readSettings(store).methodChoice, MethodChoice{});
    saveSetting(store, kThreads, "-1");
    EXPECT_EQ(readSettings(store).methodChoice.threads, 0);
}

TEST(ProgramSettings, trimKey_readsAsStoredOrAs0WhenMissingOrSenseless) {
    InMemorySettingsStore store;
    writeDefaultSettings(store);
    EXPECT_EQ(readSetting(store, kTrim), "") << "the first start writes only the nine keys";
    EXPECT_EQ(readSettings(store).parameters.trim, 0);
    saveSetting(store, kTrim, "15");
    EXPECT_EQ(readSettings(store).parameters.trim, 15);
    // Negative, unreadable, or leaving nothing of the 6000 mm rod: 0.
    for (const char* senseless : {"-1", "abc", "3000", "40000"}) {
        saveSetting(store, kTrim, senseless);
        EXPECT_EQ(readSettings(store).parameters.trim, 0) << senseless;
    }
}

}  // namespace
}  // namespace marlo
