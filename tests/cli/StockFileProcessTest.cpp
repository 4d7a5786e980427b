#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "ProgramInFolder.h"
#include "cli/CliRun.h"
#include "jobfile/JobFile.h"

namespace marlo {
namespace {

namespace fs = std::filesystem;

// The stock files of a workshop as other programs save them, through the real program.
class StockFileProcessTest : public test::ProgramInFolder {
  protected:
    void SetUp() override {
        ProgramInFolder::SetUp();
        store_ = "sqlite:" + (folder_ / "stock.sqlite").string();
    }

    int stock(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), "stock");
        arguments.insert(arguments.end(), {"--store", store_, "--language", "en"});
        return run(arguments);
    }

    std::string job(const CuttingList& list) {
        const fs::path path = folder_ / "job.opt";
        EXPECT_TRUE(writeJobFile(path, {{"ACME", "Frames", "White"}, list}));
        return path.string();
    }

    std::string store_;
};

// The identifier that `stock list` shows in the row of that length, in its last column.
std::string idOfRow(const std::string& listed, const std::string& length) {
    std::istringstream lines(listed);
    for (std::string line; std::getline(lines, line);)
        if (line.starts_with(length + " ")) return line.substr(line.find_last_of(' ') + 1);
    return "no row of " + length;
}

std::string utf16(const std::string& ascii, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char c : ascii) {
        bytes += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    }
    return bytes;
}

TEST_F(StockFileProcessTest, stockFilesOfEveryEncoding_importEveryOffcutUnderItsOwnIdentifier) {
    // Windows-1250, as older workshop programs save it: Ž and Š are single bytes.
    const std::string cp1250 = file("cp1250.csv",
                                    "length;quantity;price;kind;id\r\n1000;1;;offcut;\x8E-1\r\n"
                                    "1200;1;;offcut;\x8A-1\r\n");
    ASSERT_EQ(stock({"import", "--material", "Tube", cp1250}), exit_status::kFinished) << err_;
    ASSERT_EQ(stock({"list", "--material", "Tube"}), exit_status::kFinished);
    EXPECT_EQ(idOfRow(out_, "1000"), "\xC5\xBD-1") << out_;
    EXPECT_EQ(idOfRow(out_, "1200"), "\xC5\xA0-1") << out_;

    // The plan from the file names both offcuts as written, in the JSON and the saw list.
    const std::string saw = (folder_ / "saw.csv").string();
    ASSERT_EQ(run({"optimise", job({{"950", "1"}, {"1150", "1"}}), "--stock", cp1250,
                   "--cut-thickness", "0", "--json", "--saw-list", saw}),
              exit_status::kFinished)
        << err_;
    EXPECT_NE(out_.find("\"stock_id\": \"\xC5\xBD-1\""), std::string::npos) << out_;
    EXPECT_NE(out_.find("\"stock_id\": \"\xC5\xA0-1\""), std::string::npos) << out_;
    EXPECT_NE(text(saw).find(";1000;\xC5\xBD-1;"), std::string::npos) << text(saw);
    EXPECT_NE(text(saw).find(";1200;\xC5\xA0-1;"), std::string::npos) << text(saw);

    // "Unicode text" of a spreadsheet, both byte orders.
    const std::string unicode =
        "length;quantity;price;kind;id\r\n6000;3;;rod;\r\n"
        "900;1;;offcut;U-1\r\n";
    for (const bool bigEndian : {false, true}) {
        const std::string utf16File = file("utf16.csv", utf16(unicode, bigEndian));
        ASSERT_EQ(stock({"import", "--material", "Tube", utf16File}), exit_status::kFinished)
            << err_;
        EXPECT_EQ(out_, "Material Tube stored: stock rows 1, offcuts 1.\n") << bigEndian;
    }

    // An identifier that a later line names is not given to an offcut without one.
    const std::string clash = file(
        "clash.csv", "length;quantity;price;kind;id\n1000;1;;offcut;\n1200;1;;offcut;R-0001\n");
    ASSERT_EQ(stock({"import", "--material", "Profile", clash}), exit_status::kFinished) << err_;
    EXPECT_EQ(out_, "Material Profile stored: stock rows 0, offcuts 2.\n");
    ASSERT_EQ(stock({"list", "--material", "Profile"}), exit_status::kFinished);
    EXPECT_EQ(idOfRow(out_, "1200"), "R-0001") << out_;
    EXPECT_EQ(idOfRow(out_, "1000"), "R-0002") << out_;
}

TEST_F(StockFileProcessTest, materialNames_thatNameNoMaterialPlainly_areRefused) {
    const std::string good = file("good.csv", "length;quantity\n6000;2\n");
    ASSERT_EQ(stock({"import", "--material", "Tube \xC5\xBD", good}), exit_status::kFinished);
    ASSERT_EQ(stock({"list"}), exit_status::kFinished);
    const std::string listed = out_;
    // Malformed UTF-8 (two such names would be one), blanks, line breaks and other controls.
    for (const std::string name : {"\xFF", "\xFE", " ", "\xC2\xA0", "Tube\nAB", "Tube\t40",
                                   "Tube\xE2\x80\xA8", "Tube\x7F"}) {
        EXPECT_EQ(stock({"import", "--material", name, good}), exit_status::kBadUsage) << name;
        EXPECT_NE(err_.find("--material needs a name of one line of text"), std::string::npos)
            << err_;
    }
    EXPECT_EQ(run({"optimise", job({{"950", "1"}}), "--material", "\xFF", "--store", store_}),
              exit_status::kBadUsage);
    ASSERT_EQ(stock({"list"}), exit_status::kFinished);
    EXPECT_EQ(out_, listed);
}

TEST_F(StockFileProcessTest, formulaTexts_areWrittenAsTextAndReadBackAsTheyWere) {
    const std::string formulas = file("formulas.csv",
                                      "length;quantity;price;kind;id\n"
                                      "1000;1;1;offcut;=1+2\n"
                                      "1100;1;2;offcut;+cmd|x\n"
                                      "1200;1;3;offcut;-2+3\n"
                                      "1300;1;4;offcut;@SUM(A1)\n"
                                      "1400;1;5;offcut;''=7\n"
                                      "1500;1;6;offcut;-15\n");
    ASSERT_EQ(stock({"import", "--material", "Tube", formulas}), exit_status::kFinished) << err_;
    const std::string exported = (folder_ / "exported.csv").string();
    ASSERT_EQ(stock({"export", "--material", "Tube", exported}), exit_status::kFinished) << err_;
    const std::string csv = text(exported);
    for (const char* line :
         {"1000;1;1;offcut;'=1+2\r\n", "1100;1;2;offcut;'+cmd|x\r\n", "1200;1;3;offcut;'-2+3\r\n",
          "1300;1;4;offcut;'@SUM(A1)\r\n", "1400;1;5;offcut;''=7\r\n", "1500;1;6;offcut;-15\r\n"})
        EXPECT_NE(csv.find(line), std::string::npos) << line << " in\n" << csv;

    // What is exported imports into the same stock.
    ASSERT_EQ(stock({"import", "--material", "Copy", exported}), exit_status::kFinished) << err_;
    ASSERT_EQ(stock({"list", "--material", "Tube"}), exit_status::kFinished);
    const std::string original = out_.substr(out_.find('\n'));
    EXPECT_EQ(idOfRow(original.substr(1), "1000"), "=1+2") << original;
    ASSERT_EQ(stock({"list", "--material", "Copy"}), exit_status::kFinished);
    EXPECT_EQ(out_.substr(out_.find('\n')), original);

    // The saw list guards them too: the cheapest offcuts for
    // this job are those of the first three formula texts.
    const std::string saw = (folder_ / "saw.csv").string();
    ASSERT_EQ(run({"optimise", job({{"990", "1"}, {"1090", "1"}, {"1190", "1"}}), "--stock",
                   formulas, "--cut-thickness", "0", "--saw-list", saw}),
              exit_status::kFinished)
        << err_;
    const std::string sawList = text(saw);
    EXPECT_NE(sawList.find(";1000;'=1+2;"), std::string::npos) << sawList;
    for (const char* unguarded : {";=", ";+", ";-", ";@"})
        EXPECT_EQ(sawList.find(unguarded), std::string::npos) << unguarded << " in\n" << sawList;
}

TEST_F(StockFileProcessTest, stockFileFaults_nameTheirRealCause) {
    // A million offcut lines (a large store with room) are read; a larger file is named too
    // large, with the limit.
    std::string large = "length;quantity;price;kind;id\n";
    for (int i = 0; i < 1000000; ++i) large += "6000;1;;offcut;X" + std::to_string(i) + "\n";
    const std::string million = file("million.csv", large);
    const std::string job1 = job({{"5000", "1"}});
    ASSERT_EQ(
        run({"optimise", job1, "--stock", million, "--cut-thickness", "0", "--language", "en"}),
        exit_status::kFinished)
        << err_;
    large.append(64 * 1024 * 1024 - large.size() + 1, '\n');
    ASSERT_EQ(run({"optimise", job1, "--stock", file("huge.csv", large), "--language", "en"}),
              exit_status::kBadUsage);
    EXPECT_NE(err_.find("too large for a stock list (at most 64 MiB)"), std::string::npos) << err_;

    // An empty list names no line 0; a price written with an exponent says so.
    ASSERT_EQ(run({"optimise", job1, "--stock", file("empty.csv", "length;quantity\n"),
                   "--language", "en"}),
              exit_status::kBadUsage);
    EXPECT_EQ(err_.find("line 0"), std::string::npos) << err_;
    ASSERT_EQ(stock({"import", "--material", "Tube",
                     file("exp.csv", "length;quantity;price\n6000;1;1e308\n")}),
              exit_status::kBadUsage);
    EXPECT_NE(err_.find("Line 2 of the stock list: a number is written with an exponent"),
              std::string::npos)
        << err_;
}

}  // namespace
}  // namespace marlo
