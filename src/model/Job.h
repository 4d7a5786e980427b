#pragma once

#include <string>
#include <vector>

namespace marlo {

// The three free texts of a job (UTF-8).
struct JobHeader {
    std::string customer;
    std::string name;
    std::string colour;

    bool operator==(const JobHeader&) const = default;
};

// One row of the cutting list, holding the texts as the operator typed them.
// They are converted to numbers only when a run prepares its input.
struct CutItem {
    std::string dimension;
    std::string pieces;

    bool operator==(const CutItem&) const = default;
};

using CuttingList = std::vector<CutItem>;

// What a job file keeps: the header texts and the cutting list.
struct Job {
    JobHeader header;
    CuttingList list;

    bool operator==(const Job&) const = default;
};

}  // namespace marlo
