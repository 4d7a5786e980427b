#include "diagram/DiagramFileFormat.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace marlo {

std::optional<DiagramFileFormat> diagramFileFormat(std::string_view path) {
    if (path.size() < 4) return std::nullopt;
    std::string ending(path.substr(path.size() - 4));
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ending == ".pdf") return DiagramFileFormat::Pdf;
    if (ending == ".svg") return DiagramFileFormat::Svg;
    return std::nullopt;
}

}  // namespace marlo
