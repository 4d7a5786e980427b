#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marlo {

// A compound file (the container of XLS workbooks) read from memory: the streams of its root
// storage. Every sector number, chain and size is checked against the bytes, so that a damaged
// or hostile file gives no stream rather than a read beyond it or an endless chain.
class CompoundFile {
  public:
    explicit CompoundFile(std::string_view bytes);

    // The stream of that name in the root storage (ASCII letters compared without case), or
    // nothing when there is none or its sectors are broken.
    std::optional<std::string> stream(std::string_view name) const;

  private:
    std::optional<std::string> chain(uint32_t start, uint64_t size, bool mini) const;
    std::optional<std::vector<uint32_t>> sectorTable(const std::vector<uint32_t>& sectors) const;

    std::string_view bytes_;
    uint32_t sectorShift_ = 9;
    uint32_t miniCutoff_ = 4096;
    std::vector<uint32_t> fat_;
    std::vector<uint32_t> miniFat_;
    std::string directory_;
    std::string miniStream_;
    bool valid_ = false;
};

}  // namespace marlo
