#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <tuple>

#include "ProgramInFolder.h"
#include "cli/CliRun.h"

namespace marlo {
namespace {

using Json = nlohmann::json;

// A window-frame order of three materials: two the store holds stock of, one it does not know.
const char* const kJob = R"({"format": "marlo-veen job", "version": 1,
 "header": {"customer": "Novak", "name": "Frames", "colour": "RAL 9016", "note": ""},
 "materials": [{"name": "AL frame 70x45", "cut_thickness": 4, "trim": 10},
               {"name": "PVC sash", "rod_length": 6000, "cut_thickness": 3}],
 "parts": [{"mark": "W1 jamb", "material": "AL frame 70x45", "length": 1480, "pieces": 4, "order": "A-1"},
           {"mark": "W1 head", "material": "AL frame 70x45", "length": 1200, "pieces": 2, "order": "A-1"},
           {"mark": "S1 rail", "material": "PVC sash", "length": 900, "pieces": 7, "order": "A-2"},
           {"mark": "W2 jamb", "material": "AL frame 70x45", "length": 1480, "pieces": 2, "order": "A-2"},
           {"mark": "S2 stile", "material": "PVC sash", "length": 1700, "pieces": 1, "order": "A-2"},
           {"mark": "R1 bar", "material": "Steel 30x20", "length": 2500, "pieces": 3, "order": "A-1"}]})";

class ProductionProcessTest : public test::ProgramInFolder {
  protected:
    std::string store() const { return "sqlite:" + (folder_ / "stock.db").string(); }

    void stockUp() {
        ASSERT_EQ(run({"stock", "import", "--material", "AL frame 70x45", "--store", store(),
                       file("al.csv", "length;quantity;price\n6500;3;40\n3000;2;22\n")}),
                  exit_status::kFinished)
            << err_;
        ASSERT_EQ(run({"stock", "import", "--material", "Steel 30x20", "--store", store(),
                       "--min-offcut", "500",
                       file("steel.csv",
                            "length;quantity;price;kind;id\n2600;1;;offcut;S-1\n6000;5;30;;\n")}),
                  exit_status::kFinished)
            << err_;
    }

    // The pieces of every (material, mark, length) the plan cuts, from its marks.
    static std::map<std::tuple<std::string, std::string, int>, int> cutPieces(const Json& plan) {
        std::map<std::tuple<std::string, std::string, int>, int> cut;
        for (const Json& material : plan["materials"])
            for (const Json& pattern : material["patterns"]) {
                EXPECT_EQ(pattern["marks"].size(), pattern["rods"].get<size_t>());
                for (const Json& rod : pattern["marks"]) {
                    EXPECT_EQ(rod.size(), pattern["pieces"].size());
                    for (size_t i = 0; i < rod.size(); ++i)
                        ++cut[{material["material"], rod[i], pattern["pieces"][i]}];
                }
            }
        return cut;
    }
};

TEST_F(ProductionProcessTest, threeMaterials_fromTheStoreAndARodLength_cutEveryPieceOnceAndBook) {
    stockUp();
    const std::string job = file("frames.mvjob", kJob);
    const std::string report = (folder_ / "frames.txt").string();
    const std::string workbook = (folder_ / "frames.xlsx").string();
    const std::string diagram = (folder_ / "frames.pdf").string();
    ASSERT_EQ(
        run({"optimise", job, "--store", store(), "--time-limit", "5", "--json", "--book",
             "--language", "en", "--report", report, "--xlsx", workbook, "--diagram", diagram}),
        exit_status::kFinished)
        << err_;
    const Json plan = Json::parse(out_);
    EXPECT_EQ(plan["status"], "finished");
    EXPECT_EQ(plan["booked"], true);
    ASSERT_EQ(plan["materials"].size(), 3u);
    EXPECT_EQ(plan["materials"][0]["material"], "AL frame 70x45");
    EXPECT_EQ(plan["materials"][1]["material"], "PVC sash");
    EXPECT_EQ(plan["materials"][2]["material"], "Steel 30x20");

    // Every piece of every part, of its own material and length, exactly once.
    const std::map<std::tuple<std::string, std::string, int>, int> expected = {
        {{"AL frame 70x45", "W1 jamb", 1480}, 4}, {{"AL frame 70x45", "W1 head", 1200}, 2},
        {{"AL frame 70x45", "W2 jamb", 1480}, 2}, {{"PVC sash", "S1 rail", 900}, 7},
        {{"PVC sash", "S2 stile", 1700}, 1},      {{"Steel 30x20", "R1 bar", 2500}, 3}};
    EXPECT_EQ(cutPieces(plan), expected);

    // The stock materials at their proven lowest price, with the job's settings and the store's
    // rods and offcuts; the sash from its own rod length with the fewest rods.
    const Json& al = plan["materials"][0];
    EXPECT_EQ(al["parameters"]["trim"], 10);
    EXPECT_EQ(al["parameters"]["cut_thickness"], 4);
    EXPECT_EQ(al["parameters"]["stock"]["material"], "AL frame 70x45");
    EXPECT_TRUE(al["optimal"].get<bool>());
    const Json& sash = plan["materials"][1];
    EXPECT_EQ(sash["parameters"]["rod_length"], 6000);
    EXPECT_TRUE(sash["parameters"]["stock"].is_null());
    EXPECT_EQ(sash["rod_count"], 2);
    EXPECT_FALSE(sash["patterns"][0].contains("stock_length"));
    const Json& steel = plan["materials"][2];
    EXPECT_EQ(steel["price"], 30.0);  // the offcut S-1 and one new rod
    EXPECT_EQ(steel["patterns"][0]["stock_id"], "S-1");
    EXPECT_EQ(plan["price"].get<double>(),
              al["price"].get<double>() + steel["price"].get<double>());
    EXPECT_TRUE(plan["optimal"].get<bool>());

    // Every output has a section per material: the report, the workbook's sheets after its
    // summary, the diagram's pages.
    const std::string reportText = text(report);
    for (const char* material :
         {"Material: AL frame 70x45", "Material: PVC sash", "Material: Steel 30x20"})
        EXPECT_NE(reportText.find(material), std::string::npos) << material;
    EXPECT_NE(
        commandOutput("unzip -p '" + workbook + "' xl/workbook.xml")
            .find(R"(<sheet name="Summary" sheetId="1" r:id="rId1"/><sheet name="AL frame 70x45")"),
        std::string::npos);
    const std::string pages = commandOutput("pdftotext -layout '" + diagram + "' -");
    for (const char* material : {"AL frame 70x45", "PVC sash", "Steel 30x20"})
        EXPECT_NE(pages.find(material), std::string::npos) << material;

    // Both stock materials were booked in the one change; the store now holds what is left.
    ASSERT_EQ(run({"stock", "export", "--material", "Steel 30x20", "--store", store(),
                   (folder_ / "steel-after.csv").string()}),
              exit_status::kFinished)
        << err_;
    const std::string steelAfter = text((folder_ / "steel-after.csv").string());
    EXPECT_EQ(steelAfter.find("S-1"), std::string::npos) << steelAfter;
    EXPECT_NE(steelAfter.find("6000;4;"), std::string::npos) << steelAfter;
}

TEST_F(ProductionProcessTest, jobThatCannotBeCutWhole_namesWhatIsMissingAndWritesNothing) {
    std::string job = kJob;
    job.replace(job.find("\"length\": 1700"), 14, "\"length\": 7000");
    const std::string report = (folder_ / "report.txt").string();
    EXPECT_EQ(run({"optimise", file("frames.mvjob", job), "--store", store(), "--time-limit", "5",
                   "--report", report, "--language", "en"}),
              exit_status::kAborted);
    // The part that no rod holds is named by its number and mark; the rest is planned and shown.
    EXPECT_NE(err_.find("Part no. 5 (S2 stile) cannot be cut"), std::string::npos) << err_;
    EXPECT_NE(out_.find("Material: Steel 30x20"), std::string::npos) << out_;
    EXPECT_FALSE(std::filesystem::exists(report));

    // A parts list read from a file, its bad row named by its number, plans as a job.
    const std::string parts =
        file("parts.csv",
             "Mark;Material;Length;Qty;Order\nA1;Tube 40;1200;4;7\nA2;Tube 40;12x0;2;7\n"
             "A3;Tube 40;800,4;3;7\n");
    ASSERT_EQ(run({"import", parts, "-o", (folder_ / "tubes.mvjob").string(), "--language", "en"}),
              exit_status::kFinished)
        << err_;
    EXPECT_NE(err_.find("Row 3"), std::string::npos) << err_;
    EXPECT_NE(err_.find("Row 4"), std::string::npos) << err_;
    ASSERT_EQ(run({"optimise", (folder_ / "tubes.mvjob").string(), "--store", store(), "--json"}),
              exit_status::kFinished)
        << err_;
    const Json plan = Json::parse(out_);
    EXPECT_EQ(cutPieces(plan), (std::map<std::tuple<std::string, std::string, int>, int>{
                                   {{"Tube 40", "A1", 1200}, 4}, {{"Tube 40", "A3", 800}, 3}}));
    // No file of its own is no parts list.
    EXPECT_EQ(
        run({"import", (folder_ / "none.csv").string(), "-o", (folder_ / "none.mvjob").string()}),
        exit_status::kBadUsage);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "none.mvjob"));
}

}  // namespace
}  // namespace marlo
