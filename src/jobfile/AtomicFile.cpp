#include "jobfile/AtomicFile.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <string>
#include <system_error>

namespace marlo {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTemporaryEnding = ".tmp";
// More links than this in a chain is a loop.
constexpr int kMostLinks = 40;

// The longest name of a folder entry on the usual file systems, in bytes.
constexpr size_t kLongestName = 255;
// What a temporary's name adds to the destination's: "." before, "." + the process id (up to ten
// digits) + ".tmp" after.
constexpr size_t kTemporaryExtra = 1 + 1 + 10 + kTemporaryEnding.size();
// A shortened name ends in "~" and eight hex digits of the whole name's digest.
constexpr size_t kDigestPart = 1 + 8;

// FNV-1a: the same name gives the same digest in every run, so that the next save of a target
// finds what a killed save of it left.
uint32_t digestOf(std::string_view name) {
    uint32_t digest = 2166136261u;
    for (const char c : name) digest = (digest ^ static_cast<unsigned char>(c)) * 16777619u;
    return digest;
}

// Hidden, named after the destination and the saving process: ".job.opt.4711.tmp". A name too
// long for that is shortened to its start and a digest of the whole name, so that the temporary
// is still a valid name and long names with the same start keep temporaries of their own.
std::string temporaryPrefix(const fs::path& destination) {
    std::string name = destination.filename().string();
    if (name.size() + kTemporaryExtra > kLongestName) {
        char digest[kDigestPart + 1];
        std::snprintf(digest, sizeof digest, "~%08x", static_cast<unsigned>(digestOf(name)));
        name = name.substr(0, kLongestName - kTemporaryExtra - kDigestPart) + digest;
    }
    return "." + name + ".";
}

fs::path temporaryPathFor(const fs::path& destination) {
    return destination.parent_path() / (temporaryPrefix(destination) + std::to_string(::getpid()) +
                                        std::string(kTemporaryEnding));
}

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// A temporary of this destination whose process no longer runs is what a killed save left.
// Those of running processes are saves in progress and stay.
void removeLeftovers(const fs::path& destination) {
    const std::string prefix = temporaryPrefix(destination);
    const fs::path folder = destination.parent_path().empty() ? "." : destination.parent_path();
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (!name.starts_with(prefix) || !name.ends_with(kTemporaryEnding)) continue;
        const std::string_view pid = std::string_view(name).substr(
            prefix.size(), name.size() - prefix.size() - kTemporaryEnding.size());
        if (!allDigits(pid) || pid.size() > 9) continue;
        const pid_t owner = static_cast<pid_t>(std::stol(std::string(pid)));
        std::error_code ignored;
        if (owner == ::getpid() || (::kill(owner, 0) != 0 && errno == ESRCH))
            fs::remove(entry->path(), ignored);
    }
}

// A replaced file keeps its permissions rather than taking the defaults of a new file.
void copyPermissions(const fs::path& from, const fs::path& to) {
    std::error_code error;
    const fs::file_status status = fs::status(from, error);
    if (!error && fs::exists(status)) fs::permissions(to, status.permissions(), error);
}

bool flushToDevice(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

// Puts the complete temporary in place of the destination, or removes it.
bool finish(const fs::path& temporary, const fs::path& destination, bool complete) {
    std::error_code error;
    if (complete) {
        copyPermissions(destination, temporary);
        fs::rename(temporary, destination, error);
        if (!error) return true;
    }
    fs::remove(temporary, error);
    return false;
}

}  // namespace

std::optional<fs::path> saveDestination(const fs::path& target) {
    fs::path destination = target;
    for (int links = 0; links <= kMostLinks; ++links) {
        std::error_code error;
        const fs::file_status status = fs::symlink_status(destination, error);
        if (status.type() == fs::file_type::not_found) return destination;
        if (error) return std::nullopt;
        if (fs::is_regular_file(status)) return destination;
        if (!fs::is_symlink(status)) return std::nullopt;
        const fs::path next = fs::read_symlink(destination, error);
        if (error) return std::nullopt;
        destination = next.is_absolute() ? next : destination.parent_path() / next;
    }
    return std::nullopt;
}

PosixFileSink::~PosixFileSink() {
    if (fd_ >= 0) ::close(fd_);
}

bool PosixFileSink::create(const fs::path& path) {
    if (fd_ >= 0) return false;
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    return fd_ >= 0;
}

bool PosixFileSink::write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

bool PosixFileSink::close() {
    if (fd_ < 0) return false;
    const bool synced = ::fsync(fd_) == 0;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    return synced && closed;
}

bool writeFileAtomically(const fs::path& target, std::string_view bytes) {
    PosixFileSink sink;
    return writeFileAtomically(target, bytes, sink);
}

bool writeFileAtomically(const fs::path& target, std::string_view bytes, FileSink& sink) {
    const std::optional<fs::path> destination = saveDestination(target);
    if (!destination) return false;
    removeLeftovers(*destination);
    const fs::path temporary = temporaryPathFor(*destination);
    if (!sink.create(temporary)) return false;
    const bool written = sink.write(bytes);
    const bool closed = sink.close();
    return finish(temporary, *destination, written && closed);
}

bool produceFileAtomically(const fs::path& target,
                           const std::function<bool(const fs::path&)>& produce) {
    PosixFileSink sink;
    const std::optional<fs::path> destination = saveDestination(target);
    if (!destination) return false;
    removeLeftovers(*destination);
    const fs::path temporary = temporaryPathFor(*destination);
    if (!sink.create(temporary)) return false;
    if (!sink.close()) return finish(temporary, *destination, false);
    std::error_code error;
    const bool complete = produce(temporary) &&
                          fs::is_regular_file(fs::symlink_status(temporary, error)) &&
                          flushToDevice(temporary);
    return finish(temporary, *destination, complete);
}

}  // namespace marlo
