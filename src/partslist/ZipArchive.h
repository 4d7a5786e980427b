#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "partslist/SheetTable.h"

struct zip;

namespace marlo {

// A workbook's container (XLSX, ODS) is at most this large as a file; a hundred thousand parts
// take a few MiB.
inline constexpr std::size_t kMaxContainerBytes = 32 * 1024 * 1024;
// No part of a container is unpacked beyond this size, whatever its header says: a zip bomb
// stops here.
inline constexpr std::size_t kMaxUnpackedEntryBytes = 64 * 1024 * 1024;

struct ZipEntry {
    SheetFault fault = SheetFault::None;
    bool missing = false;  // the container has no entry of that name
    std::string bytes;
};

// A zip container read from memory with libzip; its entries are unpacked one at a time and
// bounded by kMaxUnpackedEntryBytes.
class ZipArchive {
  public:
    // Damaged when the bytes are no consistent zip container.
    explicit ZipArchive(std::string bytes);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    SheetFault fault() const { return fault_; }
    // The unpacked bytes of the entry of that name (letter case ignored, as office programs
    // do): Encrypted for an entry with a password, TooLarge past the bound, Damaged when it does
    // not unpack or fails its checksum.
    ZipEntry read(std::string_view name) const;

  private:
    std::string bytes_;
    zip* archive_ = nullptr;
    SheetFault fault_ = SheetFault::None;
};

}  // namespace marlo
