#include "platform/posix/pe_image.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/posix/le_bytes.h"

namespace gridmate::platform {

namespace {

constexpr size_t kLfanewAt = 0x3C;
constexpr size_t kCoffSize = 20;
constexpr uint16_t kPe32 = 0x10B;
constexpr uint16_t kPe32Plus = 0x20B;
constexpr uint32_t kResourceTable = 2;
constexpr size_t kSectionHeaderSize = 40;
constexpr size_t kDirectoryHeaderSize = 16;
constexpr size_t kDirectoryEntrySize = 8;
constexpr size_t kDataEntrySize = 16;
constexpr uint32_t kHighBit = 0x80000000u;
// The version functions look the resource up as type RT_VERSION, id VS_VERSION_INFO.
constexpr uint32_t kRtVersion = 16;
constexpr uint32_t kVersionInfoId = 1;
// Of several languages the loader takes a language-neutral resource first, then the
// user's language, the user's language without region, the default neutral one, and
// otherwise the first listed. This reader stands for a user of US English, the
// language of Wine's default prefix.
constexpr uint32_t kPreferredLanguages[] = {0x0000, 0x0409, 0x0009, 0x0400};

// Where a section's bytes lie in the file; only the part the file really holds counts.
struct Section {
    uint32_t virtualAddress;
    std::string_view raw;
};

// The image's sections, for turning relative virtual addresses into file bytes.
class SectionMap {
public:
    SectionMap(std::string_view image, size_t tableAt, uint16_t count) {
        for (size_t i = 0; i < count; ++i) {
            size_t at = tableAt + i * kSectionHeaderSize;
            if (!fits(image, at, kSectionHeaderSize)) break;
            uint32_t address = *readU32(image, at + 12);
            uint32_t rawSize = *readU32(image, at + 16);
            uint32_t rawOffset = *readU32(image, at + 20);
            if (rawOffset >= image.size()) continue;
            size_t available = std::min<size_t>(rawSize, image.size() - rawOffset);
            sections_.push_back({address, image.substr(rawOffset, available)});
        }
    }

    // The file bytes from `rva` to the end of its section's data; nullopt when no
    // section holds that address in the file.
    std::optional<std::string_view> from(uint32_t rva) const {
        for (const Section& s : sections_) {
            if (rva < s.virtualAddress) continue;
            size_t offset = rva - s.virtualAddress;
            if (offset < s.raw.size()) return s.raw.substr(offset);
        }
        return std::nullopt;
    }

private:
    std::vector<Section> sections_;
};

// The resource directory: a tree of fixed depth (type, name, language) whose offsets
// count from its root. Only the three levels are walked, so an entry that points back
// up the tree cannot make the walk go round.
class ResourceTree {
public:
    explicit ResourceTree(std::string_view root) : root_(root) {}

    // The subdirectory or data entry offset of the entry named by the number `id`, or
    // of the first entry when `id` is nullopt. `wantDirectory` says which kind the
    // level must hold.
    std::optional<uint32_t> child(uint32_t directory, std::optional<uint32_t> id,
                                  bool wantDirectory) const {
        if (!fits(root_, directory, kDirectoryHeaderSize)) return std::nullopt;
        size_t named = *readU16(root_, directory + 12);
        size_t numbered = *readU16(root_, directory + 14);
        size_t first = id ? named : 0;
        size_t end = id ? named + numbered : std::min<size_t>(1, named + numbered);
        for (size_t i = first; i < end; ++i) {
            size_t at = directory + kDirectoryHeaderSize + i * kDirectoryEntrySize;
            if (!fits(root_, at, kDirectoryEntrySize)) return std::nullopt;
            uint32_t name = *readU32(root_, at);
            uint32_t target = *readU32(root_, at + 4);
            if (id && name != *id) continue;
            bool isDirectory = (target & kHighBit) != 0;
            if (isDirectory != wantDirectory) return std::nullopt;
            return target & ~kHighBit;
        }
        return std::nullopt;
    }

    // The data entry of the language the loader would choose.
    std::optional<uint32_t> language(uint32_t directory) const {
        for (uint32_t id : kPreferredLanguages)
            if (auto entry = child(directory, id, false)) return entry;
        return child(directory, std::nullopt, false);
    }

    std::optional<std::string_view> data(uint32_t entry, const SectionMap& sections) const {
        if (!fits(root_, entry, kDataEntrySize)) return std::nullopt;
        uint32_t rva = *readU32(root_, entry);
        uint32_t size = *readU32(root_, entry + 4);
        auto bytes = sections.from(rva);
        if (!bytes || size == 0 || bytes->size() < size) return std::nullopt;
        return bytes->substr(0, size);
    }

private:
    std::string_view root_;
};

// The resource table's address from the optional header, PE32 or PE32+.
std::optional<uint32_t> resourceTableAddress(std::string_view image, size_t optionalAt,
                                             uint16_t optionalSize) {
    if (!fits(image, optionalAt, optionalSize)) return std::nullopt;
    std::string_view header = image.substr(optionalAt, optionalSize);
    auto magic = readU16(header, 0);
    if (!magic) return std::nullopt;
    size_t countAt;
    if (*magic == kPe32)
        countAt = 92;
    else if (*magic == kPe32Plus)
        countAt = 108;
    else
        return std::nullopt;
    auto count = readU32(header, countAt);
    if (!count || *count <= kResourceTable) return std::nullopt;
    auto address = readU32(header, countAt + 4 + kResourceTable * 8);
    if (!address || *address == 0) return std::nullopt;
    return address;
}

}  // namespace

std::optional<std::string_view> versionResourceOf(std::string_view image) {
    if (image.size() < kLfanewAt + 4 || image.substr(0, 2) != "MZ") return std::nullopt;
    uint32_t peAt = *readU32(image, kLfanewAt);
    if (!fits(image, peAt, 4 + kCoffSize)) return std::nullopt;
    if (image.substr(peAt, 4) != std::string_view("PE\0\0", 4)) return std::nullopt;
    size_t coffAt = peAt + 4;
    uint16_t sectionCount = *readU16(image, coffAt + 2);
    uint16_t optionalSize = *readU16(image, coffAt + 16);
    size_t optionalAt = coffAt + kCoffSize;

    auto resourceRva = resourceTableAddress(image, optionalAt, optionalSize);
    if (!resourceRva) return std::nullopt;
    SectionMap sections(image, optionalAt + optionalSize, sectionCount);
    auto root = sections.from(*resourceRva);
    if (!root) return std::nullopt;

    ResourceTree tree(*root);
    auto names = tree.child(0, kRtVersion, true);
    auto languages = names ? tree.child(*names, kVersionInfoId, true) : std::nullopt;
    auto entry = languages ? tree.language(*languages) : std::nullopt;
    if (!entry) return std::nullopt;
    return tree.data(*entry, sections);
}

}  // namespace gridmate::platform
