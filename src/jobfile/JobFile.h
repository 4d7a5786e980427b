#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "model/Job.h"

namespace marlo {

// A job file (*.opt) is Windows-1250 text, one value per line, every line ending in CR LF: the
// signature, the customer, the name, the colour, then the dimension and the pieces of every list
// row. The values are kept exactly as typed; nothing is checked or converted to numbers here.

inline constexpr std::string_view kJobFileSignature = "optimalizacia";

// The list counts its rows in a 16-bit field, so longer files are not job files.
inline constexpr std::size_t kMaxJobFileLines = 32766;
inline constexpr std::size_t kMaxJobFileRows = (kMaxJobFileLines - 4) / 2;

// A bound on the size of a file that is read at all, so that opening a huge file by mistake does
// not take the memory of the machine. Header texts come from text boxes of at most 32767
// characters and list cells hold typed numbers; 16 MiB leaves room for the four header lines at
// their limit and every one of the 32762 list lines at 500 bytes, far beyond any real job (a few
// kilobytes), while staying small enough to hold in memory twice.
inline constexpr std::size_t kMaxJobFileBytes = 16 * 1024 * 1024;

enum class JobFileStatus { Taken, NotAJobFile, CannotRead };

struct JobFileReadResult {
    JobFileStatus status = JobFileStatus::CannotRead;
    Job job;  // empty unless the file was taken
};

// The bytes of the file for `job`. A CR inside a value would end its line and shift every later
// value into the wrong field, so it is written as a blank.
std::string serializeJob(const Job& job);

// Writes the job without ever destroying the previous file on failure. Refuses (false) a job that
// its own reader would refuse: more than kMaxJobFileRows rows or more than kMaxJobFileBytes.
bool writeJobFile(const std::filesystem::path& path, const Job& job);

// A line ends at CR or CR LF; a lone LF is part of the line. The first line must be exactly the
// signature. Lines 2 to 4 are the header (missing ones stay empty); the remaining lines pair up as
// dimension and pieces, and a last dimension without its pieces is dropped.
JobFileReadResult parseJobFile(std::string_view bytes);

// CannotRead when the file cannot be opened or read; NotAJobFile also for a file over
// kMaxJobFileBytes, which is refused without reading it whole, and for anything that is not a
// regular file (a folder, a pipe, a device), refused without waiting for it.
JobFileReadResult readJobFile(const std::filesystem::path& path);

}  // namespace marlo
