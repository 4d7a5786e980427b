#pragma once

#include <string>

#include "settings/SettingsStore.h"

namespace marlo {

// The label dialog's last choices: the sticker layout and the sticker the next sheet starts at.
struct LabelSettings {
    std::string layout;
    int start = 1;

    bool operator==(const LabelSettings&) const = default;
};

// The stored choices; an unknown layout reads as the default layout, and a start position that is
// not on its sheet as 1.
LabelSettings readLabelSettings(const SettingsStore& store);
void saveLabelSettings(SettingsStore& store, const LabelSettings& settings);

}  // namespace marlo
