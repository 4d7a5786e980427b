#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "cli/CliRun.h"
#include "jobfile/JobFile.h"

namespace marlo {
namespace {

namespace fs = std::filesystem;

struct Ended {
    int status = -1;
    std::string out;
};

// Runs the real program on a job that takes long, sends it `signal` once it has started, and
// collects what it printed and how it ended.
Ended runAndSignal(const fs::path& folder, int signal) {
    CuttingList heavy;
    for (int i = 0; i < 26; ++i) heavy.push_back({std::to_string(220 + 33 * i), "3"});
    const fs::path job = folder / "heavy.opt";
    EXPECT_TRUE(writeJobFile(job, {{}, heavy}));

    int out[2], err[2];
    EXPECT_EQ(::pipe(out), 0);
    EXPECT_EQ(::pipe(err), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
        ::dup2(out[1], STDOUT_FILENO);
        ::dup2(err[1], STDERR_FILENO);
        ::execl(MARLO_CLI_BINARY, MARLO_CLI_BINARY, "optimise", job.c_str(), "--json", "--report",
                (folder / "report.txt").c_str(), "--progress", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(out[1]);
    ::close(err[1]);
    // The first progress shows the run under way; a first rod that takes longer still leaves the
    // program all the time it needs to start.
    pollfd progress{err[0], POLLIN, 0};
    ::poll(&progress, 1, 2000);
    ::kill(child, signal);
    std::string messages;
    char block[4096];
    for (ssize_t n; (n = ::read(err[0], block, sizeof block)) > 0;) messages.append(block, n);
    ::close(err[0]);

    Ended ended;
    for (ssize_t n; (n = ::read(out[0], block, sizeof block)) > 0;) ended.out.append(block, n);
    ::close(out[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ended.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return ended;
}

TEST(CliSignals, termAndHangup_endTheRunLikeCtrlC) {
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        const fs::path folder =
            fs::temp_directory_path() / ("marlo-cli-signal-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        const Ended ended = runAndSignal(folder, signal);
        EXPECT_EQ(ended.status, exit_status::kInterrupted) << "signal " << signal;
        EXPECT_EQ(ended.out.find("{\"status\": \"aborted\""), 0u) << ended.out;
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1) << "only the job file";
        fs::remove_all(folder);
    }
}

}  // namespace
}  // namespace marlo
