#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace marlo {

// The five interface languages; the value is the language's base in the string catalogue.
enum class Language : int16_t {
    Slovak = 100,
    German = 300,
    English = 500,
    Czech = 700,
    Dutch = 900
};

inline constexpr Language kAllLanguages[] = {Language::Slovak, Language::German, Language::English,
                                             Language::Czech, Language::Dutch};

// The name under which the settings store keeps the language ("slovak", "german", ...).
std::string_view settingsName(Language language);
std::optional<Language> languageFromSettingsName(std::string_view name);

// The two-letter code of the command line ("sk", "de", "en", "cs", "nl").
std::string_view isoCode(Language language);
std::optional<Language> languageFromIsoCode(std::string_view code);

}  // namespace marlo
