#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <utility>

#include "model/Part.h"
#include "partslist/PartsImport.h"

namespace marlo {

// Parts and problems printed as the test failures show them.
inline void PrintTo(const Part& part, std::ostream* out) {
    *out << "{" << part.mark << " | " << part.material << " | " << part.length << " | "
         << part.pieces << " | " << part.order << " | " << part.note << " | " << part.startAngle
         << " | " << part.endAngle << "}";
}
inline void PrintTo(const RowProblem& problem, std::ostream* out) {
    *out << "{row " << problem.row << ", reason " << problem.reason << ", " << problem.cell << "}";
}

namespace test {

// Import options with some of their fields set.
inline PartsImportOptions options(std::string sheet, std::string columns = {},
                                  std::string defaultMaterial = {}) {
    PartsImportOptions options;
    options.sheet = std::move(sheet);
    options.columns = std::move(columns);
    options.defaultMaterial = std::move(defaultMaterial);
    return options;
}

inline std::filesystem::path dataFile(const std::string& name) {
    return std::filesystem::path(MARLO_TEST_DATA_DIR) / "data" / name;
}

}  // namespace test
}  // namespace marlo
