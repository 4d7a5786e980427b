#pragma once

#include <optional>
#include <string_view>

namespace marlo {

enum class DiagramFileFormat { Pdf, Svg };

// The format a diagram file is written in, by the ending of its name (".pdf", ".svg", in any
// case); nothing for other names.
std::optional<DiagramFileFormat> diagramFileFormat(std::string_view path);

}  // namespace marlo
