#pragma once

#include <QString>

#include "settings/SettingsStore.h"

namespace marlo {

// The settings store of the desktop program: one INI file per application in a folder, by
// default the user's configuration folder (~/.config/Optimalizacia.ini on Linux), one INI
// section per section.
class QSettingsStore : public SettingsStore {
  public:
    QSettingsStore();
    explicit QSettingsStore(QString folder);

    std::string get(std::string_view application, std::string_view section,
                    std::string_view key) const override;
    void save(std::string_view application, std::string_view section, std::string_view key,
              std::string_view value) override;

  private:
    QString fileOf(std::string_view application) const;

    QString folder_;
};

}  // namespace marlo
