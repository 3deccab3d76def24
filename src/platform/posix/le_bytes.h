// Little-endian numbers read out of untrusted bytes: every read says whether the bytes
// were there, so that a damaged file can never make a reader step past its end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace gridmate::platform {

inline std::optional<uint16_t> readU16(std::string_view bytes, size_t at) {
    if (at > bytes.size() || bytes.size() - at < 2) return std::nullopt;
    return static_cast<uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                 static_cast<unsigned char>(bytes[at + 1]) << 8);
}

inline std::optional<uint32_t> readU32(std::string_view bytes, size_t at) {
    auto low = readU16(bytes, at);
    auto high = at <= SIZE_MAX - 2 ? readU16(bytes, at + 2) : std::nullopt;
    if (!low || !high) return std::nullopt;
    return static_cast<uint32_t>(*low) | static_cast<uint32_t>(*high) << 16;
}

// Whether [at, at + length) lies inside `bytes`, without overflowing.
inline bool fits(std::string_view bytes, size_t at, size_t length) {
    return at <= bytes.size() && length <= bytes.size() - at;
}

}  // namespace gridmate::platform
