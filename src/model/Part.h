#pragma once

#include <cstdint>
#include <string>

namespace marlo {
// One row of a production job's parts: a mark with its material, length and pieces.
struct Part {
    std::string mark;
    std::string material;
    int32_t length = 0;  // mm
    int32_t pieces = 0;
    std::string order;
    std::string note;
    double startAngle = 0.0;  // degrees from square at each end; 0 = square
    double endAngle = 0.0;
    bool operator==(const Part&) const = default;
};
}  // namespace marlo
