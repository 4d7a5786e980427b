#pragma once

#include <filesystem>
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

// Replaces the content of `target` with `bytes` so that a failed save never destroys the file
// that was there: the bytes go to a new temporary file in the same folder, which is renamed over
// the target only when every byte has been written and flushed. On failure the temporary file is
// removed, the target is untouched and the result is false. A target that is a symbolic link
// keeps the link; the file it points to is replaced.
bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);
bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                         FileSink& sink);

}  // namespace marlo
