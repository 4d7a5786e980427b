#include "partslist/ZipArchive.h"

#include <zip.h>

#include <algorithm>
#include <utility>

namespace marlo {

namespace {

// Closes an entry however the read ends.
struct OpenEntry {
    zip_file_t* file;
    ~OpenEntry() {
        if (file) zip_fclose(file);
    }
};

}  // namespace

ZipArchive::ZipArchive(std::string bytes) : bytes_(std::move(bytes)) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes_.data(), bytes_.size(), 0, &error);
    if (source) archive_ = zip_open_from_source(source, ZIP_RDONLY, &error);
    if (source && !archive_) zip_source_free(source);
    zip_error_fini(&error);
    if (!archive_) fault_ = SheetFault::Damaged;
}

ZipArchive::~ZipArchive() {
    if (archive_) zip_discard(archive_);
}

ZipEntry ZipArchive::read(std::string_view name) const {
    if (!archive_) return {fault_, false, {}};
    const std::string entryName(name);
    const zip_int64_t index = zip_name_locate(archive_, entryName.c_str(), ZIP_FL_NOCASE);
    if (index < 0) return {SheetFault::None, true, {}};
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive_, static_cast<zip_uint64_t>(index), 0, &stat) != 0)
        return {SheetFault::Damaged, false, {}};
    if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE)
        return {SheetFault::Encrypted, false, {}};
    if ((stat.valid & ZIP_STAT_SIZE) && stat.size > kMaxUnpackedEntryBytes)
        return {SheetFault::TooLarge, false, {}};

    const OpenEntry entry{zip_fopen_index(archive_, static_cast<zip_uint64_t>(index), 0)};
    if (!entry.file) return {SheetFault::Damaged, false, {}};
    // The header's size may lie: what is unpacked is counted, never trusted.
    ZipEntry result;
    constexpr std::size_t kChunk = 256 * 1024;
    for (;;) {
        const std::size_t filled = result.bytes.size();
        if (filled > kMaxUnpackedEntryBytes) return {SheetFault::TooLarge, false, {}};
        result.bytes.resize(filled + kChunk);
        const zip_int64_t got = zip_fread(entry.file, result.bytes.data() + filled, kChunk);
        if (got < 0) return {SheetFault::Damaged, false, {}};
        result.bytes.resize(filled + static_cast<std::size_t>(got));
        if (got == 0) break;
    }
    return result;
}

}  // namespace marlo
