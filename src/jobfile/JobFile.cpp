#include "jobfile/JobFile.h"

#include <algorithm>
#include <vector>

#include "jobfile/AtomicFile.h"
#include "jobfile/Cp1250.h"
#include "jobfile/RegularFile.h"

namespace marlo {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

void appendLine(std::string& out, std::string_view utf8) {
    std::string bytes = utf8ToCp1250(utf8);
    std::replace(bytes.begin(), bytes.end(), '\r', ' ');
    out += bytes;
    out += kLineEnd;
}

// Splits at CR or CR LF. Stops early, returning false, once the file has more lines than the
// format allows.
bool splitLines(std::string_view bytes, std::vector<std::string_view>& lines) {
    while (!bytes.empty()) {
        if (lines.size() == kMaxJobFileLines) return false;
        const size_t end = bytes.find('\r');
        lines.push_back(bytes.substr(0, end));
        if (end == std::string_view::npos) break;
        bytes.remove_prefix(end + 1);
        if (!bytes.empty() && bytes.front() == '\n') bytes.remove_prefix(1);
    }
    return true;
}

}  // namespace

std::string serializeJob(const Job& job) {
    std::string out;
    appendLine(out, kJobFileSignature);
    appendLine(out, job.header.customer);
    appendLine(out, job.header.name);
    appendLine(out, job.header.colour);
    for (const CutItem& item : job.list) {
        appendLine(out, item.dimension);
        appendLine(out, item.pieces);
    }
    return out;
}

bool writeJobFile(const std::filesystem::path& path, const Job& job) {
    if (job.list.size() > kMaxJobFileRows) return false;
    const std::string bytes = serializeJob(job);
    if (bytes.size() > kMaxJobFileBytes) return false;
    return writeFileAtomically(path, bytes);
}

JobFileReadResult parseJobFile(std::string_view bytes) {
    JobFileReadResult result{JobFileStatus::NotAJobFile, {}};
    std::vector<std::string_view> lines;
    if (bytes.size() > kMaxJobFileBytes || !splitLines(bytes, lines)) return result;
    if (!lines.empty() && lines[0] != kJobFileSignature) return result;

    Job& job = result.job;
    std::string* const header[] = {&job.header.customer, &job.header.name, &job.header.colour};
    for (size_t i = 1; i < lines.size() && i <= 3; ++i) *header[i - 1] = cp1250ToUtf8(lines[i]);
    for (size_t i = 4; i + 1 < lines.size(); i += 2) {
        job.list.push_back({cp1250ToUtf8(lines[i]), cp1250ToUtf8(lines[i + 1])});
    }
    result.status = JobFileStatus::Taken;
    return result;
}

JobFileReadResult readJobFile(const std::filesystem::path& path) {
    FileBytes file = readRegularFile(path, kMaxJobFileBytes);
    switch (file.status) {
        case FileReadStatus::Read:
            return parseJobFile(file.bytes);
        case FileReadStatus::CannotRead:
            return {JobFileStatus::CannotRead, {}};
        case FileReadStatus::NotRegular:
        case FileReadStatus::TooLarge:
            break;
    }
    return {JobFileStatus::NotAJobFile, {}};
}

}  // namespace marlo
