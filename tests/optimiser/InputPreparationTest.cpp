#include <gtest/gtest.h>

#include <memory>

#include "i18n/StringCatalogue.h"
#include "optimiser/InputPreparation.h"

namespace marlo {
namespace {

std::vector<int> piecesOf(const PieceList& list) {
    return {list.data() + 1, list.data() + 1 + list.count()};
}

TEST(InputPreparation, expandsRowsIntoSinglePiecesLongestFirst) {
    auto pieces = std::make_unique<PieceList>();
    const PreparedInput result =
        prepareInput({{"500", "3"}, {"700", "2"}, {"500", "1"}}, 6000, *pieces);
    EXPECT_TRUE(result.rejectedRows.empty());
    EXPECT_FALSE(result.tooManyPieces);
    EXPECT_EQ(piecesOf(*pieces), (std::vector<int>{700, 700, 500, 500, 500, 500}));
    EXPECT_EQ(pieces->count(), 6);
    EXPECT_EQ(pieces->initialCount(), 6);
}

TEST(InputPreparation, refusesRowsWithOneMessageEach) {
    auto pieces = std::make_unique<PieceList>();
    const PreparedInput result = prepareInput({{"6000", "1"},
                                               {"5999", "2"},
                                               {"7000", "1"},
                                               {"12a", "1"},
                                               {"300", "40000"},
                                               {"0", "2"},
                                               {"400", "-1"},
                                               {"-5", "1"},
                                               {" 250.4 ", "+1"},
                                               {"", "1"},
                                               {"40000", "1"}},
                                              6000, *pieces);
    EXPECT_EQ(result.rejectedRows, (std::vector<RejectedRow>{{1, msg::kDimensionTooLong},
                                                             {3, msg::kDimensionTooLong},
                                                             {4, msg::kNotANumber},
                                                             {5, msg::kNotANumber},
                                                             {6, msg::kNotPositive},
                                                             {7, msg::kNotPositive},
                                                             {8, msg::kNotPositive},
                                                             {10, msg::kNotANumber},
                                                             {11, msg::kDimensionTooLong}}));
    EXPECT_EQ(piecesOf(*pieces), (std::vector<int>{5999, 5999, 250}));
}

TEST(InputPreparation, nothingLeft_keepsThePreviousInitialCount) {
    auto pieces = std::make_unique<PieceList>();
    prepareInput({{"100", "4"}}, 6000, *pieces);
    const PreparedInput result = prepareInput({{"6500", "1"}, {"100", "0"}}, 6000, *pieces);
    EXPECT_EQ(result.rejectedRows.size(), 1u);
    EXPECT_EQ(pieces->count(), 0);
    EXPECT_EQ(pieces->initialCount(), 4);

    // A single piece replaces whatever an earlier run left behind.
    prepareInput({{"1234", "1"}}, 6000, *pieces);
    EXPECT_EQ(piecesOf(*pieces), std::vector<int>{1234});
}

TEST(InputPreparation, twentyThousandPiecesFit_oneMoreIsRefused) {
    auto pieces = std::make_unique<PieceList>();
    EXPECT_FALSE(prepareInput({{"100", "10000"}, {"200", "10000"}}, 6000, *pieces).tooManyPieces);
    EXPECT_EQ(pieces->count(), 20000);
    EXPECT_EQ(pieces->piece(1), 200);
    EXPECT_EQ(pieces->piece(20000), 100);

    const PreparedInput over = prepareInput({{"100", "10000"}, {"200", "10001"}}, 6000, *pieces);
    EXPECT_TRUE(over.tooManyPieces);
    EXPECT_EQ(pieces->count(), 0);
}

}  // namespace
}  // namespace marlo
