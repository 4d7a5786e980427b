// List cells reach the optimiser as typed or as read from a file. Every row that is not a
// usable number is refused with its own message; nothing overflows into a wrong piece.

#include <gtest/gtest.h>

#include <memory>

#include "TempFolder.h"
#include "i18n/StringCatalogue.h"
#include "jobfile/JobFile.h"
#include "optimiser/InputPreparation.h"

namespace marlo {
namespace {

constexpr int kTaken = 0;

struct Cell {
    const char* dimension;
    const char* pieces;
    int message;  // the refusal, or kTaken
};

// Prepares the rows on a rod of `rod` and checks which are refused with which message, and that
// the taken rows give exactly `expectedPieces`, longest first.
void expectOutcome(const std::vector<Cell>& cells, const std::vector<int>& expectedPieces,
                   int16_t rod = 6000) {
    CuttingList list;
    std::vector<RejectedRow> expectedRefusals;
    for (const Cell& cell : cells) {
        list.push_back({cell.dimension, cell.pieces});
        if (cell.message != kTaken)
            expectedRefusals.push_back({static_cast<int>(list.size()), cell.message});
    }
    auto pieces = std::make_unique<PieceList>();
    const PreparedInput prepared = prepareInput(list, rod, *pieces);
    EXPECT_EQ(prepared.rejectedRows, expectedRefusals);
    EXPECT_FALSE(prepared.tooManyPieces);
    EXPECT_EQ(std::vector<int>(pieces->data() + 1, pieces->data() + 1 + pieces->count()),
              expectedPieces);
}

TEST(HardeningListCells, letters_areNotNumbers) {
    expectOutcome({{"abc", "1", msg::kNotANumber},
                   {"12a", "1", msg::kNotANumber},
                   {"1e3", "1", msg::kNotANumber},
                   {"0x1F", "1", msg::kNotANumber},
                   {"1200", "two", msg::kNotANumber},
                   {"1200", "IV", msg::kNotANumber},
                   {"\xC2\xBD", "1", msg::kNotANumber},
                   {"1200", "2", kTaken}},
                  {1200, 1200});
}

TEST(HardeningListCells, signs_takeOneLeadingSignAndRefuseWhatIsBelowOne) {
    expectOutcome({{"+1200", "+2", kTaken},
                   {"-1200", "1", msg::kNotPositive},
                   {"-0", "1", msg::kNotPositive},
                   {"1200", "-1", msg::kNotPositive},
                   {"1100", "-0", kTaken},
                   {"+-5", "1", msg::kNotANumber},
                   {"- 5", "1", msg::kNotANumber},
                   {"5-", "1", msg::kNotANumber},
                   {"1000", "++1", msg::kNotANumber}},
                  {1200, 1200});
}

TEST(HardeningListCells, fractions_roundToTheNearestWholeNumberBeforeTheChecks) {
    expectOutcome({{"1200.5", "1", kTaken},
                   {"1200.49", "1", kTaken},
                   {"999", "2.5", kTaken},
                   {"998", "0.5", kTaken},
                   {"997", "0.4", kTaken},
                   {".6", "1", kTaken},
                   {"0.4", "1", msg::kNotPositive},
                   {"5999.5", "1", msg::kDimensionTooLong},
                   {"5999.49", "1", kTaken},
                   {"1,5", "1", msg::kNotANumber},
                   {"5.", "1", msg::kNotANumber},
                   {"1.2.3", "1", msg::kNotANumber}},
                  {5999, 1201, 1200, 999, 999, 999, 998, 1});
}

TEST(HardeningListCells, blanks_surroundANumberButDoNotMakeOne) {
    expectOutcome({{" 1200 ", "\t2\t", kTaken},
                   {"", "1", msg::kNotANumber},
                   {"1200", "", msg::kNotANumber},
                   {"   ", "1", msg::kNotANumber},
                   {"1 200", "1", msg::kNotANumber},
                   {"\xC2\xA0"
                    "800",
                    "1", msg::kNotANumber},
                   {"800\n", "1", msg::kNotANumber},
                   {"800", "1\r", msg::kNotANumber}},
                  {1200, 1200});
}

TEST(HardeningListCells, valuesBeyond16And32Bits_areRefusedNeverWrapped) {
    expectOutcome({{"32768", "1", msg::kDimensionTooLong},
                   {"65636", "1", msg::kDimensionTooLong},  // 100 once wrapped to 16 bits
                   {"2147483647", "1", msg::kDimensionTooLong},
                   {"2147483648", "1", msg::kNotANumber},
                   {"4294967396", "1", msg::kNotANumber},  // 100 once wrapped to 32 bits
                   {"-2147483648", "1", msg::kNotPositive},
                   {"-2147483649", "1", msg::kNotANumber},
                   {"99999999999999999999999999999", "1", msg::kNotANumber},
                   {"100", "32768", msg::kNotANumber},
                   {"100", "65537", msg::kNotANumber},  // 1 once wrapped to 16 bits
                   {"100", "-32768", msg::kNotPositive},
                   {"100", "-32769", msg::kNotANumber},
                   {"100", "32767.5", msg::kNotANumber},
                   {"100", "3", kTaken}},
                  {100, 100, 100});

    // On the longest rod the settings allow, the longest piece is one millimetre shorter.
    expectOutcome({{"32766", "1", kTaken}, {"32767", "1", msg::kDimensionTooLong}}, {32766}, 32767);
    // The counts of two rows are added without wrapping: the sum is over the capacity.
    auto pieces = std::make_unique<PieceList>();
    EXPECT_TRUE(prepareInput({{"100", "32767"}}, 6000, *pieces).tooManyPieces);
    EXPECT_TRUE(prepareInput({{"100", "16384"}, {"200", "16384"}}, 6000, *pieces).tooManyPieces);
    EXPECT_EQ(pieces->count(), 0);
}

TEST(HardeningListCells, badCells_areSavedAndOpenedExactlyAsTyped) {
    test::TempFolder folder;
    const Job job{{"K", "", ""},
                  {{"abc", "1"},
                   {"+1200", "-0"},
                   {"1,5", "2.5"},
                   {" 1200 ", "\t2\t"},
                   {"", ""},
                   {"2147483648", "65537"},
                   {"\xC2\xA0"
                    "800",
                    "1"}}};
    const auto path = folder.path() / "cells.opt";
    ASSERT_TRUE(writeJobFile(path, job));
    const JobFileReadResult read = readJobFile(path);
    ASSERT_EQ(read.status, JobFileStatus::Taken);
    EXPECT_EQ(read.job, job);
}

}  // namespace
}  // namespace marlo
