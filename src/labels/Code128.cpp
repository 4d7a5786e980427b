#include "labels/Code128.h"

#include <zint.h>

#include <memory>

namespace marlo {

std::optional<Code128Symbol> encodeCode128(std::string_view text) {
    if (text.empty()) return std::nullopt;
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126)
            return std::nullopt;
    const std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)> symbol(ZBarcode_Create(),
                                                                          &ZBarcode_Delete);
    if (!symbol) return std::nullopt;
    symbol->symbology = BARCODE_CODE128;
    symbol->show_hrt = 0;
    symbol->whitespace_width = 0;
    symbol->border_width = 0;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    if (ZBarcode_Encode(symbol.get(), bytes, static_cast<int>(text.size())) >= ZINT_ERROR)
        return std::nullopt;
    if (ZBarcode_Buffer_Vector(symbol.get(), 0) >= ZINT_ERROR || !symbol->vector ||
        symbol->width <= 0 || symbol->vector->width <= 0)
        return std::nullopt;
    // The vector's units are a fixed multiple of the module; bring them back to modules.
    const double unitsPerModule = symbol->vector->width / symbol->width;
    Code128Symbol result;
    result.modules = symbol->width;
    for (const zint_vector_rect* rect = symbol->vector->rectangles; rect; rect = rect->next)
        result.bars.push_back({rect->x / unitsPerModule, rect->width / unitsPerModule});
    return result;
}

}  // namespace marlo
