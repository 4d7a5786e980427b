#include <gtest/gtest.h>
#include <sys/stat.h>

#include "TempFolder.h"
#include "jobfile/ListText.h"

namespace marlo {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::TempFolder;
using test::writeBytes;

CuttingList itemsOf(const ListText& text) {
    CuttingList items;
    for (const ListTextRow& row : text.rows) items.push_back(row.item);
    return items;
}

// The data files are one small sheet (cutting-list.fods) as LibreOffice Calc 7.4 writes it:
//   soffice --headless --convert-to 'csv:Text - txt - csv (StarCalc):9,34,76,1'   (tab, UTF-8:
//       the clipboard's text)
//   soffice --headless --convert-to 'csv:Text - txt - csv (StarCalc):59,34,76,1'  (semicolon)
//   soffice --headless --convert-to csv                                           (comma, Latin-1)
// Its numbers have a German format, so 1250.5 is written with a decimal comma; a blank row, a
// text, a negative number of pieces and a note in a third column follow.
TEST(ListText, libreOfficeCalcCopies_giveTheRowsAndNameTheRefusedOnes) {
    const CuttingList expected{{"2000", "3"}, {"1250.5", "4"}, {"1500", "2"}};
    const std::vector<RefusedRow> refused{
        {5, RowRefusal::Dimension}, {6, RowRefusal::Pieces}, {7, RowRefusal::ExtraColumns}};
    for (const char* name :
         {"cutting-list-tab.csv", "cutting-list-semicolon.csv", "cutting-list-comma.csv"}) {
        const ListFileRead read = readListFile(fs::path(MARLO_TEST_DATA_DIR) / "data" / name, 100);
        ASSERT_EQ(read.status, ListFileStatus::Read) << name;
        EXPECT_EQ(itemsOf(read.list), expected) << name;
        EXPECT_EQ(read.list.refused, refused) << name;
        EXPECT_EQ(read.list.rows[1].line, 3) << name;
    }
}

TEST(ListText, pastedText_checksEveryRowLikeATypedOne) {
    // A byte-order mark, CR LF and lone CR line ends, blanks around cells; a numeric first row is
    // no header, so a later caption row is refused.
    const ListText text = parseListText(
        "\xEF\xBB\xBF 2000 ;3\r\n\r\n1.250;1\r\n12,5;1,250\r\n12,5;2\rDimension;pieces\n"
        "32768;1\n0;0\n7000;1;;\n1e3;1\n\"300\";\"4\"",
        100);
    EXPECT_EQ(itemsOf(text),
              (CuttingList{{"2000", "3"}, {"12.5", "2"}, {"0", "0"}, {"7000", "1"}, {"300", "4"}}));
    EXPECT_EQ(text.refused, (std::vector<RefusedRow>{{3, RowRefusal::AmbiguousNumber},
                                                     {4, RowRefusal::AmbiguousNumber},
                                                     {6, RowRefusal::Dimension},
                                                     {7, RowRefusal::Dimension},
                                                     {10, RowRefusal::Dimension}}));

    // A lone dimension has no pieces; with commas as the separator a decimal comma must be
    // quoted; rows beyond the room left in the list are refused.
    EXPECT_EQ(parseListText("800", 100).refused,
              (std::vector<RefusedRow>{{1, RowRefusal::Pieces}}));
    EXPECT_EQ(itemsOf(parseListText("800,2\n\"12,5\",3", 100)),
              (CuttingList{{"800", "2"}, {"12.5", "3"}}));
    const ListText full = parseListText("Dimension\tpieces\n1\t1\n2\t2\n3\t3\n", 2);
    EXPECT_EQ(itemsOf(full), (CuttingList{{"1", "1"}, {"2", "2"}}));
    EXPECT_EQ(full.refused, (std::vector<RefusedRow>{{4, RowRefusal::ListFull}}));
    EXPECT_TRUE(parseListText("", 100).rows.empty());
}

TEST(ListText, unicodeTextOfASpreadsheet_isReadAndAFirstRowWithADigitIsNoHeader) {
    // "Unicode text" as spreadsheets save it: UTF-16 with a byte-order mark, tabs, CR LF.
    const std::u16string sheet =
        u"Rozmer\tKusy\r\n2000\t3\r\n1250,5\t4\r\n\u0161\t1\r\n"
        u"\U0001F600\t2\r\n";
    TempFolder folder;
    for (const bool littleEndian : {true, false}) {
        std::string bytes = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
        for (const char16_t unit : sheet) {
            const char low = static_cast<char>(unit & 0xFF);
            const char high = static_cast<char>(unit >> 8);
            bytes += littleEndian ? std::string{low, high} : std::string{high, low};
        }
        const fs::path path = folder.path() / "unicode.txt";
        writeBytes(path, bytes);
        const ListFileRead read = readListFile(path, 100);
        ASSERT_EQ(read.status, ListFileStatus::Read);
        EXPECT_EQ(itemsOf(read.list), (CuttingList{{"2000", "3"}, {"1250.5", "4"}}));
        EXPECT_EQ(read.list.refused, (std::vector<RefusedRow>{{4, RowRefusal::Dimension},
                                                              {5, RowRefusal::Dimension}}));
        EXPECT_EQ(read.list.rows[0].line, 2);
    }

    // A first row with a digit is a row, refused like the same row further down.
    EXPECT_EQ(parseListText("1 250;4 ks\n1 250;4 ks\n", 100).refused,
              (std::vector<RefusedRow>{{1, RowRefusal::Dimension}, {2, RowRefusal::Dimension}}));
    EXPECT_EQ(itemsOf(parseListText("Dimension (mm);Pieces\n500;2\n", 100)),
              (CuttingList{{"500", "2"}}));
}

TEST(ListText, exportedList_isCsvThatReadsBackUnchanged) {
    const CuttingList list{{"2000", "3"}, {"1250.5", "4"}, {"9;9", "\"1\""}};
    const std::string csv = listCsv(list, "Rozměr", "ks");
    EXPECT_EQ(csv,
              "\xEF\xBB\xBFRozm\xC4\x9Br;ks\r\n2000;3\r\n1250.5;4\r\n\"9;9\";\"\"\"1\"\"\"\r\n");
    EXPECT_EQ(itemsOf(parseListText(csv, 100)), (CuttingList{list[0], list[1]}));

    TempFolder folder;
    const fs::path path = folder.path() / "list.csv";
    writeBytes(path, "older list");
    ASSERT_TRUE(writeListFile(path, list, "Dimension", "pieces"));
    const ListFileRead read = readListFile(path, 100);
    EXPECT_EQ(read.status, ListFileStatus::Read);
    EXPECT_EQ(itemsOf(read.list), (CuttingList{list[0], list[1]}));
    EXPECT_FALSE(writeListFile(folder.path() / "missing" / "list.csv", list, "", ""));
}

TEST(ListText, readFile_missingOversizedOrNotRegular_isRefusedAtOnce) {
    TempFolder folder;
    EXPECT_EQ(readListFile(folder.path() / "missing.csv", 100).status, ListFileStatus::CannotRead);
    EXPECT_EQ(readListFile(folder.path(), 100).status, ListFileStatus::NotAListFile);
    const fs::path pipe = folder.path() / "pipe.csv";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(readListFile(pipe, 100).status, ListFileStatus::NotAListFile);
    const fs::path huge = folder.path() / "huge.csv";
    writeBytes(huge, std::string(kMaxListFileBytes + 1, '1'));
    EXPECT_EQ(readListFile(huge, 100).status, ListFileStatus::NotAListFile);
}

}  // namespace
}  // namespace marlo
