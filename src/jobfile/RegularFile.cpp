#include "jobfile/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>

namespace marlo {

namespace {

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

FileBytes readRegularFile(const std::filesystem::path& path, std::size_t maxBytes) {
    // O_NONBLOCK lets the open of a pipe return at once, so that fstat can refuse it.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) return {};
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) return {};
    if (!S_ISREG(info.st_mode)) return {FileReadStatus::NotRegular, {}};
    if (static_cast<std::size_t>(info.st_size) > maxBytes) return {FileReadStatus::TooLarge, {}};

    // Reads up to one byte beyond the limit rather than trusting the size, which may change
    // while the file is read.
    FileBytes result{FileReadStatus::Read, {}};
    char block[65536];
    while (result.bytes.size() <= maxBytes) {
        const ssize_t count = ::read(file.get(), block, sizeof block);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return {};
        if (count == 0) break;
        result.bytes.append(block, static_cast<std::size_t>(count));
    }
    if (result.bytes.size() > maxBytes) return {FileReadStatus::TooLarge, {}};
    return result;
}

FileReadStatus checkRegularFile(const std::filesystem::path& path, std::size_t maxBytes) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return FileReadStatus::CannotRead;
    if (!S_ISREG(info.st_mode)) return FileReadStatus::NotRegular;
    if (static_cast<std::size_t>(info.st_size) > maxBytes) return FileReadStatus::TooLarge;
    return FileReadStatus::Read;
}

std::string lowerCaseExtension(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

}  // namespace marlo
