#include "support/pe_builder.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <tuple>

namespace gridmate::test {

namespace {

constexpr uint32_t kHeadersSize = 0x400, kFileAlignment = 0x200, kHighBit = 0x80000000u;
// The resource section sits elsewhere in memory than in the file, so that a reader that
// forgets to map addresses through the section table misses it.
constexpr uint32_t kResourceAddress = 0x3000;

// `v` as `n` little-endian bytes.
std::string le(uint32_t v, size_t n) {
    std::string out;
    for (; n > 0; --n, v >>= 8) out += char(v & 0xFF);
    return out;
}

std::string utf16(const std::u16string& text) {
    std::string out;
    for (char16_t c : text) out += le(c, 2);
    return out;
}

void align(std::string& out, size_t to) { out.resize((out.size() + to - 1) / to * to, '\0'); }

void encodeInto(std::string& out, const VersionNode& node) {
    size_t start = out.size();
    out += le(0, 2) + le(node.valueLength.value_or(node.value.size() / (node.type ? 2 : 1)), 2) +
           le(node.type, 2) + utf16({node.key.begin(), node.key.end()}) + le(0, 2);
    align(out, 4);
    out += node.value;
    for (const VersionNode& child : node.children) align(out, 4), encodeInto(out, child);
    putU16(out, start, node.length.value_or(uint16_t(out.size() - start)));
}

// The resource section: its directories depth first, each entry pointing at what is
// written next; then the entries' name strings and the data, their offsets put in last.
std::string resourceSection(const std::vector<PeResource>& resources) {
    // Type, then (numbered, name, id): named entries first, numbered ones ascending; then language.
    using Names = std::map<std::tuple<bool, std::u16string, uint32_t>, std::map<uint16_t, const PeResource*>>;
    std::map<uint32_t, Names> types;
    for (const PeResource& r : resources)
        types[r.type][{r.name.empty(), r.name, r.name.empty() ? r.id : 0}][r.language] = &r;
    std::string out;
    std::vector<std::pair<size_t, const PeResource*>> names, data;
    auto directory = [&](size_t named, size_t count) {
        out += std::string(12, '\0') + le(uint32_t(named), 2) + le(uint32_t(count - named), 2);
        out.append(8 * count, '\0');
        return out.size() - 8 * count;
    };
    auto entry = [&](size_t& at, uint32_t id, bool toDirectory) {
        putU32(out, at, id);
        putU32(out, at + 4, uint32_t(out.size()) | (toDirectory ? kHighBit : 0));
        at += 8;
    };
    size_t t = directory(0, types.size());
    for (auto& [type, byName] : types) {
        entry(t, type, true);
        size_t n = directory(std::count_if(byName.begin(), byName.end(), [](auto& e) { return !std::get<0>(e.first); }),
                             byName.size());
        for (auto& [key, languages] : byName) {
            if (!std::get<0>(key)) names.push_back({n, languages.begin()->second});
            entry(n, std::get<2>(key), true);
            size_t l = directory(0, languages.size());
            for (auto [language, r] : languages) {
                entry(l, language, false);
                data.push_back({out.size(), r});
                out.append(16, '\0');
            }
        }
    }
    for (auto [at, r] : names) {
        putU32(out, at, kHighBit | uint32_t(out.size()));
        out += le(uint32_t(r->name.size()), 2) + utf16(r->name);
    }
    for (auto [at, r] : data) {
        align(out, 8);
        putU32(out, at, kResourceAddress + uint32_t(out.size()));
        putU32(out, at + 4, uint32_t(r->data.size()));
        out += r->data;
    }
    return out;
}

}  // namespace

void putU16(std::string& bytes, size_t at, uint16_t value) { bytes.replace(at, 2, le(value, 2)); }
void putU32(std::string& bytes, size_t at, uint32_t value) { bytes.replace(at, 4, le(value, 4)); }

VersionNode textNode(const std::string& key, const std::u16string& text) {
    return {key, 1, utf16(text) + le(0, 2), {}, {}, {}};
}
VersionNode binaryNode(const std::string& key, const std::string& bytes) { return {key, 0, bytes, {}, {}, {}}; }
VersionNode parentNode(const std::string& key, std::vector<VersionNode> children) {
    return {key, 1, "", {}, {}, std::move(children)};
}

VersionNode translationNode(const std::vector<std::pair<uint16_t, uint16_t>>& translations) {
    std::string value;
    for (auto [language, codePage] : translations) value += le(language, 2) + le(codePage, 2);
    return parentNode("VarFileInfo", {binaryNode("Translation", value)});
}

VersionNode versionInfo(uint16_t language, uint16_t codePage, const Strings& strings) {
    std::vector<VersionNode> values;
    for (const auto& [name, text] : strings) values.push_back(textNode(name, text));
    char table[9];
    std::snprintf(table, sizeof table, "%04X%04X", unsigned(language), unsigned(codePage));
    VersionNode root = binaryNode("VS_VERSION_INFO", le(0xFEEF04BDu, 4) + le(0x10000, 4) + std::string(44, '\0'));
    root.children = {parentNode("StringFileInfo", {parentNode(table, values)}),
                     translationNode({{language, codePage}})};
    return root;
}

std::string encode(const VersionNode& root) {
    std::string out;
    encodeInto(out, root);
    return out;
}

PeImage buildPe(const std::vector<PeResource>& resources, bool pe32Plus) {
    PeImage image;
    std::string rsrc = resourceSection(resources), &out = image.bytes;
    auto rsrcRaw = uint32_t((rsrc.size() + kFileAlignment - 1) & ~(kFileAlignment - 1));
    const size_t pe = image.peHeader, o = image.optionalHeader, dirs = o + (pe32Plus ? 108 : 92);
    const uint32_t optionalSize = pe32Plus ? 0xF0 : 0xE0;
    image.sectionTable = o + optionalSize;
    out.assign(image.resourceRoot + rsrcRaw, '\0');
    auto put = [&](size_t at, uint32_t value, size_t size) { out.replace(at, size, le(value, size)); };
    auto section = [&](size_t at, std::string name, uint32_t size, uint32_t address,
                       uint32_t rawSize, uint32_t rawOffset) {
        out.replace(at, name.size(), name);
        out.replace(at + 8, 16, le(size, 4) + le(address, 4) + le(rawSize, 4) + le(rawOffset, 4));
        put(at + 36, 0x40000040u, 4);  // initialised data, readable
    };
    // Offset, value, size: the MZ and PE headers, the optional header with the resource
    // table as its third data directory of 16, and one "ret" of code.
    const std::tuple<size_t, uint32_t, size_t> fields[] = {
        {0, 'M' | 'Z' << 8, 2},           {0x3C, uint32_t(pe), 4},
        {pe, 'P' | 'E' << 8, 2},          {pe + 4, pe32Plus ? 0x8664 : 0x014C, 2},
        {pe + 6, 2, 2},                   {pe + 20, optionalSize, 2},
        {pe + 22, 0x2102, 2},             {o, pe32Plus ? 0x20B : 0x10B, 2},
        {o + 32, 0x1000, 4},              {o + 36, kFileAlignment, 4},
        {o + 60, kHeadersSize, 4},        {o + 68, 2, 2},
        {dirs, 16, 4},                    {dirs + 20, kResourceAddress, 4},
        {dirs + 24, uint32_t(rsrc.size()), 4}, {kHeadersSize, 0xC3, 1},
        {o + 56, kResourceAddress + 0x1000 + (rsrcRaw & ~0xFFFu), 4}};  // the image's size
    for (auto [at, value, size] : fields) put(at, value, size);
    section(image.sectionTable, ".text", 0x10, 0x1000, kFileAlignment, kHeadersSize);
    section(image.sectionTable + 40, ".rsrc", uint32_t(rsrc.size()), kResourceAddress, rsrcRaw,
            uint32_t(image.resourceRoot));
    out.replace(image.resourceRoot, rsrc.size(), rsrc);
    return image;
}

PeImage buildPeWithVersion(const std::string& versionResource, bool pe32Plus) {
    return buildPe({PeResource{16, 1, u"", 0x0409, versionResource}}, pe32Plus);
}

}  // namespace gridmate::test
