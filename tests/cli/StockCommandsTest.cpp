#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/CliRun.h"
#include "settings/InMemorySettingsStore.h"
#include "settings/ProgramSettings.h"

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
              "Material: Profile 70 white  (Mindestlänge Reststab: 500)\n"
              "Länge  Anzahl      Preis  Reststab  Herkunft\n"
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

}  // namespace
}  // namespace marlo
