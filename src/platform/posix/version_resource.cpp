#include "platform/posix/version_resource.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <initializer_list>

#include "platform/posix/le_bytes.h"

namespace gridmate::platform {

namespace {

// wLength, wValueLength, wType.
constexpr size_t kHeaderSize = 6;
// A block of at most 65535 bytes holds at most 8192 children of 8 bytes; the bound only
// makes the walk's end obvious.
constexpr int kMaxChildrenVisited = 8192;

// Keys, values and children start on 32-bit boundaries counted from the resource's start.
size_t align4(size_t offset) { return (offset + 3) & ~size_t{3}; }

// One block of the tree; every offset lies inside [begin, end].
struct Block {
    size_t end = 0;
    uint16_t valueLength = 0;
    uint16_t type = 0;     // 1: the value is text, its length counted in characters
    std::string_view key;  // UTF-16 units, without the NUL
    size_t valueBegin = 0;
    size_t childrenBegin = 0;
};

// The block at `at`, which must end by `limit` (its parent's end).
std::optional<Block> readBlock(std::string_view resource, size_t at, size_t limit) {
    if (at > limit || limit - at < kHeaderSize) return std::nullopt;
    uint16_t length = *readU16(resource, at);
    if (length < kHeaderSize || length > limit - at) return std::nullopt;
    Block block;
    block.end = at + length;
    block.valueLength = *readU16(resource, at + 2);
    block.type = *readU16(resource, at + 4);
    size_t keyAt = at + kHeaderSize;
    size_t nul = keyAt;
    for (;; nul += 2) {
        auto unit = readU16(resource, nul);
        if (!unit || nul + 2 > block.end) return std::nullopt;
        if (*unit == 0) break;
    }
    block.key = resource.substr(keyAt, nul - keyAt);
    block.valueBegin = std::min(align4(nul + 2), block.end);
    size_t valueBytes = size_t{block.valueLength} * (block.type ? 2 : 1);
    block.childrenBegin = std::min(align4(block.valueBegin + valueBytes), block.end);
    return block;
}

char asciiLower(uint16_t c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); }

// The system compares keys without regard to letter case.
bool keyIs(std::string_view key, std::string_view name) {
    if (key.size() != name.size() * 2) return false;
    for (size_t i = 0; i < name.size(); ++i) {
        uint16_t unit = *readU16(key, i * 2);
        if (unit > 0x7F || asciiLower(unit) != asciiLower(static_cast<unsigned char>(name[i])))
            return false;
    }
    return true;
}

std::optional<Block> childNamed(std::string_view resource, const Block& parent,
                                std::string_view name) {
    size_t at = parent.childrenBegin;
    for (int visited = 0; visited < kMaxChildrenVisited && at < parent.end; ++visited) {
        auto child = readBlock(resource, at, parent.end);
        if (!child) return std::nullopt;
        if (keyIs(child->key, name)) return child;
        at = align4(child->end);
    }
    return std::nullopt;
}

std::optional<Block> find(std::string_view resource, std::initializer_list<std::string_view> path) {
    // The 16-bit layout has no wType: its key starts where wType would be. Only the
    // 32-bit layout, the one of every PE image, is read.
    if (resource.size() > 4 && static_cast<unsigned char>(resource[4]) >= ' ') return std::nullopt;
    auto block = readBlock(resource, 0, resource.size());
    for (std::string_view name : path) {
        if (!block) break;
        block = childNamed(resource, *block, name);
    }
    return block;
}

}  // namespace

std::optional<VersionInfo::Translation> firstTranslationIn(std::string_view resource) {
    auto block = find(resource, {"VarFileInfo", "Translation"});
    if (!block) return std::nullopt;
    size_t valueBytes = size_t{block->valueLength} * (block->type ? 2 : 1);
    if (valueBytes < 4 || block->end - block->valueBegin < 4) return std::nullopt;
    VersionInfo::Translation translation;
    translation.language = *readU16(resource, block->valueBegin);
    translation.codePage = *readU16(resource, block->valueBegin + 2);
    return translation;
}

std::optional<std::string> stringValueIn(std::string_view resource,
                                         const VersionInfo::Translation& translation,
                                         std::string_view name) {
    char table[9];
    std::snprintf(table, sizeof table, "%04X%04X", static_cast<unsigned>(translation.language),
                  static_cast<unsigned>(translation.codePage));
    auto block = find(resource, {"StringFileInfo", table, name});
    if (!block) return std::nullopt;
    // wValueLength counts characters, though some writers give bytes: the text ends at
    // its NUL or at the block's end, whichever comes first.
    std::string text;
    size_t at = block->valueBegin;
    for (size_t i = 0; i < block->valueLength && at + 2 <= block->end; ++i, at += 2) {
        uint16_t unit = *readU16(resource, at);
        if (unit == 0) break;
        text.push_back(unit < 0x100 ? static_cast<char>(unit) : '?');
    }
    return text;
}

}  // namespace gridmate::platform
