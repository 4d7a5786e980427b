#pragma once

#include "diagram/DiagramLayout.h"

namespace marlo::diagram_geometry {

// The page: A4 portrait with even margins, the footer below the content.
inline constexpr double kLeft = 12;
inline constexpr double kRight = DiagramLayout::kPageWidth - 12;
inline constexpr double kTop = 12;
inline constexpr double kContentBottom = DiagramLayout::kPageHeight - 18;
inline constexpr double kFooterTop = DiagramLayout::kPageHeight - 15;

// A bar: the sequence number and the rods at the left, the rod to scale right of them.
inline constexpr double kBarLeft = kLeft + 20;
inline constexpr double kBarWidth = kRight - kBarLeft;
inline constexpr double kBarHeight = 10;
// A bar's top within its block, and the room below the bar and its list.
inline constexpr double kBarTop = 2;
inline constexpr double kBarBottomPadding = 2;

inline constexpr Colour kInk{0x20, 0x20, 0x20};
inline constexpr Colour kGreyInk{0x55, 0x55, 0x55};
inline constexpr Colour kSliverFill{0xB0, 0x20, 0x20};

}  // namespace marlo::diagram_geometry
