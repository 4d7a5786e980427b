#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "model/ProductionJob.h"

namespace marlo {

// A production job file (*.mvjob) is UTF-8 JSON:
//   {"format": "marlo-veen job", "version": 1,
//    "header": {"customer": …, "name": …, "colour": …, "note": …},
//    "materials": [{"name": …, "cut_thickness": 4, "trim": 10, "rod_length": 6500,
//                   "profile_height": 70, "may_turn": false}],
//    "parts": [{"mark": …, "material": …, "length": 1480, "pieces": 2, "order": …, "note": …,
//               "angles": [45, 45]}]}
// Only the format and the version are required, and of a part its length and pieces, of a
// material its name; a material's setting that is absent or null is not set. Fields this program
// does not know, at any level, are kept in the job and written back after the known ones.

inline constexpr std::string_view kProductionJobFormat = "marlo-veen job";
inline constexpr int kProductionJobFileVersion = 1;

// A job of the largest parts lists (a hundred thousand parts) takes some 20 MiB; a larger file
// is refused without reading it, so that opening a wrong file does not take the machine's memory.
inline constexpr std::size_t kMaxProductionJobFileBytes = 64 * 1024 * 1024;

enum class ProductionJobFileStatus {
    Read,
    CannotRead,     // the file cannot be opened or read
    TooLarge,       // over kMaxProductionJobFileBytes
    NotJson,        // not JSON text in UTF-8
    NotAJob,        // JSON, but not of the format above (also anything not a regular file)
    NewerVersion,   // of a version above kProductionJobFileVersion; `detail` names it
    TooComplex,     // too many values, or nested too deeply, for a job
    WrongType,      // `detail` is the value's JSON pointer ("/parts/2/length")
    MissingValue,   // `detail` is the JSON pointer of the value that should be there
    OutOfRange,     // `detail` is the value's JSON pointer and the range allowed
    MaterialTwice,  // `detail` is the material's name
};

struct ProductionJobFileRead {
    ProductionJobFileStatus status = ProductionJobFileStatus::CannotRead;
    ProductionJob job;   // empty unless read
    std::string detail;  // what the status names, as above
};

// The bounds of the values of a job file, besides those of a part in model/ProductionJob.h: the
// settings of a material fit the parameters of a run.
inline constexpr int kMaxMaterialSetting = 32767;  // mm

ProductionJobFileRead parseProductionJob(std::string_view bytes);

// Whether the file is named as a production job: *.mvjob, in any case.
bool isProductionJobFileName(const std::filesystem::path& path);

// The file's bytes: the JSON above, indented by two blanks, ending in a line break. A text that is
// not valid UTF-8 is written with U+FFFD in place of its malformed bytes.
std::string serializeProductionJob(const ProductionJob& job);

// Refuses anything that is not a regular file (a folder, a pipe) without waiting for it, and a file
// over kMaxProductionJobFileBytes without reading it whole.
ProductionJobFileRead readProductionJobFile(const std::filesystem::path& path);

// Writes the job without ever destroying the previous file on failure. Refuses (false) a job that
// its own reader would refuse (a value out of range, a material named twice), so that no job is
// saved that could not be opened again.
bool writeProductionJobFile(const std::filesystem::path& path, const ProductionJob& job);

}  // namespace marlo
