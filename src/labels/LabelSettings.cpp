#include "labels/LabelSettings.h"

#include <optional>

#include "labels/LabelSheets.h"
#include "model/NumericText.h"
#include "settings/ProgramSettings.h"

namespace marlo {

namespace {

constexpr std::string_view kLabelLayout = "stitky rozlozenie";
constexpr std::string_view kLabelStart = "stitky zaciatok";

}  // namespace

LabelSettings readLabelSettings(const SettingsStore& store) {
    const LabelSheetLayout* layout = findLabelSheetLayout(readSetting(store, kLabelLayout));
    if (!layout) layout = &labelSheetLayouts().front();
    const std::optional<int16_t> start = toInt16(readSetting(store, kLabelStart));
    return {layout->name, start && validLabelStart(*layout, *start) ? *start : 1};
}

void saveLabelSettings(SettingsStore& store, const LabelSettings& settings) {
    saveSetting(store, kLabelLayout, settings.layout);
    saveSetting(store, kLabelStart, std::to_string(settings.start));
}

}  // namespace marlo
