#include "support/pe_builder.h"

#include <algorithm>
#include <cstdio>

namespace gridmate::test {

namespace {

constexpr size_t kPeHeaderAt = 0x80;
constexpr size_t kHeadersSize = 0x400;
constexpr size_t kFileAlignment = 0x200;
constexpr uint32_t kCodeAddress = 0x1000;
// The resource section sits at a different place in memory than in the file, so that
// a reader that forgets to map addresses through the section table misses it.
constexpr uint32_t kResourceAddress = 0x3000;
constexpr uint32_t kHighBit = 0x80000000u;

void appendU16(std::string& out, uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

void appendU32(std::string& out, uint32_t v) {
    appendU16(out, static_cast<uint16_t>(v & 0xFFFF));
    appendU16(out, static_cast<uint16_t>(v >> 16));
}

void padTo(std::string& out, size_t alignment) {
    while (out.size() % alignment) out.push_back('\0');
}

std::string utf16(const std::u16string& text) {
    std::string out;
    for (char16_t c : text) appendU16(out, static_cast<uint16_t>(c));
    return out;
}

void encodeInto(std::string& out, const VersionNode& node) {
    size_t start = out.size();
    appendU16(out, 0);
    uint16_t natural = static_cast<uint16_t>(node.type ? node.value.size() / 2 : node.value.size());
    appendU16(out, node.valueLength.value_or(natural));
    appendU16(out, node.type);
    for (char c : node.key) appendU16(out, static_cast<unsigned char>(c));
    appendU16(out, 0);
    padTo(out, 4);
    out += node.value;
    for (const VersionNode& child : node.children) {
        padTo(out, 4);
        encodeInto(out, child);
    }
    putU16(out, start, node.length.value_or(static_cast<uint16_t>(out.size() - start)));
}

struct Language {
    uint16_t id;
    size_t resource;
};
struct Name {
    const PeResource* key;
    std::vector<Language> languages;
};
struct Type {
    uint32_t id;
    std::vector<Name> names;
};

std::vector<Type> group(const std::vector<PeResource>& resources) {
    std::vector<Type> types;
    for (size_t i = 0; i < resources.size(); ++i) {
        const PeResource& r = resources[i];
        Type* type = nullptr;
        for (Type& t : types)
            if (t.id == r.type) type = &t;
        if (!type) type = &types.emplace_back(Type{r.type, {}});
        Name* name = nullptr;
        for (Name& n : type->names)
            if (n.key->name == r.name && (!r.name.empty() || n.key->id == r.id)) name = &n;
        if (!name) {
            // Named entries precede numbered ones.
            auto at = type->names.end();
            if (!r.name.empty()) {
                at = type->names.begin();
                while (at != type->names.end() && !at->key->name.empty()) ++at;
            }
            name = &*type->names.insert(at, Name{&r, {}});
        }
        name->languages.push_back({r.language, i});
    }
    // Numbered entries stand in ascending order, as the system's binary search expects.
    auto byId = [](const auto& a, const auto& b) { return a.id < b.id; };
    std::stable_sort(types.begin(), types.end(), byId);
    for (Type& t : types) {
        std::stable_sort(t.names.begin(), t.names.end(), [](const Name& a, const Name& b) {
            if (a.key->name.empty() != b.key->name.empty()) return !a.key->name.empty();
            return a.key->name.empty() && a.key->id < b.key->id;
        });
        for (Name& n : t.names) std::stable_sort(n.languages.begin(), n.languages.end(), byId);
    }
    return types;
}

void appendDirectory(std::string& out, size_t named, size_t numbered) {
    appendU32(out, 0);
    appendU32(out, 0);
    appendU32(out, 0);
    appendU16(out, static_cast<uint16_t>(named));
    appendU16(out, static_cast<uint16_t>(numbered));
}

// The resource section's bytes; `firstData` receives the offset of resources[0]'s data.
std::string resourceSection(const std::vector<PeResource>& resources, size_t& firstData) {
    std::vector<Type> types = group(resources);
    // Offsets of every directory, data entry and name string, in the order written.
    size_t at = 16 + 8 * types.size();
    std::vector<size_t> typeAt, nameAt, entryAt;
    for (const Type& t : types) {
        typeAt.push_back(at);
        at += 16 + 8 * t.names.size();
    }
    for (const Type& t : types)
        for (const Name& n : t.names) {
            nameAt.push_back(at);
            at += 16 + 8 * n.languages.size();
        }
    std::vector<size_t> entryOf(resources.size());
    for (size_t i = 0; i < resources.size(); ++i) {
        entryOf[i] = at;
        at += 16;
    }
    std::vector<size_t> stringAt;
    for (const Type& t : types)
        for (const Name& n : t.names) {
            stringAt.push_back(at);
            if (!n.key->name.empty()) at += 2 + 2 * n.key->name.size();
        }
    std::vector<size_t> dataAt(resources.size());
    for (size_t i = 0; i < resources.size(); ++i) {
        at = (at + 7) & ~size_t{7};
        dataAt[i] = at;
        at += resources[i].data.size();
    }

    std::string out;
    appendDirectory(out, 0, types.size());
    for (size_t i = 0; i < types.size(); ++i) {
        appendU32(out, types[i].id);
        appendU32(out, kHighBit | static_cast<uint32_t>(typeAt[i]));
    }
    size_t nameIndex = 0;
    for (const Type& t : types) {
        size_t named = 0;
        for (const Name& n : t.names) named += n.key->name.empty() ? 0 : 1;
        appendDirectory(out, named, t.names.size() - named);
        for (size_t i = 0; i < t.names.size(); ++i) {
            const PeResource& key = *t.names[i].key;
            appendU32(out, key.name.empty()
                               ? key.id
                               : kHighBit | static_cast<uint32_t>(stringAt[nameIndex + i]));
            appendU32(out, kHighBit | static_cast<uint32_t>(nameAt[nameIndex + i]));
        }
        nameIndex += t.names.size();
    }
    for (const Type& t : types)
        for (const Name& n : t.names) {
            appendDirectory(out, 0, n.languages.size());
            for (const Language& l : n.languages) {
                appendU32(out, l.id);
                appendU32(out, static_cast<uint32_t>(entryOf[l.resource]));
            }
        }
    for (size_t i = 0; i < resources.size(); ++i) {
        appendU32(out, kResourceAddress + static_cast<uint32_t>(dataAt[i]));
        appendU32(out, static_cast<uint32_t>(resources[i].data.size()));
        appendU32(out, 0);
        appendU32(out, 0);
    }
    for (const Type& t : types)
        for (const Name& n : t.names)
            if (!n.key->name.empty()) {
                appendU16(out, static_cast<uint16_t>(n.key->name.size()));
                out += utf16(n.key->name);
            }
    for (size_t i = 0; i < resources.size(); ++i) {
        out.resize(dataAt[i], '\0');
        out += resources[i].data;
    }
    firstData = resources.empty() ? out.size() : dataAt[0];
    return out;
}

void appendSectionHeader(std::string& out, const char* name, uint32_t virtualSize, uint32_t address,
                         uint32_t rawSize, uint32_t rawOffset) {
    std::string n(name);
    n.resize(8, '\0');
    out += n;
    appendU32(out, virtualSize);
    appendU32(out, address);
    appendU32(out, rawSize);
    appendU32(out, rawOffset);
    for (int i = 0; i < 3; ++i) appendU32(out, 0);
    appendU32(out, 0x40000040u);  // initialised data, readable
}

}  // namespace

void putU16(std::string& bytes, size_t at, uint16_t value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

void putU32(std::string& bytes, size_t at, uint32_t value) {
    putU16(bytes, at, static_cast<uint16_t>(value & 0xFFFF));
    putU16(bytes, at + 2, static_cast<uint16_t>(value >> 16));
}

VersionNode textNode(const std::string& key, const std::u16string& text) {
    VersionNode node;
    node.key = key;
    node.type = 1;
    node.value = utf16(text);
    node.value.append(2, '\0');
    return node;
}

VersionNode binaryNode(const std::string& key, const std::string& bytes) {
    VersionNode node;
    node.key = key;
    node.value = bytes;
    return node;
}

VersionNode parentNode(const std::string& key, std::vector<VersionNode> children) {
    VersionNode node;
    node.key = key;
    node.type = 1;
    node.children = std::move(children);
    return node;
}

VersionNode translationNode(const std::vector<std::pair<uint16_t, uint16_t>>& translations) {
    std::string value;
    for (auto [language, codePage] : translations) {
        appendU16(value, language);
        appendU16(value, codePage);
    }
    return parentNode("VarFileInfo", {binaryNode("Translation", value)});
}

std::string tableKey(uint16_t language, uint16_t codePage) {
    char key[9];
    std::snprintf(key, sizeof key, "%04X%04X", static_cast<unsigned>(language),
                  static_cast<unsigned>(codePage));
    return key;
}

VersionNode versionInfo(uint16_t language, uint16_t codePage, const Strings& strings) {
    std::string fixed;
    appendU32(fixed, 0xFEEF04BDu);
    appendU32(fixed, 0x00010000u);
    for (int i = 0; i < 11; ++i) appendU32(fixed, 0);
    std::vector<VersionNode> values;
    for (const auto& [name, text] : strings) values.push_back(textNode(name, text));
    VersionNode root = binaryNode("VS_VERSION_INFO", fixed);
    root.children = {
        parentNode("StringFileInfo", {parentNode(tableKey(language, codePage), values)}),
        translationNode({{language, codePage}}),
    };
    return root;
}

std::string encode(const VersionNode& root) {
    std::string out;
    encodeInto(out, root);
    return out;
}

PeImage buildPe(const std::vector<PeResource>& resources, bool pe32Plus) {
    PeImage image;
    size_t firstData = 0;
    std::string rsrc = resourceSection(resources, firstData);
    uint32_t rsrcRaw =
        static_cast<uint32_t>((rsrc.size() + kFileAlignment - 1) & ~(kFileAlignment - 1));
    size_t rsrcAt = kHeadersSize + kFileAlignment;

    std::string& out = image.bytes;
    out = "MZ";
    out.resize(kPeHeaderAt, '\0');
    putU32(out, 0x3C, kPeHeaderAt);
    image.peHeader = out.size();
    out += std::string("PE\0\0", 4);
    appendU16(out, pe32Plus ? 0x8664 : 0x014C);
    appendU16(out, 2);  // sections
    appendU32(out, 0);
    appendU32(out, 0);
    appendU32(out, 0);
    appendU16(out, pe32Plus ? 0xF0 : 0xE0);
    appendU16(out, 0x2102);  // a DLL

    image.optionalHeader = out.size();
    std::string optional;
    appendU16(optional, pe32Plus ? 0x20B : 0x10B);
    optional.resize(pe32Plus ? 0xF0 : 0xE0, '\0');
    putU32(optional, 32, 0x1000);  // section alignment
    putU32(optional, 36, kFileAlignment);
    putU32(optional, 56, kResourceAddress + 0x1000 + (rsrcRaw & ~0xFFFu));  // image size
    putU32(optional, 60, kHeadersSize);
    putU16(optional, 68, 2);  // subsystem
    size_t countAt = pe32Plus ? 108 : 92;
    putU32(optional, countAt, 16);
    putU32(optional, countAt + 4 + 2 * 8, kResourceAddress);
    putU32(optional, countAt + 4 + 2 * 8 + 4, static_cast<uint32_t>(rsrc.size()));
    out += optional;

    image.sectionTable = out.size();
    appendSectionHeader(out, ".text", 0x10, kCodeAddress, kFileAlignment, kHeadersSize);
    appendSectionHeader(out, ".rsrc", static_cast<uint32_t>(rsrc.size()), kResourceAddress, rsrcRaw,
                        static_cast<uint32_t>(rsrcAt));
    out.resize(kHeadersSize, '\0');
    out.push_back('\xC3');  // ret
    out.resize(rsrcAt, '\0');
    image.resourceRoot = out.size();
    image.firstData = rsrcAt + firstData;
    out += rsrc;
    out.resize(rsrcAt + rsrcRaw, '\0');
    return image;
}

PeImage buildPeWithVersion(const std::string& versionResource, bool pe32Plus) {
    PeResource r;
    r.data = versionResource;
    return buildPe({r}, pe32Plus);
}

}  // namespace gridmate::test
