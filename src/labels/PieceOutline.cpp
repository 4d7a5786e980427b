#include "labels/PieceOutline.h"

#include <algorithm>

namespace marlo {

namespace {

constexpr double kMargin = 0.15;       // of the room's height, kept free above and below
constexpr double kLowest = 2.5;        // mm: a lower outline does not show its angles
constexpr double kLowestShare = 0.6;   // of the room's height less its margins: lower looks lost
constexpr double kShortestFace = 1.5;  // each face at least this many heights long
constexpr double kWidest = 3.5;        // the outline at most this many room heights wide
constexpr double kReferenceLine = 0.35;
constexpr double kLine = 0.2;

}  // namespace

std::vector<DiagramLine> pieceOutline(const mitre::PieceShape& piece, double profileHeight,
                                      const RectMm& room) {
    if (profileHeight <= 0 || room.width <= 0 || room.height <= 0) return {};
    const mitre::LyingEnds ends = mitre::lyingEnds(piece, false, profileHeight);
    // How far each cut line leans along the piece from its reference face to its opposite face,
    // per unit of height.
    const double start = ends.left.offset / profileHeight;
    const double end = ends.right.offset / profileHeight;
    if (piece.length + (end - start) * profileHeight <= 0) return {};
    // What the opposite face reaches beyond the reference face at both ends, per unit of height,
    // and the shortest reference face that leaves both faces long enough.
    const double overhang = std::max(0.0, -start) + std::max(0.0, end);
    const double shortest = kShortestFace + std::max(0.0, start - end);
    const double width = std::min(room.width, kWidest * room.height);
    const double tallest = room.height * (1 - 2 * kMargin);
    const double height = std::min(tallest, width / (shortest + overhang));
    if (height < std::max(kLowest, kLowestShare * tallest)) return {};
    const double reference =
        std::min(std::max(piece.length * height / profileHeight, shortest * height),
                 width - overhang * height);

    const double bottom = room.y + (room.height + height) / 2;
    const double top = bottom - height;
    const double left = room.right() - reference - std::max(0.0, end) * height;
    const double right = left + reference;
    return {{left, bottom, right, bottom, kReferenceLine, kBlack},
            {left + start * height, top, right + end * height, top, kLine, kBlack},
            {left, bottom, left + start * height, top, kLine, kBlack},
            {right, bottom, right + end * height, top, kLine, kBlack}};
}

}  // namespace marlo
