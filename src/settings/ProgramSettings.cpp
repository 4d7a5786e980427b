#include "settings/ProgramSettings.h"

#include <optional>
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

// A value that is missing, unreadable, beyond 16 bits or senseless for its key reads as the
// default, so that what the program shows is what it uses.
template <typename Sensible>
int16_t numberOr(const SettingsStore& store, std::string_view key, int16_t fallback,
                 Sensible sensible) {
    const std::optional<int16_t> value = toInt16(readSetting(store, key));
    return value && sensible(*value) ? *value : fallback;
}

bool notNegative(int16_t value) {
    return value >= 0;
}
bool isSwitch(int16_t value) {
    return value == 0 || value == 1;
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
    saveSetting(store, kThreads, std::to_string(choice.threads));
}

ProgramSettings peekSettings(const SettingsStore& store) {
    const JobParameters defaults;
    ProgramSettings result;
    JobParameters& p = result.parameters;
    p.rodLength = numberOr(store, kRodLength, defaults.rodLength, [](int16_t v) { return v > 0; });
    p.cutThickness = numberOr(store, kCutThickness, defaults.cutThickness,
                              [&p](int16_t v) { return cutFitsRod(v, p.rodLength); });
    p.minWasteDimension =
        numberOr(store, kMinWasteDimension, defaults.minWasteDimension, notNegative);
    p.maxWasteDimension =
        numberOr(store, kMaxWasteDimension, defaults.maxWasteDimension, notNegative);
    p.wasteBordersMode = numberOr(store, kWasteBordersMode, defaults.wasteBordersMode, isSwitch);
    p.startMethod = numberOr(store, kStartMethod, defaults.startMethod, isSwitch);
    p.sortOutputByWaste = numberOr(store, kSortOutputByWaste, defaults.sortOutputByWaste, isSwitch);
    p.trim = numberOr(store, kTrim, defaults.trim,
                      [&p](int16_t v) { return v >= 0 && 2 * v < p.rodLength; });
    const MethodChoice defaultChoice;
    result.methodChoice.method = numberOr(store, kMethod, 0, isSwitch) == 1
                                     ? OptimisationMethod::FewestRods
                                     : OptimisationMethod::Search;
    result.methodChoice.timeLimitSeconds =
        numberOr(store, kTimeLimit, defaultChoice.timeLimitSeconds,
                 [](int16_t seconds) { return seconds >= 1; });
    result.methodChoice.threads = numberOr(store, kThreads, defaultChoice.threads,
                                           [](int16_t n) { return n >= 0 && n <= kMostThreads; });
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
