#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QSqlDatabase>
#include <QSqlQuery>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "SanitizerSlowdown.h"
#include "cli/CliRun.h"
#include "jobfile/JobFile.h"

namespace marlo {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// How the real program was started and how it ended.
struct Launch {
    std::optional<rlim_t> addressSpace;     // RLIMIT_AS of the program
    bool closedOutput = false;              // its standard output leads nowhere
    std::optional<double> interruptAfter;   // seconds after its first progress, then SIGINT
    std::function<void()> atFirstProgress;  // what happens meanwhile, once the run is under way
};

struct Ended {
    int status = -1;  // exit status; -1 when a signal ended it
    std::string out;
    std::string err;
    double secondsAfterInterrupt = 0;
    double seconds = 0;
};

// Reads both outputs at once until the program closes them, so that neither pipe fills up.
void readBoth(int outFd, int errFd, std::string& out, std::string& err) {
    std::vector<pollfd> open;
    if (outFd >= 0) open.push_back({outFd, POLLIN, 0});
    open.push_back({errFd, POLLIN, 0});
    char block[65536];
    while (!open.empty()) {
        ::poll(open.data(), open.size(), -1);
        for (size_t i = open.size(); i-- > 0;) {
            if (open[i].revents == 0) continue;
            const ssize_t n = ::read(open[i].fd, block, sizeof block);
            if (n > 0) {
                (open[i].fd == outFd ? out : err).append(block, static_cast<size_t>(n));
            } else {
                ::close(open[i].fd);
                open.erase(open.begin() + static_cast<std::ptrdiff_t>(i));
            }
        }
    }
}

class CliProcessTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("marlo-cli-process-" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "settings");
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path job(const std::string& name, const CuttingList& list) {
        const fs::path path = folder_ / name;
        EXPECT_TRUE(writeJobFile(path, {{"ACME", "Frames", "White"}, list}));
        return path;
    }

    // Runs marlo-veen-cli with the arguments and an empty settings folder.
    Ended run(const std::vector<std::string>& arguments, const Launch& launch = Launch()) {
        int out[2], err[2];
        EXPECT_EQ(::pipe(out), 0);
        EXPECT_EQ(::pipe(err), 0);
        if (launch.closedOutput) ::close(out[0]);
        const auto started = Clock::now();
        const pid_t child = ::fork();
        if (child == 0) {
            ::setenv("XDG_CONFIG_HOME", (folder_ / "settings").c_str(), 1);
            if (launch.addressSpace) {
                const rlimit limit{*launch.addressSpace, *launch.addressSpace};
                ::setrlimit(RLIMIT_AS, &limit);
            }
            ::dup2(out[1], STDOUT_FILENO);
            ::dup2(err[1], STDERR_FILENO);
            std::vector<char*> argv{const_cast<char*>(MARLO_CLI_BINARY)};
            for (const std::string& argument : arguments)
                argv.push_back(const_cast<char*>(argument.c_str()));
            argv.push_back(nullptr);
            ::execv(MARLO_CLI_BINARY, argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        ::close(err[1]);
        Ended ended;
        Clock::time_point interrupted = started;
        if (launch.interruptAfter || launch.atFirstProgress) {
            // The first progress line shows the run under way.
            pollfd progress{err[0], POLLIN, 0};
            ::poll(&progress, 1, 5000);
            if (launch.atFirstProgress) launch.atFirstProgress();
        }
        if (launch.interruptAfter) {
            ::usleep(static_cast<useconds_t>(*launch.interruptAfter * 1e6));
            ::kill(child, SIGINT);
            interrupted = Clock::now();
        }
        readBoth(launch.closedOutput ? -1 : out[0], err[0], ended.out, ended.err);
        int status = 0;
        ::waitpid(child, &status, 0);
        const auto finished = Clock::now();
        ended.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        ended.seconds = std::chrono::duration<double>(finished - started).count();
        ended.secondsAfterInterrupt = std::chrono::duration<double>(finished - interrupted).count();
        return ended;
    }

    fs::path folder_;
};

// 16381 lengths over half of a 32767 mm rod, 20000 pieces: each piece needs a rod of its own.
CuttingList longPiecesList() {
    CuttingList list;
    for (int i = 0; i < 16381; ++i)
        list.push_back({std::to_string(16384 + i), i < 20000 - 16381 ? "2" : "1"});
    return list;
}

// 8000 lengths of all sizes, two or three pieces each: every stage of the method has work.
CuttingList mixedList() {
    CuttingList list;
    for (int i = 0; i < 8000; ++i)
        list.push_back({std::to_string(500 + (i * 7919) % 31500), i % 2 == 0 ? "2" : "3"});
    return list;
}

TEST_F(CliProcessTest, fewestRodsOnLongLists_endsWithinTheTimeLimitInBoundedMemory) {
    for (const auto& [name, list] :
         {std::pair{"long-pieces.opt", longPiecesList()}, std::pair{"mixed.opt", mixedList()}}) {
        const fs::path path = job(name, list);
        Launch limited;
        if (!kAddressSanitizer) limited.addressSpace = rlim_t{1} << 30;
        const Ended ended = run({"optimise", path.string(), "--method", "fewest", "--time-limit",
                                 "1", "--rod-length", "32767", "--json"},
                                limited);
        EXPECT_EQ(ended.status, exit_status::kFinished) << name << ": " << ended.err;
        EXPECT_LT(ended.seconds, 4.0 * kSlowdown) << name;
        EXPECT_EQ(ended.out.find("{\"status\": \"finished\""), 0u) << name;
        EXPECT_NE(ended.out.find("\"method\": \"fewest\""), std::string::npos) << name;
    }
    // Every piece over half the rod: one rod each, and the bound proves it.
    const Ended proven = run({"optimise", (folder_ / "long-pieces.opt").string(), "--method",
                              "fewest", "--time-limit", "1", "--rod-length", "32767", "--json"});
    EXPECT_NE(proven.out.find("\"rod_count\": 20000"), std::string::npos);
    EXPECT_NE(proven.out.find("\"lower_bound\": 20000, \"optimal\": true"), std::string::npos);
}

TEST_F(CliProcessTest, ctrlC_endsALongFewestRodsRunWithinASecondKeepingItsBestPlan) {
    const fs::path path = job("mixed.opt", mixedList());
    for (const double after : {0.3, 2.5}) {
        Launch interrupted;
        interrupted.interruptAfter = after;
        const Ended ended = run({"optimise", path.string(), "--method", "fewest", "--time-limit",
                                 "60", "--rod-length", "32767", "--json", "--progress"},
                                interrupted);
        EXPECT_LT(ended.secondsAfterInterrupt, 1.0 * kSlowdown)
            << "interrupted after " << after << " s";
        EXPECT_EQ(ended.status, exit_status::kFinished) << ended.err;
        EXPECT_EQ(ended.out.find("{\"status\": \"finished\""), 0u);
    }
}

// Two outputs named to one file (also through another spelling of its name), a fractional
// sticker number and label options without labels are refused before the run.
TEST_F(CliProcessTest, sharedOutputsAndLooseLabelOptions_areRefusedBeforeTheRun) {
    const std::string path = job("frames.opt", {{"2000", "3"}, {"1500", "2"}}).string();
    const std::string same = (folder_ / "same.pdf").string();
    const std::string x = (folder_ / "x.csv").string();
    const std::string sameByFolder = (folder_ / "sub" / ".." / "x.csv").string();
    fs::create_directory(folder_ / "sub");
    for (const std::vector<std::string>& flags :
         std::vector<std::vector<std::string>>{{"--labels", same, "--saw-sheet", same},
                                               {"--saw-list", x, "--report", sameByFolder},
                                               {"--labels", same, "--label-start", "1.5"},
                                               {"--label-start", "5"},
                                               {"--label-layout", "a4-3x8"}}) {
        std::vector<std::string> arguments{"optimise", path, "--json"};
        arguments.insert(arguments.end(), flags.begin(), flags.end());
        const Ended ended = run(arguments);
        EXPECT_EQ(ended.status, exit_status::kBadUsage) << ::testing::PrintToString(flags);
        EXPECT_EQ(ended.out, "") << "not run: " << ::testing::PrintToString(flags);
        EXPECT_FALSE(fs::exists(same));
        EXPECT_FALSE(fs::exists(x));
    }
}

TEST_F(CliProcessTest, closedStandardOutput_stillWritesTheFilesAndReportsTheFailedOutput) {
    const fs::path path = job("frames.opt", {{"2000", "3"}, {"1500", "2"}, {"1000", "4"}});
    Launch closed;
    closed.closedOutput = true;
    const Ended ended =
        run({"optimise", path.string(), "--json", "--language", "en", "--report",
             (folder_ / "r.txt").string(), "--diagram", (folder_ / "d.svg").string()},
            closed);
    EXPECT_EQ(ended.status, exit_status::kBadUsage) << "not killed by SIGPIPE: " << ended.err;
    EXPECT_TRUE(fs::is_regular_file(folder_ / "r.txt"));
    EXPECT_TRUE(fs::is_regular_file(folder_ / "d.svg"));
    EXPECT_NE(ended.err.find("standard output"), std::string::npos) << ended.err;
}

TEST_F(CliProcessTest, fileNames_areTakenAsTheBytesGiven) {
    // Latin-1 bytes that are no UTF-8, and names at the longest a folder entry may have.
    const std::string foreign = "r\xe8z";
    const std::string longest(255 - 4, 'n');
    const fs::path path = job(foreign + ".opt", {{"2000", "3"}, {"1500", "2"}, {"1000", "4"}});
    const std::vector<std::string> names = {
        foreign + ".svg",  foreign + "-d.pdf", foreign + ".txt",          foreign + ".pdf",
        foreign + ".xlsx", longest + ".svg",   longest.substr(5) + ".txt"};
    const Ended ended =
        run({"optimise", path.string(), "--diagram", (folder_ / names[0]).string(), "--report",
             (folder_ / names[2]).string(), "--pdf", (folder_ / names[3]).string(), "--xlsx",
             (folder_ / names[4]).string()});
    EXPECT_EQ(ended.status, exit_status::kFinished) << ended.err;
    const Ended pdf = run({"optimise", path.string(), "--diagram", (folder_ / names[1]).string()});
    EXPECT_EQ(pdf.status, exit_status::kFinished) << pdf.err;
    const Ended longNames =
        run({"optimise", path.string(), "--diagram", (folder_ / names[5]).string(), "--report",
             (folder_ / names[6]).string()});
    EXPECT_EQ(longNames.status, exit_status::kFinished) << longNames.err;

    for (const std::string& name : names) EXPECT_TRUE(fs::is_regular_file(folder_ / name)) << name;
    // Nothing else: no file under a changed name, no temporary left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), {}), 1 + 1 + 7);
}

TEST_F(CliProcessTest, cutThicknessOfAtLeastTheRodLength_isRefusedLikeAStoredOne) {
    const fs::path path = job("one.opt", {{"100", "5"}});
    for (const std::vector<std::string>& flags :
         {std::vector<std::string>{"--rod-length", "32767", "--cut-thickness", "32767"},
          {"--rod-length", "500", "--cut-thickness", "600"},
          {"--rod-length", "5"}}) {
        std::vector<std::string> arguments = {"optimise", path.string(), "--json", "--language",
                                              "en"};
        arguments.insert(arguments.end(), flags.begin(), flags.end());
        const Ended ended = run(arguments);
        EXPECT_EQ(ended.status, exit_status::kBadUsage) << flags[1];
        EXPECT_EQ(ended.out, "") << flags[1];
        EXPECT_NE(ended.err.find("The slice thickness must be less than the rod length."),
                  std::string::npos)
            << ended.err;
    }
    const Ended noRod = run({"optimise", path.string(), "--rod-length", "0"});
    EXPECT_EQ(noRod.status, exit_status::kBadUsage);
    const Ended thin = run(
        {"optimise", path.string(), "--json", "--rod-length", "32767", "--cut-thickness", "32766"});
    EXPECT_EQ(thin.status, exit_status::kFinished) << thin.err;
}

// Another workstation cuts the stock row down to 9 rods (an import: the row gets a new key) while
// the program plans 14: its change waits uncommitted until the program has read the stock.
TEST_F(CliProcessTest, bookingAfterTheStockWasCut_namesTheRodsNeededAndInStock) {
    const fs::path file = folder_ / "stock.sqlite";
    const std::string store = "sqlite:" + file.string();
    std::ofstream(folder_ / "stock.csv") << "length;quantity;price;kind;id\n6000;14;;rod;\n";
    ASSERT_EQ(run({"stock", "import", "--material", "Tube", (folder_ / "stock.csv").string(),
                   "--store", store})
                  .status,
              exit_status::kFinished);
    const fs::path path = job("frames.opt", {{"5000", "14"}});
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other-workstation");
        other.setDatabaseName(QString::fromStdString(file.string()));
        other.setConnectOptions("QSQLITE_BUSY_TIMEOUT=20000");
        ASSERT_TRUE(other.open());
        QSqlQuery change(other);
        ASSERT_TRUE(change.exec("BEGIN IMMEDIATE"));
        ASSERT_TRUE(change.exec("UPDATE stock_rows SET id = id + 100, quantity = 9"));
        Launch booking;
        booking.atFirstProgress = [&] { EXPECT_TRUE(change.exec("COMMIT")); };
        const Ended ended =
            run({"optimise", path.string(), "--material", "Tube", "--store", store, "--book",
                 "--progress", "--cut-thickness", "0", "--trim", "0", "--language", "en"},
                booking);
        EXPECT_EQ(ended.status, exit_status::kStockChanged) << ended.err;
        EXPECT_NE(ended.err.find("\nRods of 6000 mm: 14 needed, 9 in stock.\n"), std::string::npos)
            << ended.err;
    }
    QSqlDatabase::removeDatabase("other-workstation");
}

TEST_F(CliProcessTest, readingCommands_nameAMissingStoreAndMakeNone) {
    const std::string typo = "sqlite:" + (folder_ / "typo" / "dir" / "s.sqlite").string();
    const fs::path path = job("frames.opt", {{"2000", "3"}});
    for (const std::vector<std::string>& reading :
         {std::vector<std::string>{"stock", "list", "--store", typo, "--language", "en"},
          {"stock", "export", "--material", "Tube", (folder_ / "x.csv").string(), "--store", typo,
           "--language", "en"},
          {"optimise", path.string(), "--material", "Tube", "--store", typo, "--language", "en"}}) {
        const Ended ended = run(reading);
        EXPECT_EQ(ended.status, exit_status::kStoreFailed) << reading[1];
        EXPECT_TRUE(ended.err.starts_with("The stock store does not exist: ")) << ended.err;
        EXPECT_FALSE(fs::exists(folder_ / "typo")) << reading[1];
    }
    // An import makes the store it names.
    std::ofstream(folder_ / "stock.csv") << "length;quantity;price;kind;id\n6000;2;;rod;\n";
    EXPECT_EQ(run({"stock", "import", "--material", "Tube", (folder_ / "stock.csv").string(),
                   "--store", typo})
                  .status,
              exit_status::kFinished);
    EXPECT_EQ(run({"stock", "list", "--store", typo}).status, exit_status::kFinished);
}

}  // namespace
}  // namespace marlo
