#pragma once

#include <QString>
#include <cstddef>

#include "settings/SettingsStore.h"

namespace marlo {

// The settings store of both programs: one INI file per application in a folder, by default the
// user's configuration folder (~/.config/Optimalizacia.ini on Linux), one INI section per
// section. A file that is not a regular file (a FIFO, a device) or is larger than
// kMaxSettingsFileBytes is never opened: it reads as empty and is not written.
class QSettingsStore : public SettingsStore {
  public:
    // The program writes a few hundred bytes; a megabyte holds any hand-edited file.
    static constexpr std::size_t kMaxSettingsFileBytes = 1024 * 1024;

    QSettingsStore();
    explicit QSettingsStore(QString folder);

    std::string get(std::string_view application, std::string_view section,
                    std::string_view key) const override;
    void save(std::string_view application, std::string_view section, std::string_view key,
              std::string_view value) override;

  private:
    QString fileOf(std::string_view application) const;
    bool usable(const QString& file) const;

    QString folder_;
};

}  // namespace marlo
