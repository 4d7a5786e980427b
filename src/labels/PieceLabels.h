#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "labels/SawList.h"
#include "model/Job.h"
#include "model/ProductionJob.h"
#include "production/ProductionPlanning.h"

namespace marlo {

// What a production job's label says of the part its piece is cut for: for a part with an
// angled end also its angles as the office gave them and the material's profile height (0 when
// not known), which its drawing of the piece needs.
struct LabelPart {
    std::string material, mark, order;
    double startAngle = 0.0, endAngle = 0.0;  // degrees from square; 0 = square
    double profileHeight = 0.0;               // mm

    bool angled() const { return startAngle != 0.0 || endAngle != 0.0; }
};

// What the label of one cut piece says.
struct PieceLabel {
    JobHeader header;
    int16_t length = 0;
    int row = 0;      // cutting-list row; a production job's part number (from 1)
    int pattern = 0;  // the pattern's number in the plan
    int rod = 0;      // the rod of the pattern, from 1
    int rods = 0;     // rods cut with the pattern
    int piece = 0;    // the piece on its rod, from 1
    std::string date;
    std::string code;               // the barcode's text (pieceLabelCode)
    std::optional<LabelPart> part;  // a production job's only
};

// What the label of an offcut kept for later jobs says; the stock store fills these.
struct OffcutLabel {
    std::string material;
    int16_t length = 0;
    std::string id;      // the offcut's identifier, also its barcode
    std::string origin;  // where it came from, e.g. the job and pattern
};

// One label per piece of the plan, in the order the pieces come off the saw: pattern by pattern
// in cutting order, rod by rod, piece by piece.
std::vector<PieceLabel> pieceLabels(const JobHeader& header, const SawList& saw,
                                    const std::string& reference, const std::string& date);

// One label per piece of a production job: material by material, each in its saw's order, the
// barcode carrying the part's number in the job (REFERENCE/PART/PATTERN/ROD/PIECE).
std::vector<PieceLabel> productionPieceLabels(const ProductionJob& job, const ProductionPlan& plan,
                                              const std::string& reference,
                                              const std::string& date);

}  // namespace marlo
