#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

namespace marlo {

// Where the bytes of a save go. Every call reports whether it worked, so that a full disk or a
// lost network share is noticed before the old file is replaced. Tests substitute a sink that
// fails part way.
class FileSink {
  public:
    virtual ~FileSink() = default;

    // Creates a new file at `path`; fails when something already exists there.
    virtual bool create(const std::filesystem::path& path) = 0;
    virtual bool write(std::string_view bytes) = 0;
    // Flushes the bytes to the device and closes the file; also called after a failed write.
    virtual bool close() = 0;
};

// The sink of the operating system: POSIX files, flushed with fsync before they are closed.
class PosixFileSink : public FileSink {
  public:
    PosixFileSink() = default;
    PosixFileSink(const PosixFileSink&) = delete;
    PosixFileSink& operator=(const PosixFileSink&) = delete;
    ~PosixFileSink() override;

    bool create(const std::filesystem::path& path) override;
    bool write(std::string_view bytes) override;
    bool close() override;

  private:
    int fd_ = -1;
};

// Where a save of `target` goes: a symbolic link (or a chain of them) is followed to the file it
// names, so that the link stays a link. Nothing when what is there is not a regular file (a
// folder, a FIFO, a device, a socket) or the links do not end: such a target is never replaced.
std::optional<std::filesystem::path> saveDestination(const std::filesystem::path& target);

// Replaces the content of `target` with `bytes` so that a failed save never destroys the file
// that was there: the bytes go to a new temporary file in the destination's folder, which is
// renamed over the destination only when every byte has been written and flushed. On failure the
// temporary file is removed, the target is untouched and the result is false; so for a target
// that saveDestination refuses. The temporary file is named after the destination and the
// process, so a save also removes what a killed earlier save of the same target left behind.
bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);
bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                         FileSink& sink);

// The same for a file that a library writes itself: `produce` writes the complete file at the
// path it is given (a new empty file is there already) and tells whether it succeeded.
bool produceFileAtomically(const std::filesystem::path& target,
                           const std::function<bool(const std::filesystem::path&)>& produce);

}  // namespace marlo
