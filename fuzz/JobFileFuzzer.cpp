// Feeds arbitrary bytes to the job-file reader and the Windows-1250 codec.
//
// Invariants: every byte sequence survives the trip to UTF-8 and back; a file is taken exactly
// when it is within the size and line bounds and starts with the signature line (or is empty);
// a taken job has one row per complete pair of list lines; writing a taken job and reading it
// again gives the same job, and writing that gives the same bytes; a file already in the written
// form is written back byte for byte.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "jobfile/Cp1250.h"
#include "jobfile/JobFile.h"

namespace {

using marlo::fuzz::require;

struct LineShape {
    size_t count = 0;
    std::string_view first;
    bool canonical = true;  // every line ends in CR LF and no value holds a CR
};

// Counts the lines as the format defines them (a line ends at CR; an LF right after the CR
// belongs to that line end), independently of the reader.
LineShape shapeOf(std::string_view bytes) {
    LineShape shape;
    size_t lineStart = 0;
    bool firstDone = false;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r') continue;
        if (!firstDone) shape.first = bytes.substr(0, i);
        firstDone = true;
        ++shape.count;
        const bool crLf = i + 1 < bytes.size() && bytes[i + 1] == '\n';
        shape.canonical = shape.canonical && crLf;
        if (crLf) ++i;
        lineStart = i + 1;
    }
    if (lineStart < bytes.size()) {
        if (!firstDone) shape.first = bytes;
        ++shape.count;
        shape.canonical = false;
    }
    return shape;
}

void checkCodec(std::string_view bytes) {
    const std::string utf8 = marlo::cp1250ToUtf8(bytes);
    require(marlo::utf8ToCp1250(utf8) == bytes, "Windows-1250 bytes survive UTF-8 and back");
    require(utf8.size() >= bytes.size() && utf8.size() <= 3 * bytes.size(),
            "every byte becomes one to three UTF-8 bytes");

    // The same bytes taken as UTF-8 typed into a text box.
    const std::string narrowed = marlo::utf8ToCp1250(bytes);
    require(narrowed.size() <= bytes.size(), "narrowing never grows the text");
    require(marlo::utf8ToCp1250(marlo::cp1250ToUtf8(narrowed)) == narrowed,
            "narrowed text is stable");
}

void checkReader(std::string_view bytes) {
    const marlo::JobFileReadResult read = marlo::parseJobFile(bytes);
    const LineShape shape = shapeOf(bytes);
    const bool expectTaken = bytes.size() <= marlo::kMaxJobFileBytes &&
                             shape.count <= marlo::kMaxJobFileLines &&
                             (shape.count == 0 || shape.first == marlo::kJobFileSignature);
    require((read.status == marlo::JobFileStatus::Taken) == expectTaken,
            "taken exactly when the bounds hold and the signature is the first line");
    if (!expectTaken) {
        require(read.job == marlo::Job{}, "a refused file gives no job");
        return;
    }
    const size_t expectedRows = shape.count > 4 ? (shape.count - 4) / 2 : 0;
    require(read.job.list.size() == expectedRows, "one row per complete pair of list lines");

    const std::string written = marlo::serializeJob(read.job);
    const marlo::JobFileReadResult again = marlo::parseJobFile(written);
    require(again.status == marlo::JobFileStatus::Taken, "a written job is a job file");
    require(again.job == read.job, "a written job reads back unchanged");
    require(marlo::serializeJob(again.job) == written, "writing is stable");
    if (shape.canonical && shape.count >= 4 && shape.count % 2 == 0)
        require(written == bytes, "a file in the written form is written back byte for byte");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkCodec(bytes);
    checkReader(bytes);
    return 0;
}
