// Feeds arbitrary bytes to the reader of pasted and CSV cutting lists.
//
// Invariants: every taken row passes the list checks and keeps its cells trimmed with a decimal
// point; taken and refused rows name distinct lines in rising order, within the text; no more
// rows are taken than there is room for; the CSV written of the taken rows reads back as the same
// rows.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "jobfile/ListText.h"
#include "model/ListRowCheck.h"

namespace {

using marlo::fuzz::require;

bool isTrimmed(std::string_view cell) {
    return !cell.empty() && cell.front() != ' ' && cell.back() != ' ' && cell.front() != '\t' &&
           cell.back() != '\t' && cell.find(',') == std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // The first byte chooses the room left in the list, so that full lists are tried too.
    const size_t room = size == 0 ? 0 : data[0] % 8;
    const marlo::ListText read = marlo::parseListText(text, room);

    require(read.rows.size() <= room, "no more rows than there is room for");
    std::vector<int> lines;
    for (const marlo::ListTextRow& row : read.rows) {
        require(marlo::checkListRow(row.item) == marlo::RowFault::None,
                "a taken row passes the list checks");
        require(isTrimmed(row.item.dimension) && isTrimmed(row.item.pieces),
                "taken cells are trimmed and have a decimal point");
        lines.push_back(row.line);
    }
    for (const marlo::RefusedRow& refused : read.refused) lines.push_back(refused.line);
    std::sort(lines.begin(), lines.end());
    require(std::adjacent_find(lines.begin(), lines.end()) == lines.end(),
            "every line is taken or refused at most once");
    const auto lineCount = static_cast<int>(std::count(text.begin(), text.end(), '\n') +
                                            std::count(text.begin(), text.end(), '\r') + 1);
    require(lines.empty() || (lines.front() >= 1 && lines.back() <= lineCount),
            "rows name lines of the text");

    marlo::CuttingList taken;
    for (const marlo::ListTextRow& row : read.rows) taken.push_back(row.item);
    const marlo::ListText again =
        marlo::parseListText(marlo::listCsv(taken, "Dimension", "pieces"), room);
    require(again.refused.empty() && again.rows.size() == taken.size(),
            "the CSV of the taken rows is taken whole");
    for (size_t i = 0; i < taken.size(); ++i)
        require(again.rows[i].item == taken[i], "the CSV of the taken rows reads back unchanged");
    return 0;
}
