#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>

#include "TempFolder.h"
#include "settings/ProgramSettings.h"
#include "settings/QSettingsStore.h"

namespace marlo {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;
using test::writeBytes;

QString qPath(const fs::path& path) {
    return QString::fromStdString(path.string());
}

// What the desktop program's store and the command line read, as a user may have edited it.
TEST(QSettingsStore, handEditedFile_readsWithByteOrderMarkAndCommentsAfterValues) {
    TempFolder folder;
    writeBytes(folder.path() / "Optimalizacia.ini",
               "\xEF\xBB\xBF[nastavenia]\r\n; rods of the new supplier\r\n"
               "dlzka%20tyce=6500 ; mm\r\nhrubka%20rezu=\"4\"\r\njazyk=english\r\n");
    const QSettingsStore store(qPath(folder.path()));
    const ProgramSettings read = peekSettings(store);
    EXPECT_EQ(read.parameters.rodLength, 6500);
    EXPECT_EQ(read.parameters.cutThickness, 4);
    EXPECT_EQ(read.language, Language::English);
}

TEST(QSettingsStore, fileThatIsNoRegularFileOrTooLarge_readsAsEmptyAtOnceAndIsNotWritten) {
    TempFolder folder;
    const fs::path file = folder.path() / "Optimalizacia.ini";
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    QSettingsStore store(qPath(folder.path()));
    auto reading = std::async(std::launch::async, [&] { return peekSettings(store); });
    if (reading.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        ADD_FAILURE() << "reading a FIFO blocks";
        ::close(::open(file.c_str(), O_WRONLY | O_NONBLOCK));
    }
    EXPECT_EQ(reading.get(), ProgramSettings{});
    saveSetting(store, settings::kRodLength, "7000");
    EXPECT_TRUE(fs::is_fifo(file));

    fs::remove(file);
    fs::create_symlink("/dev/zero", file);
    EXPECT_EQ(readSetting(store, settings::kRodLength), "");

    fs::remove(file);
    writeBytes(file, "[nastavenia]\ndlzka%20tyce=7000\n;" +
                         std::string(QSettingsStore::kMaxSettingsFileBytes, 'x') + "\n");
    EXPECT_EQ(readSetting(store, settings::kRodLength), "");
}

}  // namespace
}  // namespace marlo
