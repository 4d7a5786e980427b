#include "partslist/ColumnMapping.h"

#include <algorithm>

#include "i18n/texts/PartsListTexts.h"
#include "jobfile/CsvText.h"
#include "partslist/FoldedText.h"
#include "partslist/SheetTable.h"

namespace marlo {

namespace {

std::optional<PartColumn> columnOfKey(std::string_view key) {
    const std::string folded = foldedText(key);
    const auto found = std::find(kPartColumnKeys.begin(), kPartColumnKeys.end(), folded);
    if (found == kPartColumnKeys.end()) return std::nullopt;
    return static_cast<PartColumn>(found - kPartColumnKeys.begin());
}

// The cell of the header whose text is the target's, else the column of the target's letters.
std::optional<std::size_t> cellOfTarget(const std::vector<std::string>& header,
                                        std::string_view target, bool& byHeader) {
    const std::string wanted = foldedText(target);
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (!header[i].empty() && foldedText(trimmedCell(header[i])) == wanted) {
            byHeader = true;
            return i;
        }
    }
    if (const std::optional<int> column = columnOfLetters(target))
        return static_cast<std::size_t>(*column - 1);
    return std::nullopt;
}

}  // namespace

ColumnsFound findColumns(const std::vector<std::string>& header, std::string_view mapping) {
    ColumnsFound found;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::optional<PartColumn> column = columnOfHeader(header[i]);
        if (!column || found.places[static_cast<std::size_t>(*column)]) continue;
        found.places[static_cast<std::size_t>(*column)] = i;
        found.namedByHeader = true;
    }

    std::array<bool, kPartColumnCount> mapped{};
    while (!trimmedCell(mapping).empty()) {
        const std::size_t comma = mapping.find(',');
        const std::string_view entry = trimmedCell(mapping.substr(0, comma));
        mapping.remove_prefix(comma == std::string_view::npos ? mapping.size() : comma + 1);
        if (entry.empty()) continue;
        const std::size_t equals = entry.find('=');
        const std::optional<PartColumn> column =
            equals == std::string_view::npos ? std::nullopt
                                             : columnOfKey(trimmedCell(entry.substr(0, equals)));
        const std::string_view target =
            column ? trimmedCell(entry.substr(equals + 1)) : std::string_view();
        const auto index = static_cast<std::size_t>(column.value_or(PartColumn::Mark));
        if (!column || target.empty() || mapped[index]) {
            found.failure = parts_text::kBadMapping;
            found.failureEntry = std::string(entry);
            return found;
        }
        const std::optional<std::size_t> cell = cellOfTarget(header, target, found.namedByHeader);
        if (!cell) {
            found.failure = parts_text::kUnknownMappingColumn;
            found.failureEntry = std::string(entry);
            return found;
        }
        // A column given to one key is no longer the column the header gave to another.
        for (std::size_t other = 0; other < kPartColumnCount; ++other)
            if (found.places[other] == cell && !mapped[other]) found.places[other].reset();
        mapped[index] = true;
        found.places[index] = cell;
    }
    return found;
}

std::string mappingOfPlaces(const ColumnPlaces& places) {
    std::string mapping;
    for (std::size_t i = 0; i < kPartColumnCount; ++i) {
        if (!places[i]) continue;
        if (!mapping.empty()) mapping += ',';
        mapping += std::string(kPartColumnKeys[i]) + '=' +
                   lettersOfColumn(static_cast<int>(*places[i]) + 1);
    }
    return mapping;
}

}  // namespace marlo
