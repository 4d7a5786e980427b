#include "settings/InMemorySettingsStore.h"

namespace marlo {

std::string InMemorySettingsStore::get(std::string_view application, std::string_view section,
                                       std::string_view key) const {
    const auto found =
        values_.find(Address{std::string(application), std::string(section), std::string(key)});
    return found == values_.end() ? std::string() : found->second;
}

void InMemorySettingsStore::save(std::string_view application, std::string_view section,
                                 std::string_view key, std::string_view value) {
    values_[Address{std::string(application), std::string(section), std::string(key)}] =
        std::string(value);
}

}  // namespace marlo
