// A save that fails at any point leaves the job file that was there as it was, and no stray
// temporary file beside it.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <iterator>

#include "TempFolder.h"
#include "jobfile/AtomicFile.h"
#include "jobfile/JobFile.h"

namespace marlo {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::TempFolder;
using test::writeBytes;

const std::string kPreviousJob = "optimalizacia\r\nprevious\r\n\r\n\r\n1200\r\n4\r\n";

size_t entryCount(const fs::path& folder) {
    return static_cast<size_t>(std::distance(fs::directory_iterator(folder), {}));
}

Job largeJob() {
    Job job{{"new customer", "", ""}, {}};
    for (int row = 0; row < 10000; ++row) job.list.push_back({std::to_string(100 + row), "1"});
    return job;
}

// Takes `budget` bytes, then fails like a full device; or fails only when the file is closed,
// as a network share reports a lost write.
class FailingSink : public PosixFileSink {
  public:
    FailingSink(size_t budget, bool failAtClose) : budget_(budget), failAtClose_(failAtClose) {}

    bool write(std::string_view bytes) override {
        const size_t taken = std::min(budget_, bytes.size());
        budget_ -= taken;
        return PosixFileSink::write(bytes.substr(0, taken)) && taken == bytes.size();
    }
    bool close() override { return PosixFileSink::close() && !failAtClose_; }

  private:
    size_t budget_;
    bool failAtClose_;
};

TEST(HardeningSaveFailure, sinkFailingAtAnyPoint_keepsThePreviousFile) {
    TempFolder folder;
    const fs::path target = folder.path() / "job.opt";
    writeBytes(target, kPreviousJob);
    const std::string bytes = serializeJob(largeJob());

    for (const size_t budget : {size_t{0}, size_t{1}, bytes.size() / 2, bytes.size() - 1}) {
        FailingSink sink(budget, false);
        EXPECT_FALSE(writeFileAtomically(target, bytes, sink)) << budget;
        EXPECT_EQ(readBytes(target), kPreviousJob) << budget;
        EXPECT_EQ(entryCount(folder.path()), 1u) << budget;
    }
    FailingSink failsAtClose(bytes.size(), true);
    EXPECT_FALSE(writeFileAtomically(target, bytes, failsAtClose));
    EXPECT_EQ(readBytes(target), kPreviousJob);
    EXPECT_EQ(entryCount(folder.path()), 1u);
}

// Limits the size of files this process may write, as a nearly full disk does, for one scope.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

  private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST(HardeningSaveFailure, diskFillingDuringARealSave_keepsThePreviousJobFile) {
    TempFolder folder;
    const fs::path target = folder.path() / "job.opt";
    writeBytes(target, kPreviousJob);
    const Job job = largeJob();
    ASSERT_GT(serializeJob(job).size(), 16384u);

    {
        const FileSizeLimit nearlyFull(16384);
        EXPECT_FALSE(writeJobFile(target, job));
    }
    EXPECT_EQ(readBytes(target), kPreviousJob);
    EXPECT_EQ(entryCount(folder.path()), 1u);

    // Once there is room again the same save goes through.
    ASSERT_TRUE(writeJobFile(target, job));
    EXPECT_EQ(readJobFile(target).job, job);
}

}  // namespace
}  // namespace marlo
