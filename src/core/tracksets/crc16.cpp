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

namespace {

// Eight tables for eight bytes a step ("slicing by 8"): entry i of table k is the
// effect of byte i followed by k zero bytes. The listing checksums every set in the
// game folder, megabytes of them, and one lookup per byte with each depending on the
// last is several times slower. The result is the same as byte by byte.
using SlicingTables = std::array<CRCTableType, 8>;

const SlicingTables& slicingTables() {
    static const SlicingTables tables = [] {
        SlicingTables t{};
        t[0] = CRCTable();
        for (size_t k = 1; k < t.size(); ++k)
            for (size_t i = 0; i < 256; ++i)
                t[k][i] = static_cast<uint16_t>((t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFFu]);
        return t;
    }();
    return tables;
}

}  // namespace

std::string GetCRC16(std::string_view bytes) {
    const SlicingTables& t = slicingTables();
    const CRCTableType& table = t[0];
    uint32_t crc = 0xFFFF;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    size_t left = bytes.size();
    for (; left >= 8; left -= 8, p += 8) {
        uint32_t x = crc ^ (uint32_t(p[0]) | uint32_t(p[1]) << 8);
        crc = t[7][x & 0xFFu] ^ t[6][x >> 8] ^ t[5][p[2]] ^ t[4][p[3]] ^ t[3][p[4]] ^
              t[2][p[5]] ^ t[1][p[6]] ^ t[0][p[7]];
    }
    for (; left > 0; --left, ++p) crc = (crc >> 8) ^ table[(*p ^ crc) & 0xFFu];
    char text[5];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(crc & 0xFFFFu));
    return text;
}

std::optional<std::string> fileCRC(const std::string& path, platform::IoError& err) {
    auto& fs = platform::fs();
    // Read first, ask after: a set folder holds many files and nearly all of them read.
    std::optional<std::string> bytes = fs.readFile(path, err);
    if (!bytes) {
        if (!fs.isFile(path)) return std::string();
        return std::nullopt;
    }
    return bytes->empty() ? std::string() : GetCRC16(*bytes);
}

std::string GetFileCRC(const std::string& path) {
    platform::IoError err;
    return fileCRC(path, err).value_or("");
}

}  // namespace gridmate
