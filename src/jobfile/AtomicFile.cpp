#include "jobfile/AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string>
#include <system_error>

namespace marlo {

namespace {

namespace fs = std::filesystem;

// Hidden, and named after the target, so that a temporary left by a crash is recognisable.
fs::path temporaryPathFor(const fs::path& target, std::mt19937_64& random) {
    std::string name = ".";
    name += target.filename().string();
    name += '.';
    name += std::to_string(random() % 1000000000);
    name += ".tmp";
    return target.parent_path() / name;
}

// A symbolic link stays a link: the file it names is the one replaced.
fs::path resolvedTarget(const fs::path& target) {
    std::error_code error;
    if (!fs::is_symlink(target, error)) return target;
    const fs::path resolved = fs::weakly_canonical(target, error);
    return error ? target : resolved;
}

// A replaced file keeps its permissions rather than taking the defaults of a new file.
void copyPermissions(const fs::path& from, const fs::path& to) {
    std::error_code error;
    const fs::file_status status = fs::status(from, error);
    if (!error && fs::exists(status)) fs::permissions(to, status.permissions(), error);
}

}  // namespace

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
    const fs::path destination = resolvedTarget(target);
    std::mt19937_64 random{std::random_device{}()};

    // A name collision with another temporary is retried under a new name; any other failure to
    // create the file (a missing or read-only folder) ends the save.
    constexpr int kAttempts = 8;
    fs::path temporary;
    bool created = false;
    for (int attempt = 0; attempt < kAttempts && !created; ++attempt) {
        temporary = temporaryPathFor(destination, random);
        created = sink.create(temporary);
        std::error_code error;
        if (!created && !fs::exists(fs::symlink_status(temporary, error))) return false;
    }
    if (!created) return false;

    const bool written = sink.write(bytes);
    const bool closed = sink.close();
    std::error_code error;
    if (written && closed) {
        copyPermissions(destination, temporary);
        fs::rename(temporary, destination, error);
        if (!error) return true;
    }
    fs::remove(temporary, error);
    return false;
}

}  // namespace marlo
