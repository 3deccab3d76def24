// Small Windows images (PE32 and PE32+) holding one version resource, and version
// resources block by block, built in memory so that tests can lay out, then damage,
// every field a version reader walks.
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
// A VS_VERSION_INFO: fixed file info, then "StringFileInfo" > "LLLLCCCC" (the table of
// the translation) > the strings, each with the NUL counted in its wValueLength; then
// "VarFileInfo" > "Translation" naming only that translation.
VersionNode versionInfo(uint16_t language, uint16_t codePage, const Strings& strings);
// The bytes of a block tree, each block aligned on 32 bits from the start.
std::string encode(const VersionNode& root);

// The bytes and the offsets of the parts tests damage: the resource tree has its root
// directory at resourceRoot, the name level at +24, the language level at +48, the data
// entry at +72 and the version resource at +88.
struct PeImage {
    std::string bytes;
    size_t peHeader = 0x80, optionalHeader = 0x98, sectionTable = 0, resourceRoot = 0x600;
};

// An image with a code section and a resource section holding `versionResource` as
// type 16, id 1, language 0x0409.
PeImage buildPeWithVersion(const std::string& versionResource, bool pe32Plus = false);

void putU16(std::string& bytes, size_t at, uint16_t value);
void putU32(std::string& bytes, size_t at, uint32_t value);

}  // namespace gridmate::test
