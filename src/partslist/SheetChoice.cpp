#include "partslist/SheetChoice.h"

#include <charconv>

#include "jobfile/CsvText.h"
#include "partslist/FoldedText.h"

namespace marlo {

std::optional<std::size_t> chosenSheet(const std::vector<std::string>& names,
                                       std::string_view choice) {
    if (names.empty()) return std::nullopt;
    choice = trimmedCell(choice);
    if (choice.empty()) return 0;
    const std::string wanted = foldedText(choice);
    for (std::size_t i = 0; i < names.size(); ++i)
        if (foldedText(names[i]) == wanted) return i;
    std::size_t place = 0;
    const auto [end, error] = std::from_chars(choice.data(), choice.data() + choice.size(), place);
    if (error != std::errc() || end != choice.data() + choice.size()) return std::nullopt;
    if (place < 1 || place > names.size()) return std::nullopt;
    return place - 1;
}

}  // namespace marlo
