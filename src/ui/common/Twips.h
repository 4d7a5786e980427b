#pragma once

namespace marlo {

// Window sizes are designed in twips; on the 96 dpi logical screen 15 twips make one pixel.
constexpr int pixels(int twips) {
    return (twips + 7) / 15;
}

}  // namespace marlo
