#include "i18n/Language.h"

#include <algorithm>
#include <iterator>

namespace marlo {

namespace {

struct LanguageNames {
    Language language;
    std::string_view settingsName;
    std::string_view isoCode;
};

constexpr LanguageNames kNames[] = {
    {Language::Slovak, "slovak", "sk"},   {Language::German, "german", "de"},
    {Language::English, "english", "en"}, {Language::Czech, "czech", "cs"},
    {Language::Dutch, "dutch", "nl"},
};

// Null for a value outside the five languages (a cast from a stored number, for instance).
const LanguageNames* namesOf(Language language) {
    const auto* found =
        std::find_if(std::begin(kNames), std::end(kNames),
                     [language](const LanguageNames& names) { return names.language == language; });
    return found == std::end(kNames) ? nullptr : found;
}

template <typename Field>
std::optional<Language> findBy(Field field, std::string_view name) {
    for (const LanguageNames& names : kNames) {
        if (names.*field == name) {
            return names.language;
        }
    }
    return std::nullopt;
}

}  // namespace

std::string_view settingsName(Language language) {
    const LanguageNames* names = namesOf(language);
    return names ? names->settingsName : std::string_view();
}

std::optional<Language> languageFromSettingsName(std::string_view name) {
    return findBy(&LanguageNames::settingsName, name);
}

std::string_view isoCode(Language language) {
    const LanguageNames* names = namesOf(language);
    return names ? names->isoCode : std::string_view();
}

std::optional<Language> languageFromIsoCode(std::string_view code) {
    return findBy(&LanguageNames::isoCode, code);
}

}  // namespace marlo
