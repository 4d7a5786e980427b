#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <vector>

#include "reports/ReportSummary.h"

namespace marlo {
namespace {

std::unique_ptr<PieceList> piecesOf(std::initializer_list<int> lengths) {
    auto pieces = std::make_unique<PieceList>();
    for (int length : lengths) pieces->append(static_cast<int16_t>(length));
    return pieces;
}

std::vector<ReportSummaryEntry> entriesOf(const ReportSummary& summary) {
    return {summary.begin(), summary.end()};
}

TEST(ReportSummary, build_groupsAdjacentEqualLengthsLargestFirst) {
    auto summary = buildReportSummary(*piecesOf({2000, 2000, 1500, 850, 850, 850}));
    ASSERT_TRUE(summary);
    EXPECT_EQ(entriesOf(*summary),
              (std::vector<ReportSummaryEntry>{{2000, 2}, {1500, 1}, {850, 3}}));

    summary = buildReportSummary(*piecesOf({700}));
    ASSERT_TRUE(summary);
    EXPECT_EQ(entriesOf(*summary), (std::vector<ReportSummaryEntry>{{700, 1}}));

    summary = buildReportSummary(*piecesOf({}));
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->count, 0);
}

TEST(ReportSummary, build_holdsHundredDistinctDimensionsButNotMore) {
    auto pieces = std::make_unique<PieceList>();
    for (int length = 1100; length > 1000; --length) {
        pieces->append(static_cast<int16_t>(length));
        pieces->append(static_cast<int16_t>(length));
    }
    auto summary = buildReportSummary(*pieces);
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->count, 100);
    EXPECT_EQ(summary->entries[99], (ReportSummaryEntry{1001, 2}));

    pieces->append(1000);
    EXPECT_FALSE(buildReportSummary(*pieces));
}

TEST(ReportSummary, orderForReport_mergesRowsOfEqualDimensionAndSkipsRejectedRows) {
    const CuttingList list = {{"850", "4"}, {"1200", "1"}, {"6000", "2"}, {"850", "6"}};

    std::vector<int> tooLong;
    auto summary = orderForReport(list, 6000, &tooLong);

    ASSERT_TRUE(summary);
    EXPECT_EQ(entriesOf(*summary), (std::vector<ReportSummaryEntry>{{1200, 1}, {850, 10}}));
    EXPECT_EQ(tooLong, std::vector<int>{3});
}

}  // namespace
}  // namespace marlo
