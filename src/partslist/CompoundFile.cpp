#include "partslist/CompoundFile.h"

#include <algorithm>
#include <cctype>

#include "partslist/LittleEndian.h"
#include "partslist/SheetFormat.h"

namespace marlo {

namespace {

constexpr uint32_t kLastRegularSector = 0xFFFFFFFA;
constexpr uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr uint32_t kMiniSectorBytes = 64;
constexpr std::size_t kDirectoryEntryBytes = 128;
constexpr int kStreamEntry = 2;

// An entry's name, when it is plain ASCII (as the workbook streams' names are), in lower case.
std::string asciiName(std::string_view entry) {
    const std::size_t length = std::min<std::size_t>(u16At(entry, 0x40), 64);
    std::string name;
    for (std::size_t i = 0; i + 1 < length; i += 2) {
        const uint16_t c = u16At(entry, i);
        if (c == 0) break;
        name += static_cast<char>(c < 0x80 ? std::tolower(c) : '?');
    }
    return name;
}

}  // namespace

CompoundFile::CompoundFile(std::string_view bytes) : bytes_(bytes) {
    if (!isCompoundFile(bytes) || bytes.size() < 512) return;
    sectorShift_ = u16At(bytes, 0x1E);
    miniCutoff_ = u32At(bytes, 0x38);
    if (sectorShift_ != 9 && sectorShift_ != 12) return;
    const std::size_t sectorBytes = std::size_t{1} << sectorShift_;

    // The sectors of the allocation table: 109 in the header, the rest in a chain of DIFAT
    // sectors, each ending in the number of the next.
    std::vector<uint32_t> fatSectors;
    for (std::size_t i = 0; i < 109; ++i) fatSectors.push_back(u32At(bytes, 0x4C + 4 * i));
    uint32_t difat = u32At(bytes, 0x44);
    for (std::size_t hops = 0; difat < kLastRegularSector; ++hops) {
        const std::size_t at = (std::size_t{difat} + 1) << sectorShift_;
        if (hops > bytes.size() / sectorBytes || at + sectorBytes > bytes.size()) return;
        for (std::size_t i = 0; i + 4 < sectorBytes; i += 4)
            fatSectors.push_back(u32At(bytes, at + i));
        difat = u32At(bytes, at + sectorBytes - 4);
    }
    const std::optional<std::vector<uint32_t>> fat = sectorTable(fatSectors);
    if (!fat) return;
    fat_ = *fat;

    std::optional<std::string> directory = chain(u32At(bytes, 0x30), UINT64_MAX, false);
    if (!directory || directory->size() < kDirectoryEntryBytes) return;
    directory_ = std::move(*directory);
    // The root entry holds the mini stream, where streams below the cutoff live.
    std::optional<std::string> miniStream = chain(u32At(directory_, 0x74), UINT64_MAX, false);
    std::optional<std::string> miniFat = chain(u32At(bytes, 0x3C), UINT64_MAX, false);
    if (miniStream) miniStream_ = std::move(*miniStream);
    for (std::size_t i = 0; miniFat && i + 4 <= miniFat->size(); i += 4)
        miniFat_.push_back(u32At(*miniFat, i));
    valid_ = true;
}

std::optional<std::vector<uint32_t>> CompoundFile::sectorTable(
    const std::vector<uint32_t>& sectors) const {
    const std::size_t sectorBytes = std::size_t{1} << sectorShift_;
    std::vector<uint32_t> table;
    for (const uint32_t sector : sectors) {
        if (sector >= kLastRegularSector) continue;
        const std::size_t at = (std::size_t{sector} + 1) << sectorShift_;
        if (at + sectorBytes > bytes_.size()) return std::nullopt;
        for (std::size_t i = 0; i < sectorBytes; i += 4) table.push_back(u32At(bytes_, at + i));
    }
    return table;
}

std::optional<std::string> CompoundFile::chain(uint32_t start, uint64_t size, bool mini) const {
    const std::vector<uint32_t>& table = mini ? miniFat_ : fat_;
    const std::string_view source = mini ? std::string_view(miniStream_) : bytes_;
    const std::size_t sectorBytes = mini ? kMiniSectorBytes : std::size_t{1} << sectorShift_;
    const std::size_t offset = mini ? 0 : sectorBytes;  // regular sectors follow the header
    std::string data;
    for (uint32_t sector = start; sector != kEndOfChain && data.size() < size;) {
        const std::size_t at = offset + std::size_t{sector} * sectorBytes;
        // A chain longer than the table loops; a sector beyond the bytes is broken.
        if (sector >= table.size() || at + sectorBytes > source.size() ||
            data.size() / sectorBytes > table.size())
            return std::nullopt;
        data.append(source.substr(at, sectorBytes));
        sector = table[sector];
    }
    if (size != UINT64_MAX) {
        if (data.size() < size) return std::nullopt;
        data.resize(static_cast<std::size_t>(size));
    }
    return data;
}

std::optional<std::string> CompoundFile::stream(std::string_view name) const {
    if (!valid_) return std::nullopt;
    std::string wanted(name);
    for (char& c : wanted) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (std::size_t at = 0; at + kDirectoryEntryBytes <= directory_.size();
         at += kDirectoryEntryBytes) {
        const std::string_view entry =
            std::string_view(directory_).substr(at, kDirectoryEntryBytes);
        if (entry[0x42] != kStreamEntry || asciiName(entry) != wanted) continue;
        const uint64_t size = u32At(entry, 0x78);  // version 3 files leave the high half undefined
        return chain(u32At(entry, 0x74), size, size < miniCutoff_);
    }
    return std::nullopt;
}

}  // namespace marlo
