#include "mitre/RodShares.h"

#include <algorithm>
#include <limits>

namespace marlo::mitre {

namespace {

constexpr double kNever = std::numeric_limits<double>::infinity();

// Every way a piece of the material may lie.
std::vector<LyingEnds> allWays(const std::vector<PieceShape>& shapes,
                               const MitreMaterial& material) {
    std::vector<LyingEnds> ways;
    for (const PieceShape& shape : shapes) {
        ways.push_back(lyingEnds(shape, false, material.profileHeight));
        if (material.mayTurn) ways.push_back(lyingEnds(shape, true, material.profileHeight));
    }
    return ways;
}

// Half the least boundary an end can have with any neighbour's end: on the left, a right end.
double leftShare(const CutEnd& left, const std::vector<LyingEnds>& ways, double cut) {
    double least = kNever;
    for (const LyingEnds& way : ways) least = std::min(least, boundaryLength(way.right, left, cut));
    return least / 2.0;
}

double rightShare(const CutEnd& right, const std::vector<LyingEnds>& ways, double cut) {
    double least = kNever;
    for (const LyingEnds& way : ways) least = std::min(least, boundaryLength(right, way.left, cut));
    return least / 2.0;
}

}  // namespace

RodShares rodShares(const std::vector<PieceShape>& shapes, const MitreMaterial& material) {
    const std::vector<LyingEnds> ways = allWays(shapes, material);
    const double cut = material.cutThickness;
    RodShares result;
    double startBack = -kNever, endBack = -kNever;
    for (const PieceShape& shape : shapes) {
        double least = kNever;
        for (const bool turned : {false, true}) {
            if (turned && !material.mayTurn) continue;
            const LyingEnds ends = lyingEnds(shape, turned, material.profileHeight);
            const double left = leftShare(ends.left, ways, cut);
            const double right = rightShare(ends.right, ways, cut);
            least = std::min(least, left + right);
            // At the rod's start this end costs only its wedge instead of its share.
            startBack = std::max(startBack, left - rodEndLength(ends.left));
            endBack = std::max(endBack, right - rodEndLength(ends.right));
        }
        result.shares.push_back(meanLength(shape, material.profileHeight) + least);
    }
    if (!shapes.empty()) result.endAllowance = startBack + endBack;
    return result;
}

}  // namespace marlo::mitre
