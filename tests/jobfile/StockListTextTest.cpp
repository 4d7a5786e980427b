#include <gtest/gtest.h>

#include "TempFolder.h"
#include "jobfile/CsvText.h"
#include "jobfile/ListText.h"
#include "jobfile/StockListText.h"

namespace marlo {
namespace {

using test::TempFolder;
using test::writeBytes;

TEST(StockListText, rackWithRodsAndOffcuts_readsEveryColumnAndReadsBackUnchanged) {
    const StockListText read = parseStockListText(
        "\xEF\xBB\xBF"
        "length;quantity;price;kind;id\r\n"
        "6000;;;rod\r\n"
        "6500;4;7,25\r\n"
        "\r\n"
        "1830;;;Offcut;R-0042\r\n"
        "\"2400\";1;0.5;offcut;\"R;7\"\r\n");
    ASSERT_TRUE(read.refused.empty());
    const StockList expected{{{6000, std::nullopt, std::nullopt, StockKind::Rod, ""},
                              {6500, 4, 7.25, StockKind::Rod, ""},
                              {1830, 1, std::nullopt, StockKind::Offcut, "R-0042"},
                              {2400, 1, 0.5, StockKind::Offcut, "R;7"}}};
    EXPECT_EQ(read.list, expected);
    EXPECT_DOUBLE_EQ(priceOfRod(read.list, read.list.items[0]), 6.0);
    EXPECT_DOUBLE_EQ(priceOfRod(read.list, read.list.items[2]), 0.0);

    EXPECT_EQ(parseStockListText(stockListCsv(expected)).list, expected);
    EXPECT_EQ(stockListCsv(expected).substr(0, 34),
              "\xEF\xBB\xBFlength;quantity;price;kind;id\r\n");

    // A price of round thousands is written in digits ("200000", not "2e+05") and reads back.
    const StockList costly{{{6000, 2, 200000.0, StockKind::Rod, ""}}};
    EXPECT_EQ(parseStockListText(stockListCsv(costly)).list, costly);

    // A comma-separated file without a header reads the same way.
    EXPECT_EQ(parseStockListText("6000\n6500,4,\"7,25\"\n").list.items[1].price, 7.25);
}

TEST(StockListText, senselessLines_areRefusedWithTheirLineAndNothingIsUsable) {
    const StockListText read = parseStockListText(
        "length;quantity;price;kind;id\n"
        "0\n"                  // 2: zero length
        "-6000\n"              // 3: negative length
        "40000\n"              // 4: beyond 16 bits
        "6000.5\n"             // 5: not whole
        "6000;-1\n"            // 6: negative quantity
        "6000;2;-3\n"          // 7: negative price
        "6000;2;1.250\n"       // 8: ambiguous price
        "6000;2;;bar\n"        // 9: unknown kind
        "1200;;;offcut;A\n"    // 10: fine
        "1300;;;offcut;A\n"    // 11: duplicate identifier
        "1300;3;;offcut;B\n"   // 12: an identified offcut is one piece
        "6000;1;1;rod;;x\n");  // 13: an extra column
    const std::vector<StockRowRefusal> expected = {
        {2, StockRowFault::Length},       {3, StockRowFault::Length},
        {4, StockRowFault::Length},       {5, StockRowFault::Length},
        {6, StockRowFault::Quantity},     {7, StockRowFault::Price},
        {8, StockRowFault::Price},        {9, StockRowFault::Kind},
        {11, StockRowFault::DuplicateId}, {12, StockRowFault::OffcutQuantity},
        {13, StockRowFault::ExtraColumns}};
    EXPECT_EQ(read.refused, expected);

    const std::vector<StockRowRefusal> noStock = {{0, StockRowFault::NoStock}};
    EXPECT_EQ(parseStockListText("length;quantity\n6000;0\n3000;0\n").refused, noStock);
    EXPECT_EQ(parseStockListText("length;quantity\n").refused, noStock);
}

TEST(StockListText, files_areReadAndWrittenSafely) {
    TempFolder folder;
    const StockList list{{{3000, 10, std::nullopt, StockKind::Rod, ""}}, 1.0};
    const auto path = folder.path() / "stock.csv";
    ASSERT_TRUE(writeStockListFile(path, list));
    const StockListFileRead read = readStockListFile(path);
    EXPECT_EQ(read.status, StockListFileStatus::Read);
    EXPECT_EQ(read.stock.list, list);
    EXPECT_EQ(readStockListFile(folder.path() / "missing.csv").status,
              StockListFileStatus::CannotRead);
    EXPECT_EQ(readStockListFile(folder.path()).status, StockListFileStatus::NotAStockListFile);
    writeBytes(folder.path() / "huge.csv", std::string(kMaxStockListFileBytes + 1, '1'));
    EXPECT_EQ(readStockListFile(folder.path() / "huge.csv").status, StockListFileStatus::TooLarge);
}

TEST(StockListText, filesOfOtherProgramsAndGuardedCells_readAsTheTextsTheyHold) {
    // Windows-1250, UTF-16 of both byte orders, and UTF-8 whose malformed bytes read as U+FFFD.
    EXPECT_EQ(tableFileText("\x8E-1;\x8A-1"), "\xC5\xBD-1;\xC5\xA0-1");
    EXPECT_EQ(tableFileText(std::string("\xFF\xFE\x7D\x01-\x00", 6)), "\xC5\xBD-");
    EXPECT_EQ(tableFileText(std::string("\xFE\xFF\x01\x7D\x00-", 6)), "\xC5\xBD-");
    EXPECT_EQ(tableFileText("\xC5\xBD-1"), "\xC5\xBD-1");
    EXPECT_EQ(tableFileText("\xEF\xBB\xBF\xC5\xBD\xFF"), "\xC5\xBD\xEF\xBF\xBD");

    // Two identifiers that read the same are refused, not merged.
    TempFolder folder;
    writeBytes(folder.path() / "marked.csv",
               "\xEF\xBB\xBF"
               "900;1;;offcut;\xFF-1\n950;1;;offcut;\xFE-1\n");
    const std::vector<StockRowRefusal> twice = {{2, StockRowFault::DuplicateId}};
    EXPECT_EQ(readStockListFile(folder.path() / "marked.csv").stock.refused, twice);

    // Texts a spreadsheet would run are written guarded and read back as they were; numbers and
    // commas stay as they are.
    const std::vector<std::string> ids = {"=1+2", "+cmd|x", "-2+3", "@SUM(A1)", "'=7",
                                          "''@",  "'a",     "-15",  "+3.5",     "R,7"};
    StockList list;
    for (const std::string& id : ids) list.items.push_back({900, 1, {}, StockKind::Offcut, id});
    const std::string csv = stockListCsv(list);
    EXPECT_NE(csv.find(";'=1+2\r\n900;1;;offcut;'+cmd|x\r\n900;1;;offcut;'-2+3\r\n"
                       "900;1;;offcut;'@SUM(A1)\r\n900;1;;offcut;''=7\r\n900;1;;offcut;'''@\r\n"
                       "900;1;;offcut;'a\r\n900;1;;offcut;-15\r\n900;1;;offcut;+3.5\r\n"
                       "900;1;;offcut;R,7\r\n"),
              std::string::npos)
        << csv;
    EXPECT_EQ(parseStockListText(csv).list, list);
    EXPECT_EQ(listCsv({{"=1", "-2"}}, "@Dimension", "pieces"),
              "\xEF\xBB\xBF'@Dimension;pieces\r\n'=1;-2\r\n");
}

}  // namespace
}  // namespace marlo
