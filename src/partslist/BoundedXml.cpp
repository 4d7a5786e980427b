#include "partslist/BoundedXml.h"

#include <atomic>
#include <cstdlib>
#include <new>
#include <utility>

namespace marlo {

namespace {

// The memory pugixml holds in this process. Each block carries its size before it, as pugixml
// hands back only the pointer.
std::atomic<std::size_t> xmlMemoryInUse{0};
constexpr std::size_t kBlockHeader = alignof(std::max_align_t);

void* allocateCounted(std::size_t size) {
    const std::size_t total = size + kBlockHeader;
    if (xmlMemoryInUse.fetch_add(total) + total > kMaxXmlMemoryBytes) {
        xmlMemoryInUse.fetch_sub(total);
        return nullptr;  // pugixml reports status_out_of_memory
    }
    void* block = std::malloc(total);
    if (!block) {
        xmlMemoryInUse.fetch_sub(total);
        return nullptr;
    }
    *static_cast<std::size_t*>(block) = total;
    return static_cast<char*>(block) + kBlockHeader;
}

void freeCounted(void* pointer) {
    if (!pointer) return;
    void* block = static_cast<char*>(pointer) - kBlockHeader;
    xmlMemoryInUse.fetch_sub(*static_cast<std::size_t*>(block));
    std::free(block);
}

// Installed once, before the first document exists, so that every block pugixml frees was
// allocated by allocateCounted.
bool boundXmlMemory() {
    static const bool installed = [] {
        pugi::set_memory_management_functions(allocateCounted, freeCounted);
        return true;
    }();
    return installed;
}

}  // namespace

BoundedXml::BoundedXml(std::string text) : bounded_(boundXmlMemory()), text_(std::move(text)) {
    // Blank texts are kept: a cell's " " or the blank between two styled words is its text.
    const pugi::xml_parse_result result = document_.load_buffer_inplace(
        text_.data(), text_.size(), pugi::parse_default | pugi::parse_ws_pcdata);
    if (result.status == pugi::status_out_of_memory) {
        fault_ = SheetFault::TooLarge;
    } else if (!result || !document_.document_element()) {
        fault_ = SheetFault::Damaged;
    }
    if (fault_ != SheetFault::None) document_.reset();
}

std::string_view localName(const pugi::xml_node& node) {
    const std::string_view name = node.name();
    const std::size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_attribute attributeNamed(const pugi::xml_node& node, std::string_view name) {
    for (const pugi::xml_attribute& attribute : node.attributes()) {
        const std::string_view full = attribute.name();
        const std::size_t colon = full.find(':');
        if ((colon == std::string_view::npos ? full : full.substr(colon + 1)) == name)
            return attribute;
    }
    return {};
}

pugi::xml_node childNamed(const pugi::xml_node& node, std::string_view name) {
    for (const pugi::xml_node& child : node.children())
        if (child.type() == pugi::node_element && localName(child) == name) return child;
    return {};
}

}  // namespace marlo
