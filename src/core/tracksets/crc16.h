// The checksum that tells whether the installed schedule equals a saved track set:
// CRC-16 with the reflected polynomial 0x8408, start value 0xFFFF and no final XOR
// (CRC-16/MCRF4XX), written as four upper-case hexadecimal digits.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace gridmate {

using CRCTableType = std::array<uint16_t, 256>;

// The table of the reflected polynomial: entry i is i shifted right eight times, each
// shifted-out 1 bit XOR-ing 0x8408 in.
CRCTableType BuildCRCTable();
// The table, built once on first use.
const CRCTableType& CRCTable();

// Four upper-case hexadecimal digits, leading zeros kept.
std::string GetCRC16(std::string_view bytes);

// The register after `size` more bytes from `crc`, three ways to the same result: one
// table lookup a byte, eight bytes a step with eight tables, and 16 bytes a step with
// carry-less multiplication where the processor has it (crcFoldingAvailable), else as
// crcSliced.
uint16_t crcBytewise(uint16_t crc, const unsigned char* bytes, size_t size);
uint16_t crcSliced(uint16_t crc, const unsigned char* bytes, size_t size);
uint16_t crcFolded(uint16_t crc, const unsigned char* bytes, size_t size);
bool crcFoldingAvailable();

// The bytes a file's checksum is taken of: "" for a missing file, nullopt (and `err`)
// for a file that is there but cannot be read.
std::optional<std::string> checkedBytes(const std::string& path, platform::IoError& err);
// The checksum of those bytes: "" for none.
std::string contentCRC(std::string_view bytes);
// The checksum of the whole file; "" for a missing or empty file, nullopt (and `err`)
// for a file that is there but cannot be read.
std::optional<std::string> fileCRC(const std::string& path, platform::IoError& err);
// As fileCRC, with a file that cannot be read giving "" like a missing one.
std::string GetFileCRC(const std::string& path);

}  // namespace gridmate
