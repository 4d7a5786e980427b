#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/CliRun.h"
#include "jobfile/JobFile.h"
#include "settings/InMemorySettingsStore.h"
#include "settings/ProgramSettings.h"
#include "stock/StockStore.h"

namespace marlo {
namespace {

namespace fs = std::filesystem;

class StockCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("marlo-cli-stock-" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        store_ = "sqlite:" + (folder_ / "stock.sqlite").string();
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string file(const std::string& name, const std::string& text) {
        std::ofstream(folder_ / name, std::ios::binary) << text;
        return (folder_ / name).string();
    }

    int run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), "stock");
        return runCommand(arguments);
    }

    int runCommand(const std::vector<std::string>& arguments) {
        std::ostringstream out, err;
        const std::atomic<bool> stop{false};
        const int status = runCli(arguments, out, err, settings_, stop);
        out_ = out.str();
        err_ = err.str();
        return status;
    }

    fs::path folder_;
    std::string store_;
    InMemorySettingsStore settings_;
    std::string out_, err_;
};

TEST_F(StockCommandsTest, importListAndExport_carryAMaterialsStockThroughTheStore) {
    const std::string csv = file("stock.csv",
                                 "length;quantity;price;kind;id\n"
                                 "6000;10;12.50;rod;\n"
                                 "3000;;;rod;\n"
                                 "1200;1;;offcut;A-1\n"
                                 "800;;;offcut;A-2\n");
    ASSERT_EQ(run({"import", "--material", "Profile 70 white", csv, "--min-offcut", "500",
                   "--store", store_, "--language", "en"}),
              exit_status::kFinished)
        << err_;
    EXPECT_EQ(out_, "Material Profile 70 white stored: stock rows 2, offcuts 2.\n");

    ASSERT_EQ(run({"list", "--store", store_, "--language", "en"}), exit_status::kFinished);
    EXPECT_EQ(out_,
              "Material          Stock rows  Rods       Offcuts  Minimum offcut length\n"
              "Profile 70 white  2           unlimited  2        500\n");

    ASSERT_EQ(
        run({"list", "--material", "Profile 70 white", "--store", store_, "--language", "de"}),
        exit_status::kFinished);
    EXPECT_EQ(out_,
              "Material: Profile 70 white  (Mindestlänge Reststück: 500)\n"
              "Länge  Anzahl      Preis  Reststück  Herkunft\n"
              "6000   10          12.50\n"
              "3000   unbegrenzt\n"
              "1200   1                  A-1\n"
              "800    1                  A-2\n");

    // What is exported imports into the same stock.
    const std::string exported = (folder_ / "exported.csv").string();
    ASSERT_EQ(run({"export", "--material", "Profile 70 white", exported, "--store", store_}),
              exit_status::kFinished);
    ASSERT_EQ(run({"import", "--material", "Copy", exported, "--store", store_}),
              exit_status::kFinished);
    ASSERT_EQ(run({"list", "--material", "Profile 70 white", "--store", store_}),
              exit_status::kFinished);
    const std::string original = out_.substr(out_.find('\n'));
    ASSERT_EQ(run({"list", "--material", "Copy", "--store", store_}), exit_status::kFinished);
    EXPECT_EQ(out_.substr(out_.find('\n')), original);

    // Without --store the user's own store is used, made on first use.
    setenv("XDG_DATA_HOME", (folder_ / "data").c_str(), 1);
    EXPECT_EQ(run({"list", "--language", "en"}), exit_status::kFinished);
    EXPECT_EQ(out_, "The stock store holds no material.\n");
    EXPECT_TRUE(fs::exists(folder_ / "data" / "marlo-veen" / "stock.sqlite"));
    unsetenv("XDG_DATA_HOME");
    // The store the settings name comes before the user's own.
    saveSetting(settings_, settings::kStockStore, store_);
    ASSERT_EQ(run({"list", "--language", "en"}), exit_status::kFinished);
    EXPECT_TRUE(out_.starts_with("Material ")) << out_;
}

TEST_F(StockCommandsTest, everyFailure_isNamedAndChangesNothing) {
    const std::string good = file("good.csv", "length;quantity;price;kind;id\n6000;10;;rod;\n");
    ASSERT_EQ(run({"import", "--material", "Tube", good, "--store", store_}),
              exit_status::kFinished);
    ASSERT_EQ(run({"list", "--store", store_}), exit_status::kFinished);
    const std::string listed = out_;

    const std::string bad = file("bad.csv",
                                 "length;quantity;price;kind;id\n5000;2;;rod;\n0;1;;rod;\n"
                                 "900;;;beam;\n");
    EXPECT_EQ(run({"import", "--material", "Tube", bad, "--store", store_, "--language", "en"}),
              exit_status::kBadUsage);
    EXPECT_NE(err_.find("Line 3 of the stock list: the length must be a whole number"),
              std::string::npos)
        << err_;
    EXPECT_NE(err_.find("Line 4 of the stock list: the kind must be rod or offcut."),
              std::string::npos);
    EXPECT_NE(err_.find("Nothing was changed."), std::string::npos);
    EXPECT_EQ(
        run({"import", "--material", "Tube", (folder_ / "none.csv").string(), "--store", store_}),
        exit_status::kBadUsage);
    ASSERT_EQ(run({"list", "--store", store_}), exit_status::kFinished);
    EXPECT_EQ(out_, listed);

    EXPECT_EQ(run({"export", "--material", "Profile 60", (folder_ / "x.csv").string(), "--store",
                   store_, "--language", "en"}),
              exit_status::kStoreFailed);
    EXPECT_EQ(err_, "Unknown material: Profile 60\n");
    EXPECT_FALSE(fs::exists(folder_ / "x.csv"));

    EXPECT_EQ(run({"list", "--store", "postgresql://marlo@127.0.0.1:1/marlo", "--language", "en"}),
              exit_status::kStoreFailed);
    EXPECT_TRUE(err_.starts_with("The stock store is not available: ")) << err_;
    const std::string garbage = file("garbage.sqlite", std::string(4096, 'x'));
    EXPECT_EQ(run({"import", "--material", "Tube", good, "--store", "sqlite:" + garbage,
                   "--language", "en"}),
              exit_status::kStoreFailed);
    EXPECT_TRUE(err_.starts_with("This is not a stock store, or it is damaged: ")) << err_;
    EXPECT_NE(err_.find("Nothing was changed."), std::string::npos);
    EXPECT_EQ(run({"list", "--store", "mysql://stock/shop"}), exit_status::kBadUsage);
    EXPECT_EQ(run({"import", "--material", "Tube", "--store", store_}), exit_status::kBadUsage);
    EXPECT_EQ(run({"sell"}), exit_status::kBadUsage);
}

// The text of a PDF file, as poppler's pdftotext reads it.
std::string textOfPdf(const std::string& path) {
    std::string text;
    if (FILE* pipe = ::popen(("pdftotext '" + path + "' -").c_str(), "r")) {
        char block[4096];
        while (const size_t n = std::fread(block, 1, sizeof block, pipe)) text.append(block, n);
        ::pclose(pipe);
    }
    return text;
}

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST_F(StockCommandsTest, optimiseFromAMaterial_plansFromTheStoreAndBookingTakesItsStockOnce) {
    // Two rods of 6000 and an offcut of 2500; leftovers of 1000 mm and more are kept.
    ASSERT_EQ(run({"import", "--material", "Tube",
                   file("stock.csv",
                        "length;quantity;price;kind;id\n"
                        "6000;2;;rod;\n"
                        "2500;1;;offcut;A-1\n"),
                   "--min-offcut", "1000", "--store", store_}),
              exit_status::kFinished)
        << err_;
    const fs::path job = folder_ / "frames.opt";
    ASSERT_TRUE(writeJobFile(job, {{"ACME", "Frames", "White"}, {{"2400", "1"}, {"2000", "2"}}}));
    const std::vector<std::string> optimise = {
        "optimise",        job.string(), "--material", "Tube", "--store",      store_,
        "--cut-thickness", "0",          "--trim",     "0",    "--time-limit", "5",
        "--json",          "--language", "en"};

    // Planning alone changes nothing: the offcut takes the 2400, one rod the two 2000s. The
    // report names the material.
    std::vector<std::string> reported = optimise;
    const std::string report = (folder_ / "frames.txt").string();
    reported.insert(reported.end(), {"--report", report});
    ASSERT_EQ(runCommand(reported), exit_status::kFinished) << err_;
    EXPECT_NE(fileText(report).find("    Stock material                :   Tube\r\n"),
              std::string::npos);
    EXPECT_NE(out_.find("\"stock_id\": \"A-1\""), std::string::npos) << out_;
    EXPECT_NE(out_.find("\"price\": 6"), std::string::npos) << out_;
    EXPECT_EQ(out_.find("booked"), std::string::npos);

    std::vector<std::string> booking = optimise;
    booking.push_back("--book");
    std::vector<std::string> bookingWithLabels = booking;
    const std::string labels = (folder_ / "labels.pdf").string();
    bookingWithLabels.insert(bookingWithLabels.end(), {"--labels", labels});
    ASSERT_EQ(runCommand(bookingWithLabels), exit_status::kFinished) << err_;
    EXPECT_NE(out_.find("\"booked\": true, \"new_offcuts\": [{\"id\": \"R-0001\", "
                        "\"length\": 2000}]"),
              std::string::npos)
        << out_;
    // The kept offcut's label follows the three piece labels.
    EXPECT_NE(textOfPdf(labels).find("Tube"), std::string::npos);
    EXPECT_NE(textOfPdf(labels).find("R-0001"), std::string::npos);
    ASSERT_EQ(run({"list", "--material", "Tube", "--store", store_, "--language", "en"}),
              exit_status::kFinished);
    EXPECT_NE(out_.find("\n6000    1\n"), std::string::npos) << out_;
    EXPECT_EQ(out_.find("A-1"), std::string::npos) << out_;
    EXPECT_NE(out_.find("R-0001"), std::string::npos) << out_;

    // The next plan takes the new offcut, and the table names what the booking kept.
    booking.erase(std::find(booking.begin(), booking.end(), "--json"));
    ASSERT_EQ(runCommand(booking), exit_status::kFinished) << err_;
    EXPECT_NE(out_.find("R-0001"), std::string::npos) << out_;
    EXPECT_NE(out_.find("Booked; new offcuts: "), std::string::npos) << out_;

    // A material without stock would plan from the single rod length and book nothing.
    ASSERT_FALSE((*StockStore::open(store_).value)->addMaterial("Empty"));
    std::vector<std::string> empty = booking;
    empty[3] = "Empty";
    EXPECT_EQ(runCommand(empty), exit_status::kBadUsage);
    EXPECT_NE(err_.find("The material Empty has no rods or offcuts in stock."), std::string::npos)
        << err_;

    // A material the store does not have, and --book without a material.
    std::vector<std::string> unknown = optimise;
    unknown[3] = "Profile 90";
    EXPECT_EQ(runCommand(unknown), exit_status::kStoreFailed);
    EXPECT_NE(err_.find("Profile 90"), std::string::npos) << err_;
    EXPECT_EQ(runCommand({"optimise", job.string(), "--book"}), exit_status::kBadUsage);
}

}  // namespace
}  // namespace marlo
