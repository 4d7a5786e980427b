#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "settings/SettingsStore.h"

namespace marlo {

// Reads the desktop program's settings file (INI, one file per application, as the desktop
// program writes it) without Qt, so that the command line starts from the user's parameters.
// Read-only: saving does nothing.
class IniSettingsStore : public SettingsStore {
  public:
    // The folder of the user's settings files: $XDG_CONFIG_HOME, else ~/.config.
    static std::filesystem::path userFolder();

    explicit IniSettingsStore(std::filesystem::path folder);

    std::string get(std::string_view application, std::string_view section,
                    std::string_view key) const override;
    void save(std::string_view, std::string_view, std::string_view, std::string_view) override {}

  private:
    const std::map<std::string, std::string>& valuesOf(std::string_view application) const;

    std::filesystem::path folder_;
    // "section/key" → value, per application file, read once.
    mutable std::map<std::string, std::map<std::string, std::string>, std::less<>> files_;
};

}  // namespace marlo
