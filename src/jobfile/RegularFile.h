#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace marlo {

enum class FileReadStatus { Read, CannotRead, NotRegular, TooLarge };

struct FileBytes {
    FileReadStatus status = FileReadStatus::CannotRead;
    std::string bytes;  // empty unless the file was read
};

// The whole content of a regular file of at most `maxBytes` bytes. Anything else (a folder, a
// pipe, a device) is refused at once without waiting for it: opening a pipe that nobody writes
// would otherwise hang the program. A file larger than `maxBytes` is refused without reading it
// whole.
FileBytes readRegularFile(const std::filesystem::path& path, std::size_t maxBytes);

// The same check without reading, for files that a library opens itself (after following
// symbolic links); CannotRead when nothing is there.
FileReadStatus checkRegularFile(const std::filesystem::path& path, std::size_t maxBytes);

// The file name's extension in lower case with its dot (".mvjob" of "Frames.MVJOB"); empty
// without one.
std::string lowerCaseExtension(const std::filesystem::path& path);

}  // namespace marlo
