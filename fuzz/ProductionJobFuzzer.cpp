// Feeds arbitrary bytes to the production job reader.
//
// Invariants: a refused file gives no job; a job that is read is written as a file that reads
// back as the same job, and writing that job again gives the same bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "jobfile/ProductionJobFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using marlo::fuzz::require;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const marlo::ProductionJobFileRead read = marlo::parseProductionJob(bytes);
    if (read.status != marlo::ProductionJobFileStatus::Read) {
        require(read.job == marlo::ProductionJob{}, "a refused file gives no job");
        return 0;
    }
    const std::string written = marlo::serializeProductionJob(read.job);
    const marlo::ProductionJobFileRead again = marlo::parseProductionJob(written);
    require(again.status == marlo::ProductionJobFileStatus::Read, "a written job reads back");
    require(again.job == read.job, "a written job reads back as the same job");
    require(marlo::serializeProductionJob(again.job) == written, "writing is stable");
    return 0;
}
