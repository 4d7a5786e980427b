// Reads a generated parts list from an XLSX workbook, as the office sends it, and prints the
// median, fastest and slowest of several imports and the peak memory of the process.
//
//   build/bench/parts_list_benchmark [parts, default 3000] [runs, default 15]

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "partslist/PartsImport.h"
#include "reports/XlsxWriter.h"

namespace marlo {
namespace {

// A sheet of `parts` rows: mark, material (one of ten profiles), length, pieces, order, note and
// the angles of both ends, under an English header.
SpreadsheetModel partsSheet(int parts) {
    const char* header[] = {"Mark",  "Material", "Length",  "Quantity",
                            "Order", "Note",     "Angle 1", "Angle 2"};
    SpreadsheetModel sheet;
    for (int column = 0; column < 8; ++column) sheet.setText({1, column + 1}, header[column]);
    std::mt19937 random(2024);
    const auto uniform = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int part = 0; part < parts; ++part) {
        const int row = part + 2;
        sheet.setText({row, 1},
                      "W" + std::to_string(part / 8 + 1) + " part " + std::to_string(part % 8));
        sheet.setText({row, 2}, "AL 6060 profile " + std::to_string(uniform(1, 10)));
        sheet.setNumber({row, 3}, uniform(300, 6000));
        sheet.setNumber({row, 4}, uniform(1, 8));
        sheet.setText({row, 5}, "A-2024-" + std::to_string(100 + part / 200));
        if (part % 5 == 0) sheet.setText({row, 6}, "drainage slots");
        sheet.setNumber({row, 7}, part % 3 ? 45 : 0);
        sheet.setNumber({row, 8}, part % 3 ? -45 : 0);
    }
    return sheet;
}

int run(int parts, int runs) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("marlo-parts-bench-" + std::to_string(parts) + ".xlsx");
    if (!writeXlsx(partsSheet(parts), path)) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return 1;
    }
    std::vector<double> seconds;
    std::size_t read = 0;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const PartsImport import = importParts(path, {});
        seconds.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        read = import.parts.size();
    }
    std::filesystem::remove(path);
    std::sort(seconds.begin(), seconds.end());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf(
        "%d parts (%zu read) from XLSX, %d runs: median %.1f ms, fastest %.1f ms, slowest %.1f ms, "
        "peak memory %ld MiB\n",
        parts, read, runs, seconds[seconds.size() / 2] * 1000, seconds.front() * 1000,
        seconds.back() * 1000, usage.ru_maxrss / 1024);
    return read == static_cast<std::size_t>(parts) ? 0 : 1;
}

}  // namespace
}  // namespace marlo

int main(int argc, char** argv) {
    const int parts = argc > 1 ? std::atoi(argv[1]) : 3000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 15;
    if (parts < 1 || runs < 1) {
        std::fprintf(stderr, "usage: parts_list_benchmark [parts] [runs]\n");
        return 2;
    }
    return marlo::run(parts, runs);
}
