// Builds small Windows images (PE32 and PE32+) with a resource section in memory, and
// version resources block by block, so that tests can lay out, and then damage, every
// field that a version reader walks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace gridmate::test {

// One block of a version resource.
struct VersionNode {
    std::string key;                      // ASCII, written as UTF-16
    uint16_t type = 0;                    // 1: the value is text
    std::string value;                    // the value's bytes as stored (UTF-16 for text)
    std::optional<uint16_t> valueLength;  // wValueLength when not the natural one
    std::optional<uint16_t> length;       // wLength when not the true one
    std::vector<VersionNode> children;
};

// A text value; wValueLength counts its characters and the NUL, as resource compilers
// write it.
VersionNode textNode(const std::string& key, const std::u16string& text);
VersionNode binaryNode(const std::string& key, const std::string& bytes);
VersionNode parentNode(const std::string& key, std::vector<VersionNode> children);
// "VarFileInfo" > "Translation" holding (language, code page) pairs in order.
VersionNode translationNode(const std::vector<std::pair<uint16_t, uint16_t>>& translations);

using Strings = std::vector<std::pair<std::string, std::u16string>>;
// A complete VS_VERSION_INFO: fixed file info, one string table for the translation,
// and the translation list naming only it.
VersionNode versionInfo(uint16_t language, uint16_t codePage, const Strings& strings);
// The table key of a translation: "040904B0".
std::string tableKey(uint16_t language, uint16_t codePage);

// The bytes of a block tree, each block aligned on 32 bits from the start.
std::string encode(const VersionNode& root);

struct PeResource {
    uint32_t type = 16;
    uint32_t id = 1;
    std::u16string name;  // when not empty the entry is named, not numbered
    uint16_t language = 0x0409;
    std::string data;
};

struct PeImage {
    std::string bytes;
    // File offsets of the parts tests damage.
    size_t peHeader = 0;
    size_t optionalHeader = 0;
    size_t sectionTable = 0;
    size_t resourceRoot = 0;
    size_t firstData = 0;  // the first resource's data
};

// An image with a code section and a resource section holding `resources`, grouped by
// type, then name, then language; named entries first, numbered ones in ascending
// order, as the format requires.
PeImage buildPe(const std::vector<PeResource>& resources, bool pe32Plus = false);
// The usual case: one version resource, type 16, id 1, language 0x0409.
PeImage buildPeWithVersion(const std::string& versionResource, bool pe32Plus = false);

void putU16(std::string& bytes, size_t at, uint16_t value);
void putU32(std::string& bytes, size_t at, uint32_t value);

}  // namespace gridmate::test
