// Windows images (PE32, PE32+) holding one version resource, built block by block so
// that tests can lay out, then damage, every field a version reader walks.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gridmate::test {

// One block of a version resource; `valueLength` and `length` override the true ones.
struct VersionNode {
    std::string key;    // ASCII, written as UTF-16
    uint16_t type = 0;  // 1: the value is text (UTF-16)
    std::string value;
    std::optional<uint16_t> valueLength, length;
    std::vector<VersionNode> children;
};

using Strings = std::vector<std::pair<std::string, std::u16string>>;
// Fixed file info, "StringFileInfo" > "LLLLCCCC" > `strings` (wValueLength counting the
// NUL), and "VarFileInfo" > "Translation" naming only (language, codePage).
VersionNode versionInfo(uint16_t language, uint16_t codePage, const Strings& strings);
// The bytes of a block tree, each block aligned on 32 bits from the start.
std::string encode(const VersionNode& root);

// The offsets tests damage. Resource tree: root directory at resourceRoot, name level at
// +24, language level at +48, data entry at +72, the version resource at +88.
struct PeImage {
    std::string bytes;
    size_t peHeader = 0x80, optionalHeader = 0x98, sectionTable = 0, resourceRoot = 0x600;
};

// A code section, and a resource section holding type 16 > id 1 > language 0x0409.
PeImage buildPeWithVersion(const std::string& versionResource, bool pe32Plus = false);

}  // namespace gridmate::test
