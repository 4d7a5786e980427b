#include "settings/ProgramSettings.h"

#include <string>
#include <utility>

#include "model/NumericText.h"

namespace marlo {

namespace {

using namespace settings;

// The keys in the order the first start writes them, with their defaults.
constexpr std::pair<std::string_view, std::string_view> kDefaults[] = {
    {kMinWasteDimension, "200"}, {kMaxWasteDimension, "500"}, {kCutThickness, "6"},
    {kRodLength, "6000"},        {kWasteBordersMode, "1"},    {kStartMethod, "1"},
    {kSortOutputByWaste, "1"},   {kLanguage, "slovak"},       {kDocumentation, "1"},
};

int16_t numberOr(const SettingsStore& store, std::string_view key, int16_t fallback) {
    return toInt16(readSetting(store, key)).value_or(fallback);
}

}  // namespace

std::string readSetting(const SettingsStore& store, std::string_view key) {
    return store.get(kApplication, kSection, key);
}

void saveSetting(SettingsStore& store, std::string_view key, std::string_view value) {
    store.save(kApplication, kSection, key, value);
}

bool writeDefaultSettings(SettingsStore& store) {
    const bool firstStart = readSetting(store, kMinWasteDimension).empty();
    if (firstStart) {
        for (const auto& [key, value] : kDefaults) saveSetting(store, key, value);
    }
    if (readSetting(store, kStartMethod).empty()) {
        saveSetting(store, kStartMethod, "1");
        saveSetting(store, kSortOutputByWaste, "1");
    }
    return firstStart;
}

void saveMethodChoice(SettingsStore& store, const MethodChoice& choice) {
    saveSetting(store, kMethod, choice.method == OptimisationMethod::FewestRods ? "1" : "0");
    saveSetting(store, kTimeLimit, std::to_string(choice.timeLimitSeconds));
}

ProgramSettings peekSettings(const SettingsStore& store) {
    const JobParameters defaults;
    ProgramSettings result;
    JobParameters& p = result.parameters;
    p.minWasteDimension = numberOr(store, kMinWasteDimension, defaults.minWasteDimension);
    p.maxWasteDimension = numberOr(store, kMaxWasteDimension, defaults.maxWasteDimension);
    p.cutThickness = numberOr(store, kCutThickness, defaults.cutThickness);
    p.rodLength = numberOr(store, kRodLength, defaults.rodLength);
    p.wasteBordersMode = numberOr(store, kWasteBordersMode, defaults.wasteBordersMode);
    p.startMethod = numberOr(store, kStartMethod, defaults.startMethod);
    p.sortOutputByWaste = numberOr(store, kSortOutputByWaste, defaults.sortOutputByWaste);
    const MethodChoice defaultChoice;
    if (numberOr(store, kMethod, 0) == 1)
        result.methodChoice.method = OptimisationMethod::FewestRods;
    if (const int16_t seconds = numberOr(store, kTimeLimit, defaultChoice.timeLimitSeconds);
        seconds >= 1)
        result.methodChoice.timeLimitSeconds = seconds;
    result.language =
        languageFromSettingsName(readSetting(store, kLanguage)).value_or(Language::Slovak);
    if (std::string marker = readSetting(store, kDocumentation); !marker.empty())
        result.documentationMarker = std::move(marker);
    return result;
}

ProgramSettings readSettings(SettingsStore& store) {
    if (readSetting(store, kLanguage).empty())
        saveSetting(store, kLanguage, settingsName(Language::Slovak));
    if (readSetting(store, kDocumentation).empty())
        saveSetting(store, kDocumentation, kDocumentationPending);
    return peekSettings(store);
}

}  // namespace marlo
