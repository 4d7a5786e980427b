#pragma once

#include <string>
#include <string_view>

namespace marlo {

// A per-user store of named string values, addressed by application, section and key.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    // The stored value; the empty string when the key was never written.
    virtual std::string get(std::string_view application, std::string_view section,
                            std::string_view key) const = 0;
    virtual void save(std::string_view application, std::string_view section, std::string_view key,
                      std::string_view value) = 0;
};

}  // namespace marlo
