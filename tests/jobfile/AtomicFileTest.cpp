#include <gtest/gtest.h>

#include "TempFolder.h"
#include "jobfile/AtomicFile.h"

namespace marlo {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::TempFolder;
using test::writeBytes;

// Writes the first half of what it is given, then fails as a full disk does.
class DiskFullSink : public PosixFileSink {
  public:
    bool write(std::string_view bytes) override {
        PosixFileSink::write(bytes.substr(0, bytes.size() / 2));
        return false;
    }
};

size_t entryCount(const fs::path& folder) {
    return static_cast<size_t>(std::distance(fs::directory_iterator(folder), {}));
}

TEST(AtomicFile, write_existingFile_isReplacedKeepingItsPermissions) {
    TempFolder folder;
    const fs::path target = folder.path() / "job.opt";
    writeBytes(target, "old content that is longer than the new one");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);

    ASSERT_TRUE(writeFileAtomically(target, "new\r\n"));
    EXPECT_EQ(readBytes(target), "new\r\n");
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(entryCount(folder.path()), 1u);

    ASSERT_TRUE(writeFileAtomically(folder.path() / "fresh.txt", ""));
    EXPECT_TRUE(fs::exists(folder.path() / "fresh.txt"));
}

TEST(AtomicFile, write_sinkFailingPartWay_keepsOldFileAndLeavesNoTemporary) {
    TempFolder folder;
    const fs::path target = folder.path() / "job.opt";
    writeBytes(target, "previous job\r\n");

    DiskFullSink sink;
    EXPECT_FALSE(writeFileAtomically(target, std::string(100000, 'x'), sink));
    EXPECT_EQ(readBytes(target), "previous job\r\n");
    EXPECT_EQ(entryCount(folder.path()), 1u);
}

TEST(AtomicFile, write_missingOrReadOnlyFolder_reportsFailure) {
    TempFolder folder;
    EXPECT_FALSE(writeFileAtomically(folder.path() / "missing" / "job.opt", "x"));
    EXPECT_FALSE(writeFileAtomically(folder.path(), "a folder is not replaced"));

    const fs::path target = folder.path() / "job.opt";
    writeBytes(target, "kept");
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    if (writeFileAtomically(folder.path() / "probe", "")) {
        GTEST_SKIP() << "a privileged user can write into a read-only folder";
    }
    EXPECT_FALSE(writeFileAtomically(target, "new"));
    EXPECT_EQ(readBytes(target), "kept");
}

}  // namespace
}  // namespace marlo
