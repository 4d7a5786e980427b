#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace marlo {

// A Code 128 symbol as its dark bars, measured in modules (the width of the narrowest bar),
// without quiet zones: the bars lie between 0 and `modules`.
struct Code128Symbol {
    struct Bar {
        double x = 0;
        double width = 0;
    };
    double modules = 0;
    std::vector<Bar> bars;
};

// The symbol of a text, encoded by zint; nothing when the text cannot be encoded (empty, too
// long, or not ASCII).
std::optional<Code128Symbol> encodeCode128(std::string_view text);

}  // namespace marlo
