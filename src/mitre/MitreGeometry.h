#pragma once

#include <vector>

namespace marlo::mitre {

// The geometry of pieces with angled ends, as the saw cuts them from a rod.
//
// The rod lies along x, its reference face at y = 0 and its opposite face at y = h, the profile's
// height in the plane of the cut. A cut is a straight line across the rod, described by its
// offset: the line's x on the opposite face less its x on the reference face (h · tan a, signed).
// A piece is measured on its own reference face. Its angle at an end is positive when the piece
// is longer on its reference face at that end. A piece lies as given (its reference face on the
// rod's, its start first) or turned over: rotated a half turn in the plane of the cut, its
// reference face on the rod's opposite face and its end first.

// One piece kind: length on the reference face (mm) and the angles of its ends (degrees).
struct PieceShape {
    double length = 0.0;
    double startAngle = 0.0;
    double endAngle = 0.0;

    bool square() const { return startAngle == 0.0 && endAngle == 0.0; }
};

// What the material says of its cuts.
struct MitreMaterial {
    double cutThickness = 0.0;   // kerf, square to the blade
    double profileHeight = 0.0;  // h
    bool mayTurn = false;
};

// An end of a piece as it lies on the rod: the offset of its cut line and the cut's angle
// (degrees, its magnitude sets the kerf along the rod).
struct CutEnd {
    double offset = 0.0;
    double angle = 0.0;
};

// The two ends of a piece as it lies, left (towards the rod's start) and right.
struct LyingEnds {
    CutEnd left;
    CutEnd right;
};

LyingEnds lyingEnds(const PieceShape& piece, bool turned, double profileHeight);

// The piece's length along the rod averaged over the two faces: its area over h, the same however
// it lies.
double meanLength(const PieceShape& piece, double profileHeight);

// The kerf a cut at this angle takes along the rod.
double kerfAlongRod(double cutThickness, double angle);

// What the rod gives up between two neighbouring pieces beyond their mean lengths: half the
// mismatch of their cut lines (the wedge between two cuts) and the kerf of the steeper cut. When
// the lines coincide one cut serves both ends.
double boundaryLength(const CutEnd& right, const CutEnd& left, double cutThickness);

// What a rod's squared end gives up next to a piece's end: half the wedge cut off there.
double rodEndLength(const CutEnd& end);

// True when one saw cut serves both ends.
bool sharedCut(const CutEnd& right, const CutEnd& left);

// One piece of a rod in cutting order.
struct LaidPiece {
    int kind = 0;  // index into the shapes
    bool turned = false;
};

// Where a piece lies: its extent on the rod's reference face (mm from the rod's squared end).
struct PiecePosition {
    double referenceStart = 0.0;
    double referenceEnd = 0.0;
};

// The pieces laid on a rod in order, each as close to the one before as its cuts allow, and the
// length of rod they take (to the last piece's far point).
struct RodLayout {
    std::vector<PiecePosition> positions;
    double lengthUsed = 0.0;
};

RodLayout layOut(const std::vector<LaidPiece>& pieces, const std::vector<PieceShape>& shapes,
                 const MitreMaterial& material);

}  // namespace marlo::mitre
