// The fixed limits of the model, met from a job file or a list through to a finished run.

#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "TempFolder.h"
#include "i18n/StringCatalogue.h"
#include "jobfile/JobFile.h"
#include "optimiser/CuttingPlanSearch.h"
#include "optimiser/InputPreparation.h"

namespace marlo {
namespace {

JobParameters rodOf(int16_t length, int16_t cut) {
    JobParameters p;
    p.rodLength = length;
    p.cutThickness = cut;
    return p;
}

TEST(HardeningLimits, twentyThousandPiecesFromAJobFile_areAllCut) {
    test::TempFolder folder;
    const auto path = folder.path() / "full.opt";
    ASSERT_TRUE(writeJobFile(path, Job{{}, {{"150", "5000"}, {"100", "10000"}, {"150", "5000"}}}));
    const JobFileReadResult read = readJobFile(path);
    ASSERT_EQ(read.status, JobFileStatus::Taken);

    auto pieces = std::make_unique<PieceList>();
    const PreparedInput prepared = prepareInput(read.job.list, 6000, *pieces);
    ASSERT_FALSE(prepared.tooManyPieces);
    ASSERT_EQ(pieces->count(), PieceList::kCapacity);

    RunObserver quiet;
    const CuttingPlan plan = searchCuttingPlan(*pieces, rodOf(6000, 0), quiet);
    ASSERT_EQ(plan.status, RunStatus::Finished);
    std::map<int, int> cut;
    for (const RodPattern& pattern : plan.patterns)
        for (int i = 0; i < pattern.pieceCount; ++i) cut[pattern.lengths[i]] += pattern.rods;
    EXPECT_EQ(cut, (std::map<int, int>{{100, 10000}, {150, 10000}}));
    EXPECT_EQ(pieces->count(), 0);

    // One piece more: the list is refused before any run, and leaves no pieces to cut.
    const PreparedInput over =
        prepareInput({{"150", "5000"}, {"100", "10001"}, {"150", "5000"}}, 6000, *pieces);
    EXPECT_TRUE(over.tooManyPieces);
    EXPECT_EQ(pieces->count(), 0);
}

TEST(HardeningLimits, listOf32766Rows_isPreparedRowByRow) {
    // The longest list the grid can count: rows that give pieces, rows that give none and rows
    // that are refused, each refusal numbered with its own row.
    CuttingList list;
    for (int row = 1; row <= 32766; ++row) {
        if (row % 3 == 0)
            list.push_back({"x", "1"});
        else
            list.push_back({std::to_string(100 + row % 1000), row % 3 == 1 ? "1" : "0"});
    }
    auto pieces = std::make_unique<PieceList>();
    const PreparedInput prepared = prepareInput(list, 6000, *pieces);
    EXPECT_FALSE(prepared.tooManyPieces);
    EXPECT_EQ(pieces->count(), 10922);
    ASSERT_EQ(prepared.rejectedRows.size(), 10922u);
    EXPECT_EQ(prepared.rejectedRows.front(), (RejectedRow{3, msg::kNotANumber}));
    EXPECT_EQ(prepared.rejectedRows.back(), (RejectedRow{32766, msg::kNotANumber}));
    EXPECT_EQ(pieces->piece(1), 1099);
    EXPECT_EQ(pieces->piece(pieces->count()), 100);
}

}  // namespace
}  // namespace marlo
