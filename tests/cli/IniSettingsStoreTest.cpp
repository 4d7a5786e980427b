#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli/IniSettingsStore.h"
#include "settings/ProgramSettings.h"

namespace marlo {
namespace {

TEST(IniSettingsStore, readsTheDesktopProgramsSettingsFile) {
    const auto folder = std::filesystem::temp_directory_path() / "marlo-ini-test";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "Optimalizacia.ini") << "[General]\nx=1\n\n[nastavenia]\n"
                                                   "dlzka%20tyce=6500\r\nhrubka%20rezu=4\n"
                                                   "jazyk=english\nmin.%20rozmer=\"150\"\n";
    const IniSettingsStore store(folder);
    EXPECT_EQ(store.get("Optimalizacia", "nastavenia", "dlzka tyce"), "6500");
    EXPECT_EQ(store.get("Optimalizacia", "nastavenia", "min. rozmer"), "150");
    EXPECT_EQ(store.get("Optimalizacia", "nastavenia", "prepinac1"), "");
    EXPECT_EQ(store.get("Other", "nastavenia", "dlzka tyce"), "");

    const ProgramSettings settings = peekSettings(store);
    EXPECT_EQ(settings.parameters.rodLength, 6500);
    EXPECT_EQ(settings.parameters.cutThickness, 4);
    EXPECT_EQ(settings.language, Language::English);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace marlo
