#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "labels/SawList.h"
#include "model/Job.h"

namespace marlo {

// What the label of one cut piece says.
struct PieceLabel {
    JobHeader header;
    int16_t length = 0;
    int row = 0;      // cutting-list row
    int pattern = 0;  // the pattern's number in the plan
    int rod = 0;      // the rod of the pattern, from 1
    int rods = 0;     // rods cut with the pattern
    int piece = 0;    // the piece on its rod, from 1
    std::string date;
    std::string code;  // the barcode's text (pieceLabelCode)
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

}  // namespace marlo
