#pragma once

#include <cstdint>
#include <optional>

namespace marlo {

// The five totals of a cutting plan.
struct PlanSummary {
    int16_t rodCount = 0;
    int32_t totalWaste = 0;  // sum of the positive wastes, mm
    int16_t wastePieceCount = 0;
    uint64_t calculatedPossibilities = 0;

    bool operator==(const PlanSummary&) const = default;
};

// Efficiency in percent: (1 - (W / 1000) / ((L / 1000) * T)) * 100; none while no rod is cut.
inline std::optional<double> efficiency(const PlanSummary& s, int16_t rodLength) {
    if (s.rodCount == 0 || rodLength == 0) return std::nullopt;
    return (1.0 - (s.totalWaste / 1000.0) / ((rodLength / 1000.0) * s.rodCount)) * 100.0;
}

}  // namespace marlo
