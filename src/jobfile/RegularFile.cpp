#include "jobfile/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace marlo {

namespace {

RegularFileStatus statusOf(const struct stat& info, std::size_t maxBytes) {
    if (!S_ISREG(info.st_mode)) return RegularFileStatus::NotRegular;
    if (static_cast<unsigned long long>(info.st_size) > maxBytes)
        return RegularFileStatus::TooLarge;
    return RegularFileStatus::Read;
}

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

RegularFileRead readRegularFile(const std::filesystem::path& path, std::size_t maxBytes) {
    // Non-blocking, so that opening a FIFO returns at once instead of waiting for a writer.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) return {};
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) return {};
    RegularFileRead result{statusOf(info, maxBytes), {}};
    if (result.status != RegularFileStatus::Read) return result;

    // Reads up to one byte beyond the limit rather than trusting the size, which can grow.
    char block[65536];
    while (result.bytes.size() <= maxBytes) {
        const ssize_t count = ::read(file.get(), block, sizeof block);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return {};
        if (count == 0) break;
        result.bytes.append(block, static_cast<std::size_t>(count));
    }
    if (result.bytes.size() > maxBytes) return {RegularFileStatus::TooLarge, {}};
    return result;
}

RegularFileStatus checkRegularFile(const std::filesystem::path& path, std::size_t maxBytes) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return RegularFileStatus::CannotRead;
    return statusOf(info, maxBytes);
}

}  // namespace marlo
