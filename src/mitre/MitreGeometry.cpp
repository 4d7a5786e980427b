#include "mitre/MitreGeometry.h"

#include <algorithm>
#include <cmath>

namespace marlo::mitre {

namespace {

constexpr double kDegree = 3.14159265358979323846 / 180.0;
// Cut lines closer than this (mm) are one line.
constexpr double kSameLine = 1e-6;

double offsetOf(double angle, double profileHeight) {
    return profileHeight * std::tan(angle * kDegree);
}

// The piece's length on the rod's reference face: its own reference face, or its opposite face
// when turned over.
double referenceLength(const PieceShape& piece, bool turned, double profileHeight) {
    if (!turned) return piece.length;
    return piece.length - offsetOf(piece.startAngle, profileHeight) -
           offsetOf(piece.endAngle, profileHeight);
}

}  // namespace

LyingEnds lyingEnds(const PieceShape& piece, bool turned, double profileHeight) {
    const double start = offsetOf(piece.startAngle, profileHeight);
    const double end = offsetOf(piece.endAngle, profileHeight);
    if (!turned) return {{start, piece.startAngle}, {-end, piece.endAngle}};
    return {{-end, piece.endAngle}, {start, piece.startAngle}};
}

double meanLength(const PieceShape& piece, double profileHeight) {
    return piece.length -
           (offsetOf(piece.startAngle, profileHeight) + offsetOf(piece.endAngle, profileHeight)) /
               2.0;
}

double kerfAlongRod(double cutThickness, double angle) {
    return angle == 0.0 ? cutThickness : cutThickness / std::cos(angle * kDegree);
}

double boundaryLength(const CutEnd& right, const CutEnd& left, double cutThickness) {
    const double kerf =
        std::max(kerfAlongRod(cutThickness, right.angle), kerfAlongRod(cutThickness, left.angle));
    return std::abs(right.offset - left.offset) / 2.0 + kerf;
}

double rodEndLength(const CutEnd& end) {
    return std::abs(end.offset) / 2.0;
}

bool sharedCut(const CutEnd& right, const CutEnd& left) {
    return std::abs(right.offset - left.offset) < kSameLine &&
           std::abs(std::abs(right.angle) - std::abs(left.angle)) < kSameLine;
}

RodLayout layOut(const std::vector<LaidPiece>& pieces, const std::vector<PieceShape>& shapes,
                 const MitreMaterial& material) {
    RodLayout layout;
    const double h = material.profileHeight;
    double x = 0.0;  // where the last piece ends on the reference face
    LyingEnds ends;
    for (const LaidPiece& laid : pieces) {
        const PieceShape& shape = shapes[static_cast<size_t>(laid.kind)];
        const CutEnd previousRight = ends.right;
        ends = lyingEnds(shape, laid.turned, h);
        // The piece's cut line must stay clear of the rod's end, or of the kerf of the cut
        // before it, on both faces: its start on the reference face moves right by whatever its
        // line leans back on the opposite face.
        if (layout.positions.empty()) {
            x = std::max(0.0, -ends.left.offset);
        } else {
            x += std::max(kerfAlongRod(material.cutThickness, previousRight.angle),
                          kerfAlongRod(material.cutThickness, ends.left.angle)) +
                 std::max(0.0, previousRight.offset - ends.left.offset);
        }
        const double end = x + referenceLength(shape, laid.turned, h);
        layout.positions.push_back({x, end});
        x = end;
    }
    if (!pieces.empty()) layout.lengthUsed = x + std::max(0.0, ends.right.offset);
    return layout;
}

}  // namespace marlo::mitre
