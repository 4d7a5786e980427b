#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace marlo {

// Unsigned numbers kept little endian in binary workbooks; the caller checks that the bytes from
// `at` on hold them.
template <typename Number>
Number littleEndianAt(std::string_view bytes, std::size_t at) {
    Number value = 0;
    for (std::size_t i = sizeof(Number); i-- > 0;)
        value = static_cast<Number>(value << 8 | static_cast<unsigned char>(bytes[at + i]));
    return value;
}

inline uint16_t u16At(std::string_view bytes, std::size_t at) {
    return littleEndianAt<uint16_t>(bytes, at);
}
inline uint32_t u32At(std::string_view bytes, std::size_t at) {
    return littleEndianAt<uint32_t>(bytes, at);
}

}  // namespace marlo
