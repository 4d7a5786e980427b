#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/SettingsStore.h"

namespace marlo {

namespace settings {
// The section of the settings file that keeps, per header of a parts list, the column mapping
// the operator chose for it.
inline constexpr std::string_view kPartsListColumns = "stlpce zoznamov dielov";
}  // namespace settings

// The column mapping ("mark=A,length=D,...") chosen for a parts list whose header row has these
// cells, or an empty text when none was chosen. Lists from the same office program share their
// header, so the choice holds for every list of that header.
std::string rememberedColumns(const SettingsStore& store, const std::vector<std::string>& header);

void rememberColumns(SettingsStore& store, const std::vector<std::string>& header,
                     std::string_view mapping);

}  // namespace marlo
