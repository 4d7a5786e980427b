#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "cli/CliRun.h"
#include "jobfile/CsvText.h"
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

TEST_F(CliSawOutputsTest, productionJob_writesItsSawOutputsAndPartsListWhichOnlyItTakes) {
    const std::string job = file("frames.mvjob");
    std::ofstream(job) << R"({"format": "marlo-veen job", "version": 1,
        "header": {"customer": "ACME", "name": "Frames", "colour": "White"},
        "materials": [{"name": "AL", "rod_length": 6000, "cut_thickness": 4, "trim": 5}],
        "parts": [
          {"mark": "A1", "material": "AL", "length": 2000, "pieces": 3, "order": "O-1"},
          {"mark": "B1", "material": "PVC", "length": 1500, "pieces": 2, "order": "O-2"},
          {"mark": "A2", "material": "AL", "length": 2000, "pieces": 2, "order": "O-3"},
          {"mark": "C1", "material": "Steel", "length": 900, "pieces": 4, "order": "O-2"}]})";
    ASSERT_EQ(
        run({"optimise", job, "--store", "sqlite:" + file("none.sqlite"), "--time-limit", "5",
             "--language", "en", "--saw-list", file("saw.csv"), "--saw-sheet", file("saw.pdf"),
             "--labels", file("labels.pdf"), "--parts-list", file("check.csv")}),
        exit_status::kFinished)
        << err_;
    // The saw list's lines of each mark add up to its pieces, in the mark's material.
    const std::vector<CsvLine> saw = csvLines(bytes(file("saw.csv")));
    ASSERT_FALSE(saw.empty());
    EXPECT_EQ(saw[0].cells.back(), "order");
    std::map<std::string, int> pieces;
    for (size_t i = 1; i < saw.size(); ++i) {
        const std::vector<std::string>& cells = saw[i].cells;
        ASSERT_EQ(cells.size(), 11u);
        pieces[cells[9] + '@' + cells[8]] += std::stoi(cells[1]);
    }
    EXPECT_EQ(pieces, (std::map<std::string, int>{
                          {"A1@AL", 3}, {"A2@AL", 2}, {"B1@PVC", 2}, {"C1@Steel", 4}}));
    // The check list has a line per piece, each cut somewhere.
    const std::vector<CsvLine> check = csvLines(bytes(file("check.csv")));
    ASSERT_EQ(check.size(), 1u + 11u);
    for (size_t i = 1; i < check.size(); ++i) EXPECT_EQ(check[i].cells[7].substr(0, 1), "P");
    EXPECT_EQ(bytes(file("labels.pdf")).substr(0, 5), "%PDF-");
    EXPECT_EQ(bytes(file("saw.pdf")).substr(0, 5), "%PDF-");
    EXPECT_FALSE(fs::exists(file("none.sqlite")));

    // A *.opt job has no parts list; a parts list is CSV or PDF and no other output's file.
    const auto refused = [&](std::vector<std::string> arguments, const std::string& message) {
        EXPECT_EQ(run(arguments), exit_status::kBadUsage);
        EXPECT_NE(err_.find(message), std::string::npos) << err_;
        EXPECT_EQ(out_, "");
    };
    refused({"optimise", jobPath(), "--parts-list", file("opt.csv")},
            "--parts-list needs a production job (*.mvjob)");
    refused({"optimise", job, "--parts-list", file("check.txt")},
            "--parts-list needs a .csv or .pdf file");
    refused({"optimise", job, "--saw-list", file("same.csv"), "--parts-list", file("same.csv")},
            "two outputs name the same file");
    // Nor the job itself through a link.
    fs::create_symlink(job, file("link.csv"));
    refused({"optimise", job, "--language", "en", "--parts-list", file("link.csv")},
            "The output would overwrite the job file: ");
    EXPECT_EQ(bytes(job).substr(0, 9), R"({"format")");
    EXPECT_FALSE(fs::exists(file("opt.csv")));
}

}  // namespace
}  // namespace marlo
