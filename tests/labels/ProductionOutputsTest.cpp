#include <gtest/gtest.h>

#include <map>

#include "ProductionPlanFixture.h"
#include "jobfile/CsvText.h"
#include "labels/PartsCheckList.h"
#include "labels/PieceLabels.h"
#include "labels/SawListCsv.h"

namespace marlo {
namespace {

std::vector<std::vector<std::string>> csvRows(std::string_view csv) {
    std::vector<std::vector<std::string>> rows;
    for (const CsvLine& line : csvLines(csv)) rows.push_back(line.cells);
    return rows;
}

TEST(ProductionOutputsTest, sawListCsv_namesEachPiecesPartAndCountsEveryPieceOnce) {
    const ProductionJob job = fixture::threeMaterialJob();
    const ProductionPlan plan = fixture::threeMaterialPlan(job);
    const std::string csv = productionSawListCsv(job, plan);
    ASSERT_EQ(csv.substr(0, csv.find('\n') + 1),
              "pattern;rods;stock_length;stock_id;cut;length;position;row;material;mark;order\r\n");
    // The saw starts with the aluminium's second pattern; the first one's first rod is cut for
    // one mark, its second for two.
    EXPECT_EQ(csv.substr(csv.find('\n') + 1, 52),
              "2;3;6500;;1;2300;2310;5;AL 70x45;W14 post;2026-119\r\n");
    EXPECT_NE(csv.find("1;1;6500;;3;1480;4458;1;AL 70x45;W12 jamb;2026-117\r\n"
                       "1;1;6500;;1;1480;1490;1;AL 70x45;W12 jamb;2026-117\r\n"
                       "1;1;6500;;2;1480;2974;1;AL 70x45;W12 jamb;2026-117\r\n"
                       "1;1;6500;;3;1480;4458;3;AL 70x45;W13 jamb;2026-118\r\n"),
              std::string::npos)
        << csv;
    EXPECT_NE(csv.find(";Steel 30;'=W13 sill;2026-118\r\n"), std::string::npos);

    // Line by line, the piece's part (its number in the job) has the line's material, mark,
    // order and length, and the rods of all lines add up to every part's pieces.
    const std::vector<std::vector<std::string>> rows = csvRows(csv);
    std::map<int, int> pieces;
    std::vector<std::string> materials;
    for (size_t r = 1; r < rows.size(); ++r) {
        std::vector<std::string> row = rows[r];
        row.resize(11);
        const int number = std::stoi(row[7]);
        ASSERT_GE(number, 1);
        ASSERT_LE(number, static_cast<int>(job.parts.size()));
        const Part& part = job.parts[static_cast<size_t>(number - 1)].part;
        EXPECT_EQ(std::stoi(row[5]), part.length) << r;
        EXPECT_EQ(row[8], part.material);
        EXPECT_EQ(unguardedCell(row[9]), part.mark);
        EXPECT_EQ(row[10], part.order);
        pieces[number] += std::stoi(row[1]);
        if (materials.empty() || materials.back() != row[8]) materials.push_back(row[8]);
    }
    EXPECT_EQ(pieces, (std::map<int, int>{{1, 5}, {2, 3}, {3, 4}, {4, 2}, {5, 3}, {6, 6}}));
    EXPECT_EQ(materials, (std::vector<std::string>{"AL 70x45", "PVC 82", "Steel 30"}));
}

TEST(ProductionOutputsTest, partsCheckList_placesEveryPieceOnceWhereItsLabelSaysItIsCut) {
    const ProductionJob job = fixture::threeMaterialJob();
    const ProductionPlan plan = fixture::threeMaterialPlan(job);
    const std::vector<PartCheck> checks = partsCheckList(job, plan);
    ASSERT_EQ(checks.size(), job.parts.size());

    // Each label names its part by number, mark, order and material, and its barcode says where
    // the piece is cut.
    const std::vector<PieceLabel> labels = productionPieceLabels(job, plan, "JOB", "2026-12-10");
    std::map<int, std::vector<PiecePlace>> labelled;
    for (const PieceLabel& label : labels) {
        ASSERT_TRUE(label.part);
        const Part& part = job.parts[static_cast<size_t>(label.row - 1)].part;
        EXPECT_EQ(label.part->mark, part.mark);
        EXPECT_EQ(label.part->order, part.order);
        EXPECT_EQ(label.part->material, part.material);
        EXPECT_EQ(label.length, part.length);
        EXPECT_EQ(label.code, "JOB/" + std::to_string(label.row) + '/' +
                                  std::to_string(label.pattern) + '/' + std::to_string(label.rod) +
                                  '/' + std::to_string(label.piece));
        labelled[label.row - 1].push_back({label.pattern, label.rod});
    }
    EXPECT_EQ(labels.size(), 23u);
    int pieces = 0;
    for (const PartCheck& check : checks) {
        const Part& part = job.parts[static_cast<size_t>(check.part)].part;
        EXPECT_EQ(static_cast<int>(check.cut.size()) + check.notCut, part.pieces) << part.mark;
        EXPECT_EQ(check.cut, labelled[check.part]) << part.mark;
        pieces += part.pieces;
    }
    EXPECT_EQ(checks[0].cut, (std::vector<PiecePlace>{{1, 1}, {1, 1}, {1, 1}, {1, 2}, {1, 2}}));
    EXPECT_EQ(checks[6].notCut, 1);  // W15 bar: longer than the steel's rods

    // The CSV has a line per piece, the uncut one too; the pages a tick box per piece.
    const StringCatalogue catalogue(Language::English);
    const std::string csv = partsCheckListCsv(job, plan, catalogue);
    EXPECT_EQ(csv.substr(0, 3), kUtf8ByteOrderMark);
    const std::vector<std::vector<std::string>> rows = csvRows(csv);
    ASSERT_EQ(rows.size(), static_cast<size_t>(pieces) + 1);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"No.", "Mark", "Material", "Length", "Pieces",
                                                 "Order", "Piece", "Cut from"}));
    EXPECT_EQ(rows[4], (std::vector<std::string>{"1", "W12 jamb", "AL 70x45", "1480", "5",
                                                 "2026-117", "4", "P1 rod 2"}));
    EXPECT_EQ(rows.back(), (std::vector<std::string>{"7", "W15 bar", "Steel 30", "7000", "1",
                                                     "2026-120", "1", "not cut"}));
    const PagedDocument pages = composePartsCheckList(job, plan, "2026-12-10", catalogue);
    int ticks = 0, notCut = 0;
    for (const DiagramPage& page : pages.pages) {
        for (const DiagramBox& box : page.boxes) ticks += box.outlineWidth > 0;
        for (const DiagramText& text : page.texts) notCut += text.text == "not cut";
    }
    EXPECT_EQ(ticks, pieces);
    EXPECT_EQ(notCut, 1);
}

}  // namespace
}  // namespace marlo
