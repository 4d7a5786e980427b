#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

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

TEST(AtomicFile, write_throughSymbolicLinks_replacesTheFileTheyNameAndKeepsTheLinks) {
    TempFolder folder;
    fs::create_directory(folder.path() / "real");
    const fs::path file = folder.path() / "real" / "job.opt";
    writeBytes(file, "old");
    const fs::path link = folder.path() / "link.opt";
    const fs::path chain = folder.path() / "chain.opt";
    fs::create_symlink("real/job.opt", link);
    fs::create_symlink(link, chain);

    ASSERT_TRUE(writeFileAtomically(chain, "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(fs::is_symlink(chain));
    EXPECT_EQ(readBytes(file), "new");
    EXPECT_EQ(entryCount(folder.path() / "real"), 1u);
    EXPECT_EQ(entryCount(folder.path()), 3u);

    // A link to a file not yet there creates that file.
    const fs::path dangling = folder.path() / "dangling.opt";
    fs::create_symlink("real/new.opt", dangling);
    ASSERT_TRUE(writeFileAtomically(dangling, "made"));
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(readBytes(folder.path() / "real" / "new.opt"), "made");
}

TEST(AtomicFile, write_targetThatIsNoRegularFile_isRefusedAndLeftUntouched) {
    TempFolder folder;
    const fs::path fifo = folder.path() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path toDevice = folder.path() / "null.txt";
    fs::create_symlink("/dev/null", toDevice);
    const fs::path loop = folder.path() / "loop.txt";
    fs::create_symlink("loop.txt", loop);

    for (const fs::path& target : {fifo, toDevice, loop, folder.path()})
        EXPECT_FALSE(writeFileAtomically(target, "x")) << target;
    EXPECT_FALSE(produceFileAtomically(fifo, [](const fs::path&) { return true; }));
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_TRUE(fs::is_symlink(toDevice));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(entryCount(folder.path()), 3u);
}

TEST(AtomicFile, write_afterAKilledSave_removesItsTemporaryButNotThoseOfRunningSaves) {
    TempFolder folder;
    const fs::path target = folder.path() / "job.opt";
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ASSERT_GT(child, 0);
    ::waitpid(child, nullptr, 0);
    const fs::path killed = folder.path() / (".job.opt." + std::to_string(child) + ".tmp");
    const fs::path running = folder.path() / (".job.opt." + std::to_string(::getppid()) + ".tmp");
    const fs::path other = folder.path() / (".job.opt.old." + std::to_string(child) + ".tmp");
    for (const fs::path& leftover : {killed, running, other}) writeBytes(leftover, "part");

    ASSERT_TRUE(writeFileAtomically(target, "saved"));
    EXPECT_FALSE(fs::exists(killed));
    EXPECT_TRUE(fs::exists(running));
    EXPECT_TRUE(fs::exists(other));

    // A library writing the file itself goes the same way.
    writeBytes(killed, "part");
    ASSERT_TRUE(produceFileAtomically(target, [](const fs::path& path) {
        writeBytes(path, "produced");
        return true;
    }));
    EXPECT_EQ(readBytes(target), "produced");
    EXPECT_FALSE(fs::exists(killed));
    EXPECT_FALSE(produceFileAtomically(target, [](const fs::path&) { return false; }));
    EXPECT_EQ(readBytes(target), "produced");
    EXPECT_EQ(entryCount(folder.path()), 3u);
}

TEST(AtomicFile, write_longestNames_haveTemporariesThatFitAndAreCleanedUp) {
    TempFolder folder;
    for (const size_t length : {250u, 255u}) {
        const fs::path target = folder.path() / std::string(length, 'j');
        ASSERT_TRUE(writeFileAtomically(target, "first")) << length;
        // A save killed while its library writes leaves its temporary behind ...
        const pid_t child = ::fork();
        if (child == 0) {
            produceFileAtomically(target, [](const fs::path& path) {
                writeBytes(path, "part");
                ::_exit(0);
                return true;
            });
            ::_exit(1);
        }
        int status = 1;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the save was under way";
        EXPECT_EQ(entryCount(folder.path()), length == 250u ? 2u : 3u);
        // ... which the next save of the same file removes.
        ASSERT_TRUE(writeFileAtomically(target, "second")) << length;
        EXPECT_EQ(readBytes(target), "second");
    }
    EXPECT_EQ(entryCount(folder.path()), 2u);
}

}  // namespace
}  // namespace marlo
