#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>

#include "ProgramInFolder.h"
#include "cli/CliRun.h"
#include "jobfile/ProductionJobFile.h"

namespace marlo {
namespace {

namespace fs = std::filesystem;

class ExportProcessTest : public test::ProgramInFolder {
  protected:
    std::string path(const std::string& name) const { return (folder_ / name).string(); }

    // One part of a workbook the program wrote, as the archive holds it.
    static std::string partOf(const std::string& workbook, const std::string& part) {
        return commandOutput("unzip -p '" + workbook + "' " + part);
    }
};

const std::string kWorkshop = std::string(MARLO_SOURCE_DIR) + "/samples/workshop.opt";

TEST_F(ExportProcessTest, workshopJob_becomesAProductionJobWhosePartsTheOfficeGetsBack) {
    ASSERT_EQ(run({"export", kWorkshop, path("job.mvjob"), "--rod-length", "6500", "--trim", "10",
                   "--language", "en"}),
              exit_status::kFinished)
        << err_;
    EXPECT_EQ(err_, "");
    const ProductionJobFileRead read = readProductionJobFile(path("job.mvjob"));
    ASSERT_EQ(read.status, ProductionJobFileStatus::Read) << read.detail;
    ASSERT_EQ(read.job.materials.size(), 1u);
    EXPECT_EQ(read.job.materials[0].name, "Material");
    EXPECT_EQ(read.job.materials[0].rodLength, 6500);
    EXPECT_EQ(read.job.materials[0].trim, 10);
    EXPECT_EQ(read.job.materials[0].cutThickness, 6);  // the default of the settings
    ASSERT_FALSE(read.job.parts.empty());
    EXPECT_EQ(read.job.parts[0].part.mark, "1");

    // The parts list in German, as CSV and as a workbook.
    ASSERT_EQ(run({"export", path("job.mvjob"), path("parts.csv"), "--language", "de"}),
              exit_status::kFinished)
        << err_;
    const std::string csv = text(path("parts.csv"));
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBFPosition;Material;L\xC3\xA4nge;Anzahl;Bestellung;Bemerkung;"
                        "Winkel 1;Winkel 2\r\n1;Material;2900;12;;;0;0\r\n",
                        0),
              0u)
        << csv;
    ASSERT_EQ(run({"export", path("job.mvjob"), path("Parts.XLSX"), "--language", "nl"}),
              exit_status::kFinished)
        << err_;
    if (std::system("unzip -v >/dev/null 2>&1") != 0) GTEST_SKIP() << "unzip is not installed";
    const std::string strings = partOf(path("Parts.XLSX"), "xl/sharedStrings.xml");
    EXPECT_NE(strings.find("<t>Hoek 2</t>"), std::string::npos) << strings;
    const std::string sheet = partOf(path("Parts.XLSX"), "xl/worksheets/sheet1.xml");
    // The length a number, not a text (t="s").
    EXPECT_TRUE(std::regex_search(sheet, std::regex(R"(<c r="C2"( s="[0-9]+")?><v>2900</v></c>)")))
        << sheet;
}

TEST_F(ExportProcessTest, badUsageAndRefusedFiles_endWithStatus2AndSayWhy) {
    const std::string newer =
        file("newer.mvjob", R"({"format": "marlo-veen job", "version": 3, "parts": "later"})");
    EXPECT_EQ(run({"export", newer, path("parts.csv"), "--language", "en"}),
              exit_status::kBadUsage);
    EXPECT_NE(err_.find("newer version of the program"), std::string::npos) << err_;
    EXPECT_NE(err_.find("version: 3 (" + newer + ")"), std::string::npos) << err_;
    EXPECT_FALSE(fs::exists(path("parts.csv")));

    const std::string damaged = file(
        "damaged.mvjob",
        R"({"format": "marlo-veen job", "version": 1, "parts": [{"length": 1480, "pieces": "2"}]})");
    EXPECT_EQ(run({"export", damaged, path("parts.xlsx"), "--language", "en"}),
              exit_status::kBadUsage);
    EXPECT_NE(err_.find("wrong type: /parts/0/pieces"), std::string::npos) << err_;

    // An output that is the job itself, through a link, leaves the job as it was.
    const std::string job = file("job.mvjob", R"({"format": "marlo-veen job", "version": 1})");
    fs::create_symlink(job, path("link.csv"));
    EXPECT_EQ(run({"export", job, path("link.csv")}), exit_status::kBadUsage);
    EXPECT_EQ(text(job), R"({"format": "marlo-veen job", "version": 1})");

    // A target that cannot be written, and file types export does not take.
    fs::create_directory(path("folder.csv"));
    EXPECT_EQ(run({"export", job, path("folder.csv"), "--language", "en"}), exit_status::kBadUsage);
    EXPECT_NE(err_.find(path("folder.csv")), std::string::npos) << err_;
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{"export", job, path("parts.ods")},
                                               {"export", kWorkshop, path("parts.csv")},
                                               {"export", job, path("parts.csv"), "--trim", "5"},
                                               {"export", job}}) {
        EXPECT_EQ(run(arguments), exit_status::kBadUsage) << arguments.back();
        EXPECT_NE(err_.find("usage:"), std::string::npos) << err_;
    }
}

}  // namespace
}  // namespace marlo
