#pragma once

#include <map>
#include <string>
#include <tuple>

#include "settings/SettingsStore.h"

namespace marlo {

// A settings store that lives as long as the object: for tests and for runs that must not touch
// the user's settings.
class InMemorySettingsStore : public SettingsStore {
  public:
    std::string get(std::string_view application, std::string_view section,
                    std::string_view key) const override;
    void save(std::string_view application, std::string_view section, std::string_view key,
              std::string_view value) override;

  private:
    using Address = std::tuple<std::string, std::string, std::string>;
    std::map<Address, std::string> values_;
};

}  // namespace marlo
