#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QLocale>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "cli/CliRun.h"
#include "jobfile/JobFile.h"
#include "settings/InMemorySettingsStore.h"
#include "settings/ProgramSettings.h"

namespace marlo {
namespace {

namespace fs = std::filesystem;

std::string fileBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class CliRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("marlo-cli-" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string job(const std::string& name, const CuttingList& list,
                    const JobHeader& header = {"ACME", "Frames", "White"}) {
        const fs::path path = folder_ / name;
        EXPECT_TRUE(writeJobFile(path, {header, list}));
        return path.string();
    }

    int run(std::vector<std::string> arguments) {
        std::ostringstream out, err;
        const int status = runCli(arguments, out, err, settings_, stop_);
        out_ = out.str();
        err_ = err.str();
        return status;
    }

    fs::path folder_;
    InMemorySettingsStore settings_;
    std::atomic<bool> stop_{false};
    std::string out_, err_;
    const CuttingList workedExample_ = {{"2000", "3"}, {"1500", "2"}, {"1000", "4"}};
};

TEST_F(CliRunTest, workedExample_printsTheResultAsJson) {
    EXPECT_EQ(run({"optimise", job("a.opt", workedExample_), "--json"}), exit_status::kFinished);
    EXPECT_EQ(out_,
              "{\"status\": \"finished\", \"rejected_rows\": [], \"patterns\": ["
              "{\"seq\": 1, \"rods\": 2, \"waste\": 476, \"pieces\": [2000, 1500, 1000, 1000]}, "
              "{\"seq\": 2, \"rods\": 1, \"waste\": 3994, \"pieces\": [2000]}], \"rod_count\": 3, "
              "\"total_waste\": 4946, \"waste_pieces\": 3, \"efficiency\": 72.522222222222226, "
              "\"calculated_possibilities\": 49, \"method\": \"search\", \"lower_bound\": 3, "
              "\"optimal\": true, \"parameters\": {\"rod_length\": 6000, \"cut_thickness\": 6, "
              "\"trim\": 0, \"min_waste\": 200, \"max_waste\": 500, \"waste_borders\": 1, "
              "\"start_method\": 1, \"sort\": 1, \"method\": \"search\", \"time_limit\": 30, "
              "\"threads\": 0, \"stock\": null}}\n");
    EXPECT_EQ(err_, "");

    // Without --json: the table and the totals, in the stored language (Slovak by default).
    EXPECT_EQ(run({"optimise", job("a.opt", workedExample_)}), exit_status::kFinished);
    EXPECT_NE(out_.find("por.č."), std::string::npos) << out_;
    EXPECT_NE(out_.find("72.52"), std::string::npos);
}

TEST_F(CliRunTest, flagsOverrideTheStoredParameters) {
    saveSetting(settings_, settings::kMinWasteDimension, "200");
    saveSetting(settings_, settings::kRodLength, "2000");
    saveSetting(settings_, settings::kStartMethod, "1");
    const std::string path = job("a.opt", workedExample_);

    // Stored rod of 2000 mm: every 2000 row is refused, so row 1 is reported.
    EXPECT_EQ(run({"optimise", path, "--json"}), exit_status::kFinished);
    EXPECT_NE(out_.find("\"rejected_rows\": [1]"), std::string::npos) << out_;

    EXPECT_EQ(run({"optimise", path, "--json", "--rod-length", "6000", "--start-method", "0"}),
              exit_status::kFinished);
    EXPECT_NE(out_.find("\"calculated_possibilities\": 62"), std::string::npos) << out_;
    EXPECT_NE(out_.find("\"waste\": 470"), std::string::npos);
}

TEST_F(CliRunTest, fewestRods_findsTheOptimumTheSearchMissesAndShowsItsBound) {
    // The search needs four rods of 100 for this list; three do.
    const CuttingList list = {{"75", "1"}, {"65", "1"}, {"45", "1"}, {"40", "1"},
                              {"20", "2"}, {"15", "1"}, {"10", "1"}};
    const std::string path = job("a.opt", list);
    const std::vector<std::string> rod = {"--rod-length", "100", "--cut-thickness", "0"};
    std::vector<std::string> search = {"optimise", path, "--json"};
    search.insert(search.end(), rod.begin(), rod.end());
    EXPECT_EQ(run(search), exit_status::kFinished);
    EXPECT_NE(out_.find("\"rod_count\": 4"), std::string::npos) << out_;
    EXPECT_NE(out_.find("\"lower_bound\": 3, \"optimal\": false"), std::string::npos) << out_;

    // The stored method is used unless --method says otherwise.
    saveMethodChoice(settings_, {OptimisationMethod::FewestRods, 5});
    EXPECT_EQ(run(search), exit_status::kFinished);
    EXPECT_NE(out_.find("\"rod_count\": 3"), std::string::npos) << out_;
    EXPECT_NE(out_.find("\"method\": \"fewest\", \"lower_bound\": 3, \"optimal\": true"),
              std::string::npos)
        << out_;

    const fs::path report = folder_ / "out.txt";
    std::vector<std::string> text = {"optimise",  path,     "--language",   "en",
                                     "--method",  "fewest", "--time-limit", "2",
                                     "--threads", "1",      "--report",     report.string()};
    text.insert(text.end(), rod.begin(), rod.end());
    EXPECT_EQ(run(text), exit_status::kFinished);
    EXPECT_NE(out_.find("Lower bound (rods)"), std::string::npos) << out_;
    EXPECT_NE(
        fileBytes(report).find("    Lower bound           (rods)  :   3   proven optimal\r\n"),
        std::string::npos);

    // A plan of more than 100 dimensions is a finished run as long as no report is asked for.
    CuttingList many;
    for (int i = 0; i < 120; ++i) many.push_back({std::to_string(200 + i), "1"});
    EXPECT_EQ(run({"optimise", job("many.opt", many), "--json", "--method", "fewest"}),
              exit_status::kFinished)
        << err_;

    search.insert(search.end(), {"--method", "search"});
    EXPECT_EQ(run(search), exit_status::kFinished);
    EXPECT_NE(out_.find("\"rod_count\": 4"), std::string::npos) << out_;
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"optimise", path, "--method", "best"},
          {"optimise", path, "--time-limit", "0"},
          {"optimise", path, "--time-limit"},
          {"optimise", path, "--threads", "-1"},
          {"optimise", path, "--threads", "257"}})
        EXPECT_EQ(run(bad), exit_status::kBadUsage) << ::testing::PrintToString(bad);
}

TEST_F(CliRunTest, reportIsWrittenExactlyAsTheTextExport) {
    const fs::path report = folder_ / "out.txt";
    EXPECT_EQ(run({"optimise", job("a.opt", workedExample_), "--report", report.string(),
                   "--language", "en"}),
              exit_status::kFinished);
    EXPECT_EQ(fileBytes(report),
              fileBytes(fs::path(MARLO_SOURCE_DIR) / "tests/reports/data/worked-example-en.txt"));

    // A report that cannot be written is said so, in the chosen language.
    EXPECT_EQ(run({"optimise", job("a.opt", workedExample_), "--report",
                   (folder_ / "missing" / "out.txt").string(), "--language", "de"}),
              exit_status::kBadUsage);
    EXPECT_NE(err_.find("missing"), std::string::npos) << err_;
}

TEST_F(CliRunTest, exitStatusesTellHowTheRunEnded) {
    EXPECT_EQ(run({"optimise", (folder_ / "none.opt").string(), "--json"}), exit_status::kBadUsage);
    EXPECT_NE(err_.find("none.opt"), std::string::npos);

    std::ofstream(folder_ / "wrong.opt") << "Optimalizacia\r\n";
    EXPECT_EQ(run({"optimise", (folder_ / "wrong.opt").string(), "--language", "en"}),
              exit_status::kBadUsage);
    EXPECT_NE(err_.find("This format is not supported"), std::string::npos) << err_;

    EXPECT_EQ(run({"optimise", job("empty.opt", {}), "--json"}), exit_status::kNothing);
    EXPECT_NE(out_.find("\"status\": \"nothing\""), std::string::npos);
    EXPECT_NE(out_.find("\"efficiency\": null"), std::string::npos);

    EXPECT_EQ(
        run({"optimise", job("short.opt", {{"60", "100"}}), "--json", "--cut-thickness", "0"}),
        exit_status::kAborted);
    EXPECT_NE(out_.find("\"status\": \"aborted\", \"rejected_rows\": [], \"patterns\": []"),
              std::string::npos)
        << out_;
    EXPECT_NE(out_.find("\"rod_count\": 0"), std::string::npos);

    EXPECT_EQ(run({"optimise", job("many.opt", {{"100", "20000"}, {"50", "1"}}), "--json"}),
              exit_status::kAborted);

    for (const std::vector<std::string>& bad : {std::vector<std::string>{},
                                                {"optimise"},
                                                {"optimize", "a.opt"},
                                                {"optimise", "a.opt", "--sort", "2"},
                                                {"optimise", "a.opt", "--rod-length", "-1"},
                                                {"optimise", "a.opt", "--rod-length", "40000"},
                                                {"optimise", "a.opt", "--language", "fr"},
                                                {"optimise", "a.opt", "--colour"},
                                                {"optimise", "a.opt", "b.opt"}})
        EXPECT_EQ(run(bad), exit_status::kBadUsage) << ::testing::PrintToString(bad);
}

TEST_F(CliRunTest, stopRequest_endsTheRunAsInterrupted) {
    CuttingList heavy;
    for (int i = 0; i < 26; ++i) heavy.push_back({std::to_string(220 + 33 * i), "3"});
    stop_ = true;
    EXPECT_EQ(run({"optimise", job("heavy.opt", heavy), "--json", "--language", "en"}),
              exit_status::kInterrupted);
    EXPECT_NE(err_.find("Optimization interrupted!"), std::string::npos);
    EXPECT_NE(out_.find("\"patterns\": []"), std::string::npos);
}

TEST_F(CliRunTest, rejectedRowsAreListedWithTheirMessages) {
    EXPECT_EQ(run({"optimise", job("a.opt", {{"7000", "1"}, {"500", "x"}, {"500", "2"}}), "--json",
                   "--language", "en"}),
              exit_status::kFinished);
    EXPECT_NE(out_.find("\"rejected_rows\": [1, 2]"), std::string::npos) << out_;
    EXPECT_NE(err_.find("#1: Some dimension is greater than the rod length; dimension omitted."),
              std::string::npos)
        << err_;
}

// What a reader of a PDF finds in it, blanks collapsed: the words keep their order, not their
// exact columns.
std::string pdfWords(const fs::path& pdf) {
    const std::string command = "pdftotext -layout '" + pdf.string() + "' -";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string text;
    char block[4096];
    while (size_t n = std::fread(block, 1, sizeof block, pipe.get())) text.append(block, n);
    std::istringstream in(text);
    std::string words;
    for (std::string word; in >> word;) words += word + ' ';
    return words;
}

TEST_F(CliRunTest, pdfAndXlsx_writeThePrintoutAndTheWorkbookInTheChosenLanguage) {
    const fs::path pdf = folder_ / "plan.pdf";
    const fs::path xlsx = folder_ / "plan.xlsx";
    EXPECT_EQ(run({"optimise", job("a.opt", workedExample_), "--pdf", pdf.string(), "--xlsx",
                   xlsx.string(), "--language", "en"}),
              exit_status::kFinished);
    const std::string printed = pdfWords(pdf);
    for (const char* line : {"marlo-veen ", "ACME Frames White", "Total number of rods (pcs) : 3",
                             "Slice thickness (mm) : 6 Dim Pcs 2000 3 1500 2 1000 4"})
        EXPECT_NE(printed.find(line), std::string::npos) << line << " in\n" << printed;
    EXPECT_EQ(fileBytes(xlsx).substr(0, 2), "PK");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), {}), 3) << "no temporary is left";

    // Nothing of an unfinished run.
    EXPECT_EQ(run({"optimise", job("b.opt", {}), "--pdf", (folder_ / "b.pdf").string()}),
              exit_status::kNothing);
    EXPECT_FALSE(fs::exists(folder_ / "b.pdf"));
}

TEST_F(CliRunTest, diagram_writesThePdfOrSvgOfAFinishedRunInTheChosenLanguage) {
    const fs::path pdf = folder_ / "plan.pdf", svg = folder_ / "plan.SVG";
    const std::string path = job("a.opt", workedExample_);
    EXPECT_EQ(run({"optimise", path, "--diagram", pdf.string(), "--language", "de"}),
              exit_status::kFinished);
    const std::string drawn = pdfWords(pdf);
    for (const char* words :
         {"Schnittplan", "Kunde: ACME", "2000 1500 1000 1000 476", "Seite 1 / 1"})
        EXPECT_NE(drawn.find(words), std::string::npos) << words << " in\n" << drawn;
    EXPECT_EQ(drawn.find("Untergrenze"), std::string::npos) << "a bound of the search";
    EXPECT_EQ(run({"optimise", path, "--diagram", svg.string()}), exit_status::kFinished);
    EXPECT_NE(fileBytes(svg).find("<svg"), std::string::npos);
    // The fewest-rods method's bound is in the header.
    EXPECT_EQ(run({"optimise", path, "--method", "fewest", "--diagram", pdf.string(), "--language",
                   "en"}),
              exit_status::kFinished);
    EXPECT_NE(pdfWords(pdf).find("Lower bound (rods): 3"), std::string::npos) << pdfWords(pdf);

    // Another ending is refused before the run; a file that cannot be written is named after it.
    EXPECT_EQ(run({"optimise", path, "--diagram", "plan.png"}), exit_status::kBadUsage);
    EXPECT_NE(err_.find(".pdf or .svg"), std::string::npos) << err_;
    const fs::path missing = folder_ / "missing" / "plan.pdf";
    EXPECT_EQ(run({"optimise", path, "--diagram", missing.string(), "--language", "en"}),
              exit_status::kBadUsage);
    EXPECT_NE(err_.find("The file cannot be written: " + missing.string()), std::string::npos)
        << err_;
    // Nothing of an unfinished run.
    EXPECT_EQ(run({"optimise", job("b.opt", {}), "--diagram", (folder_ / "b.pdf").string()}),
              exit_status::kNothing);
    EXPECT_FALSE(fs::exists(folder_ / "b.pdf"));
}

TEST_F(CliRunTest, outputsNamingTheJobFileOrNoRegularFile_areRefusedAndLeftUntouched) {
    const std::string path = job("a.opt", workedExample_);
    const std::string before = fileBytes(path);
    fs::create_symlink(path, folder_ / "link.opt");
    for (const char* flag : {"--report", "--pdf", "--xlsx"}) {
        for (const fs::path& target : {fs::path(path), folder_ / "link.opt"}) {
            EXPECT_EQ(run({"optimise", path, flag, target.string(), "--language", "en"}),
                      exit_status::kBadUsage);
            EXPECT_NE(err_.find("The output would overwrite the job file: "), std::string::npos)
                << err_;
        }
    }
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_TRUE(fs::is_symlink(folder_ / "link.opt"));

    const fs::path fifo = folder_ / "fifo.txt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(run({"optimise", path, "--report", fifo.string(), "--language", "en"}),
              exit_status::kBadUsage);
    EXPECT_NE(err_.find("The file cannot be written: " + fifo.string()), std::string::npos);
    EXPECT_TRUE(fs::is_fifo(fifo));

    // A job file that is not a regular file is refused at once, not waited on.
    EXPECT_EQ(run({"optimise", fifo.string(), "--language", "en"}), exit_status::kBadUsage);
    EXPECT_NE(err_.find("This format is not supported"), std::string::npos) << err_;
}

TEST_F(CliRunTest, report_writesTheDecimalSeparatorOfTheUsersLocale) {
    const fs::path report = folder_ / "out.txt";
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(run({"optimise", job("a.opt", workedExample_), "--report", report.string(),
                   "--language", "en"}),
              exit_status::kFinished);
    QLocale::setDefault(QLocale::c());
    std::string expected =
        fileBytes(fs::path(MARLO_SOURCE_DIR) / "tests/reports/data/worked-example-en.txt");
    expected.replace(expected.find("72.52"), 5, "72,52");
    EXPECT_EQ(fileBytes(report), expected);
}

TEST_F(CliRunTest, stock_plansAtTheLowestPriceAndNamesTheStockInEveryOutput) {
    const fs::path stock = folder_ / "stock.csv";
    std::ofstream(stock) << "length;quantity;price;kind;id\n6000;;;rod;\n3000;;;rod;\n"
                            "2100;1;;offcut;R-9\n";
    // 4500 + 2000 exceed a 6000 mm rod: the free offcut takes the 2000 instead of a 3000 rod.
    const std::string path = job("a.opt", {{"4500", "1"}, {"2000", "1"}});
    const fs::path report = folder_ / "plan.txt", diagram = folder_ / "plan.pdf";
    EXPECT_EQ(run({"optimise", path, "--stock", stock.string(), "--cut-thickness", "0", "--json",
                   "--language", "en", "--report", report.string(), "--diagram", diagram.string()}),
              exit_status::kFinished)
        << err_;
    EXPECT_EQ(out_,
              "{\"status\": \"finished\", \"rejected_rows\": [], \"patterns\": ["
              "{\"seq\": 1, \"rods\": 1, \"waste\": 100, \"pieces\": [2000], \"stock_length\": "
              "2100, \"stock_id\": \"R-9\"}, "
              "{\"seq\": 2, \"rods\": 1, \"waste\": 1500, \"pieces\": [4500], \"stock_length\": "
              "6000, \"stock_id\": null}], \"rod_count\": 2, \"total_waste\": 1600, "
              "\"waste_pieces\": 2, \"efficiency\": 80.246913580246911, "
              "\"calculated_possibilities\": " +
                  out_.substr(out_.find("possibilities\": ") + 16,
                              out_.find(", \"method") - out_.find("possibilities\": ") - 16) +
                  ", \"method\": \"fewest\", \"lower_bound\": null, \"optimal\": true, "
                  "\"price\": 6, \"price_lower_bound\": 6, \"material_used\": 8100, "
                  "\"leftovers\": [100, 1500], \"uncut\": [], \"missing_length\": 0, "
                  "\"parameters\": {\"rod_length\": 6000, \"cut_thickness\": 0, \"trim\": 0, "
                  "\"min_waste\": 200, \"max_waste\": 500, \"waste_borders\": 1, "
                  "\"start_method\": 1, \"sort\": 1, \"method\": \"fewest\", \"time_limit\": 30, "
                  "\"threads\": 0, \"stock\": {\"file\": \"" +
                  stock.string() + "\"}}}\n");
    const std::string text = fileBytes(report);
    for (const char* line :
         {"Stock: 2100 mm, offcut R-9", "Stock: 6000 mm",
          "Length of the rod       (mm)  :   6000/2100", "Total price                   :   6.00",
          "Lower bound of the price      :   6.00   proven optimal",
          "Material used           (mm)  :   8100", "Leftovers               (mm)  :   1500, 100"})
        EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
    const std::string drawn = pdfWords(diagram);
    for (const char* words : {"2100 mm R-9", "6000 mm new rod", "Total price: 6.00"})
        EXPECT_NE(drawn.find(words), std::string::npos) << words << " in\n" << drawn;

    // A trim of 30 at each end leaves 5940 mm of the long rod and 2040 of the offcut: same plan,
    // less leftover.
    EXPECT_EQ(run({"optimise", path, "--stock", stock.string(), "--cut-thickness", "0", "--trim",
                   "30", "--json"}),
              exit_status::kFinished);
    EXPECT_NE(out_.find("\"leftovers\": [40, 1440]"), std::string::npos) << out_;
}

TEST_F(CliRunTest, stock_unusableFilesAndTooSmallStock_areRefusedWithTheirReason) {
    const std::string path = job("a.opt", {{"2000", "2"}});
    const auto stockFile = [this](const std::string& name, const std::string& text) {
        std::ofstream(folder_ / name) << "length;quantity;price;kind;id\n" << text;
        return (folder_ / name).string();
    };
    const std::string bad = stockFile("bad.csv", "0;;;rod;\n3000;1;;offcut;A\n2500;1;;offcut;A\n");
    EXPECT_EQ(run({"optimise", path, "--stock", bad, "--language", "en"}), exit_status::kBadUsage);
    EXPECT_EQ(out_, "");
    EXPECT_NE(
        err_.find("Line 2 of the stock list: the length must be a whole number from 1 to 32767."),
        std::string::npos)
        << err_;
    EXPECT_NE(err_.find("Line 4 of the stock list: an earlier line already has this identifier."),
              std::string::npos)
        << err_;
    EXPECT_EQ(run({"optimise", path, "--stock", stockFile("none.csv", "6000;0;;rod;\n"),
                   "--language", "en"}),
              exit_status::kBadUsage);
    EXPECT_NE(err_.find("The stock list holds no stock."), std::string::npos) << err_;
    EXPECT_EQ(run({"optimise", path, "--stock", (folder_ / "missing.csv").string()}),
              exit_status::kBadUsage);
    EXPECT_EQ(run({"optimise", path, "--trim", "3000", "--language", "en"}),
              exit_status::kBadUsage);
    EXPECT_NE(err_.find("The trim at both ends is longer than the rod."), std::string::npos);

    // Too little stock: no plan, the pieces left uncut and the length missing.
    const std::string small = stockFile("small.csv", "3000;1;;rod;\n");
    EXPECT_EQ(run({"optimise", path, "--stock", small, "--json", "--language", "en"}),
              exit_status::kAborted);
    EXPECT_NE(out_.find("\"status\": \"aborted\", \"rejected_rows\": [], \"patterns\": []"),
              std::string::npos)
        << out_;
    EXPECT_NE(out_.find("\"uncut\": [{\"length\": 2000, \"pieces\": 1}], \"missing_length\": 2000"),
              std::string::npos)
        << out_;
    EXPECT_NE(err_.find("The stock does not hold the whole list"), std::string::npos) << err_;
    EXPECT_NE(err_.find("2000 × 1"), std::string::npos) << err_;
    // A row longer than every usable stock length is refused like one longer than the rod.
    EXPECT_EQ(
        run({"optimise", job("b.opt", {{"3500", "1"}, {"1000", "1"}}), "--stock", small, "--json"}),
        exit_status::kFinished);
    EXPECT_NE(out_.find("\"rejected_rows\": [1]"), std::string::npos) << out_;
}

}  // namespace
}  // namespace marlo
