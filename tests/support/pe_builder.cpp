#include "support/pe_builder.h"

#include <cstdio>
#include <tuple>

namespace gridmate::test {

namespace {

// `v` as `n` little-endian bytes.
std::string le(uint32_t v, size_t n) {
    std::string out;
    for (; n > 0; --n, v >>= 8) out += char(v & 0xFF);
    return out;
}

template <typename Text>  // ASCII keys, or UTF-16 text
std::string utf16(const Text& text) {
    std::string out;
    for (auto c : text) out += le(uint16_t(c), 2);
    return out;
}

VersionNode node(const std::string& key, uint16_t type, const std::string& value,
                 std::vector<VersionNode> children = {}) {
    return {key, type, value, {}, {}, std::move(children)};
}

}  // namespace

VersionNode versionInfo(uint16_t language, uint16_t codePage, const Strings& strings) {
    std::vector<VersionNode> values;
    for (const auto& [name, text] : strings) values.push_back(node(name, 1, utf16(text + u'\0')));
    char table[9];
    std::snprintf(table, sizeof table, "%04X%04X", unsigned(language), unsigned(codePage));
    return node("VS_VERSION_INFO", 0, le(0xFEEF04BDu, 4) + le(0x10000, 4) + std::string(44, '\0'),
                {node("StringFileInfo", 1, "", {node(table, 1, "", values)}),
                 node("VarFileInfo", 1, "", {node("Translation", 0, le(language, 2) + le(codePage, 2))})});
}

// Each block starts on 32 bits, so its children align from its start as from the root's.
std::string encode(const VersionNode& node) {
    auto align = [](std::string& s) { s.resize((s.size() + 3) & ~size_t{3}, '\0'); };
    std::string out = le(0, 2) + le(node.valueLength.value_or(node.value.size() / (node.type ? 2 : 1)), 2) +
                      le(node.type, 2) + utf16(node.key) + le(0, 2);
    align(out);
    out += node.value;
    for (const VersionNode& child : node.children) align(out), out += encode(child);
    return out.replace(0, 2, le(node.length.value_or(uint16_t(out.size())), 2));
}

PeImage buildPeWithVersion(const std::string& versionResource, bool pe32Plus) {
    // Resources lie elsewhere in memory than in the file: a reader must map addresses.
    constexpr uint32_t kHeaders = 0x400, kAlignment = 0x200, kResources = 0x3000, kDirectory = 0x80000000u;
    PeImage image;
    const size_t pe = image.peHeader, o = image.optionalHeader, dirs = o + (pe32Plus ? 108 : 92);
    const size_t r = image.resourceRoot, s = image.sectionTable = o + (pe32Plus ? 0xF0 : 0xE0);
    const auto rsrcSize = uint32_t(88 + versionResource.size());
    const uint32_t rsrcRaw = (rsrcSize + kAlignment - 1) & ~(kAlignment - 1);
    image.bytes.assign(r + rsrcRaw, '\0');
    // Offset, value, size: the headers (the resource table third of 16 data directories),
    // the code and resource sections, one "ret" of code, and the resource tree.
    const std::tuple<size_t, uint32_t, size_t> fields[] = {
        {0, 'M' | 'Z' << 8, 2}, {0x3C, uint32_t(pe), 4}, {pe, 'P' | 'E' << 8, 2},
        {pe + 4, pe32Plus ? 0x8664 : 0x014C, 2}, {pe + 6, 2, 2}, {pe + 20, uint32_t(s - o), 2},
        {pe + 22, 0x2102, 2}, {o, pe32Plus ? 0x20B : 0x10B, 2}, {o + 32, 0x1000, 4},
        {o + 36, kAlignment, 4}, {o + 56, kResources + 0x1000 + (rsrcRaw & ~0xFFFu), 4},
        {o + 60, kHeaders, 4}, {o + 68, 2, 2}, {dirs, 16, 4}, {dirs + 20, kResources, 4},
        {dirs + 24, rsrcSize, 4}, {s, 'x' << 24 | 'e' << 16 | 't' << 8 | '.', 4}, {s + 4, 't', 1},
        {s + 8, 0x10, 4}, {s + 12, 0x1000, 4}, {s + 16, kAlignment, 4}, {s + 20, kHeaders, 4},
        {s + 36, 0x40000040u, 4}, {s + 40, 'r' << 24 | 's' << 16 | 'r' << 8 | '.', 4}, {s + 44, 'c', 1},
        {s + 48, rsrcSize, 4}, {s + 52, kResources, 4}, {s + 56, rsrcRaw, 4}, {s + 60, uint32_t(r), 4},
        {s + 76, 0x40000040u, 4}, {kHeaders, 0xC3, 1}, {r + 14, 1, 2}, {r + 16, 16, 4},
        {r + 20, kDirectory | 24, 4}, {r + 38, 1, 2}, {r + 40, 1, 4}, {r + 44, kDirectory | 48, 4},
        {r + 62, 1, 2}, {r + 64, 0x0409, 4}, {r + 68, 72, 4}, {r + 72, kResources + 88, 4},
        {r + 76, uint32_t(versionResource.size()), 4}};
    for (auto [at, value, size] : fields) image.bytes.replace(at, size, le(value, size));
    image.bytes.replace(r + 88, versionResource.size(), versionResource);
    return image;
}

}  // namespace gridmate::test
