#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/CliRun.h"
#include "jobfile/JobFile.h"
#include "settings/InMemorySettingsStore.h"

namespace marlo {
namespace {

namespace fs = std::filesystem;

class CliSawOutputsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("marlo-cli-saw-" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        EXPECT_TRUE(writeJobFile(jobPath(), {{"ACME", "Frames", "White"},
                                             {{"2000", "3"}, {"1500", "2"}, {"1000", "4"}}}));
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string jobPath() const { return (folder_ / "frames.opt").string(); }
    std::string file(const char* name) const { return (folder_ / name).string(); }

    int run(std::vector<std::string> arguments) {
        std::ostringstream out, err;
        const int status = runCli(arguments, out, err, settings_, stop_);
        out_ = out.str();
        err_ = err.str();
        return status;
    }

    static std::string bytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path folder_;
    InMemorySettingsStore settings_;
    std::atomic<bool> stop_{false};
    std::string out_, err_;
};

TEST_F(CliSawOutputsTest, finishedRun_writesSawListSheetAndLabels) {
    EXPECT_EQ(
        run({"optimise", jobPath(), "--saw-list", file("saw.csv"), "--saw-sheet", file("saw.pdf"),
             "--labels", file("labels.pdf"), "--label-layout", "a4-2x7", "--label-start", "14"}),
        exit_status::kFinished)
        << err_;
    // The first stored rod length and cut (6000, 6): the positions add the cut between pieces.
    EXPECT_EQ(bytes(file("saw.csv")),
              "pattern;rods;stock_length;stock_id;cut;length;position;row\r\n"
              "1;2;6000;;1;2000;2000;1\r\n"
              "1;2;6000;;2;1500;3506;2\r\n"
              "1;2;6000;;3;1000;4512;3\r\n"
              "1;2;6000;;4;1000;5518;3\r\n"
              "2;1;6000;;1;2000;2000;1\r\n");
    EXPECT_EQ(bytes(file("saw.pdf")).substr(0, 5), "%PDF-");
    EXPECT_EQ(bytes(file("labels.pdf")).substr(0, 5), "%PDF-");

    // The layouts' names need no job.
    EXPECT_EQ(run({"optimise", "--label-layout", "help"}), exit_status::kFinished);
    EXPECT_EQ(out_, "a4-3x8\na4-2x7\nroll-62x29\nroll-100x50\n");
}

TEST_F(CliSawOutputsTest, badLayoutStartOrTarget_isRefusedBeforeAnythingIsWritten) {
    const std::vector<std::string> outputs = {"--labels",      file("labels.pdf"), "--saw-list",
                                              file("saw.csv"), "--language",       "en"};
    const auto refused = [&](std::vector<std::string> arguments, const std::string& message) {
        arguments.insert(arguments.begin(), {"optimise", jobPath()});
        arguments.insert(arguments.end(), outputs.begin(), outputs.end());
        EXPECT_EQ(run(arguments), exit_status::kBadUsage);
        EXPECT_NE(err_.find(message), std::string::npos) << err_;
        EXPECT_EQ(out_, "");  // not even run
        EXPECT_FALSE(fs::exists(file("labels.pdf")));
        EXPECT_FALSE(fs::exists(file("saw.csv")));
    };
    refused({"--label-layout", "a5-1x1"}, "Unknown label layout: a5-1x1");
    refused({"--label-start", "25"}, "The start position is not on the sheet: 25 (a4-3x8: 1-24)");
    refused({"--label-layout", "roll-62x29", "--label-start", "2"},
            "The start position is not on the sheet: 2");
    refused({"--label-start", "0"}, "bad value for --label-start: 0");

    // An output that is a folder or a FIFO is never replaced, and nothing else is written.
    fs::create_directory(folder_ / "sheet.pdf");
    refused({"--saw-sheet", file("sheet.pdf")}, "The file cannot be written: " + file("sheet.pdf"));
    EXPECT_TRUE(fs::is_directory(folder_ / "sheet.pdf"));
    ASSERT_EQ(::mkfifo(file("fifo.csv").c_str(), 0600), 0);
    EXPECT_EQ(run({"optimise", jobPath(), "--saw-list", file("fifo.csv"), "--labels",
                   file("labels.pdf")}),
              exit_status::kBadUsage);
    EXPECT_TRUE(fs::is_fifo(file("fifo.csv")));
    EXPECT_FALSE(fs::exists(file("labels.pdf")));
    // Nor the job file itself.
    EXPECT_EQ(run({"optimise", jobPath(), "--saw-list", jobPath()}), exit_status::kBadUsage);
    EXPECT_EQ(readJobFile(jobPath()).job.list.size(), 3u);
}

}  // namespace
}  // namespace marlo
