#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "reports/ColumnWriter.h"

namespace marlo {
namespace {

TEST(ColumnWriter, items_followPrintPositionRules) {
    StringLineSink sink;
    ColumnWriter out(sink);

    out.tab(0);  // below 1 counts as 1: nothing to pad
    out.text("ab");
    out.tab(5);
    out.number(42);
    out.number(-7);
    EXPECT_EQ(out.column(), 12);
    out.spc(2);
    out.tab(14);  // already there: no spaces
    out.text("x");
    out.tab(4);  // behind: the line ends and the next is indented to column 4
    EXPECT_EQ(out.column(), 4);
    out.number(0);
    out.endLine();

    EXPECT_EQ(sink.text(), "ab   42 -7   x\r\n    0 \r\n");
}

TEST(ColumnWriter, columnsCountCharactersNotBytes) {
    StringLineSink sink;
    ColumnWriter out(sink);

    out.text("Nový Záhon");  // 10 characters, 12 bytes
    EXPECT_EQ(out.column(), 11);
    out.textEndingAt("č", 12);
    out.numberEndingAt(-15, 18);
    out.textEndingAt("ks", 19);  // would end behind the current column: wraps
    EXPECT_EQ(sink.text(), "Nový Záhon č   -15 \r\n" + std::string(17, ' ') + "ks");
    EXPECT_EQ(characterCount("Überschuß"), 9);
}

TEST(ColumnWriter, sinkReceivesStartColumnOfEveryRun) {
    struct RecordingSink : LineSink {
        std::vector<std::pair<int, std::string>> runs;
        void write(int column, std::string_view text) override {
            runs.emplace_back(column, std::string(text));
        }
        void endLine() override { runs.emplace_back(0, "\n"); }
    } sink;
    ColumnWriter out(sink);

    out.textEndingAt("Dim", 8);
    out.number(3);
    out.endLine();

    const std::vector<std::pair<int, std::string>> expected = {
        {1, "     "}, {6, "Dim"}, {9, " 3 "}, {0, "\n"}};
    EXPECT_EQ(sink.runs, expected);
}

}  // namespace
}  // namespace marlo
