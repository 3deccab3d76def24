#include "core/tracksets/crc16.h"

#include <cstdio>

namespace gridmate {

CRCTableType BuildCRCTable() {
    CRCTableType table{};
    for (uint32_t i = 0; i < table.size(); ++i) {
        uint32_t crc = i;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1u) ? (crc >> 1) ^ 0x8408u : crc >> 1;
        table[i] = static_cast<uint16_t>(crc);
    }
    return table;
}

const CRCTableType& CRCTable() {
    static const CRCTableType table = BuildCRCTable();
    return table;
}

std::string GetCRC16(std::string_view bytes) {
    const CRCTableType& table = CRCTable();
    uint32_t crc = 0xFFFF;
    for (unsigned char b : bytes) crc = (crc >> 8) ^ table[(b ^ crc) & 0xFFu];
    char text[5];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(crc & 0xFFFFu));
    return text;
}

std::optional<std::string> fileCRC(const std::string& path, platform::IoError& err) {
    auto& fs = platform::fs();
    if (!fs.isFile(path)) return std::string();
    std::optional<std::string> bytes = fs.readFile(path, err);
    if (!bytes) return std::nullopt;
    return bytes->empty() ? std::string() : GetCRC16(*bytes);
}

std::string GetFileCRC(const std::string& path) {
    platform::IoError err;
    return fileCRC(path, err).value_or("");
}

}  // namespace gridmate
