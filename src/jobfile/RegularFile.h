#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace marlo {

enum class RegularFileStatus {
    Read,
    CannotRead,
    NotRegular,  // a folder, FIFO, device or socket: never waited on
    TooLarge,
};

struct RegularFileRead {
    RegularFileStatus status = RegularFileStatus::CannotRead;
    std::string bytes;  // the whole file when Read
};

// Reads a regular file of at most `maxBytes` bytes (after following symbolic links). Anything
// else is refused at once: the file is opened without waiting for a writer and checked before a
// byte is read, so a FIFO or a terminal cannot hang the program.
RegularFileRead readRegularFile(const std::filesystem::path& path, std::size_t maxBytes);

// The same check without reading, for files that a library opens itself; CannotRead when
// nothing is there.
RegularFileStatus checkRegularFile(const std::filesystem::path& path, std::size_t maxBytes);

}  // namespace marlo
