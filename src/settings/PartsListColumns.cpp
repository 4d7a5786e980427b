#include "settings/PartsListColumns.h"

#include <cstdint>
#include <cstdio>

#include "settings/ProgramSettings.h"

namespace marlo {

namespace {

// The key of a header: a 64-bit FNV-1a hash of its cells, each ended by a separator that no
// cell holds, so that {"ab", "c"} and {"a", "bc"} differ. A header may be hundreds of characters
// of any kind; a settings key wants to be short and plain.
std::string keyOf(const std::vector<std::string>& header) {
    uint64_t hash = 14695981039346656037ull;
    const auto add = [&](unsigned char byte) {
        hash ^= byte;
        hash *= 1099511628211ull;
    };
    for (const std::string& cell : header) {
        for (const char c : cell) add(static_cast<unsigned char>(c));
        add(0);
    }
    char key[24];
    std::snprintf(key, sizeof key, "h%016llx", static_cast<unsigned long long>(hash));
    return key;
}

}  // namespace

std::string rememberedColumns(const SettingsStore& store, const std::vector<std::string>& header) {
    return store.get(settings::kApplication, settings::kPartsListColumns, keyOf(header));
}

void rememberColumns(SettingsStore& store, const std::vector<std::string>& header,
                     std::string_view mapping) {
    store.save(settings::kApplication, settings::kPartsListColumns, keyOf(header), mapping);
}

}  // namespace marlo
