// The portable profile reader and writer on a random file: reads of random names never
// fail, a file rewritten once stays as it is, and a written value or a replaced section
// is what the next reading of the file sees.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "fuzz_fields.h"
#include "memory_file_system.h"
#include "platform/posix/profile_document.h"
#include "platform/posix/profile_text.h"

using namespace gridmate;
using platform::ProfileDocument;

namespace {

const std::string kFile = "/game/seasons/67season.ini";

bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A'; }

std::string trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return std::string(s);
}

std::string unquoted(const std::string& s) {
    if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front())
        return s.substr(1, s.size() - 2);
    return s;
}

const std::string_view kLineBreaksAndNul("\r\n\0", 3);

// A name a caller can write and find again: one line, no NUL, and for a key neither
// "=" nor a leading "[" (the line would become a header) nor ";" (a comment line).
std::string usableName(const std::string& raw, bool key) {
    std::string name = trimmed(fuzz::without(fuzz::without(raw, kLineBreaksAndNul),
                                             key ? "=" : ""));
    while (key && !name.empty() && (name.front() == '[' || name.front() == ';'))
        name = trimmed(name.substr(1));
    return name.empty() ? "k" : name;
}

// A file this program has written once reads the same after any further rewrite. (The
// first rewrite may change what reads: like the system, it drops the header of a
// section without a name, whose lines then join the section above.) Not so for the
// odd files below.
void checkRewriteIsStable(const std::string& text, const std::string& section,
                          const std::string& key, bool oddFile) {
    ProfileDocument once = ProfileDocument::parse(ProfileDocument::parse(text).serialize());
    ProfileDocument twice = ProfileDocument::parse(once.serialize());
    if (oddFile) return;
    FUZZ_CHECK(twice.serialize() == once.serialize());
    FUZZ_CHECK(twice.getString(section, key, "-") == once.getString(section, key, "-"));
    FUZZ_CHECK(twice.getSection(section) == once.getSection(section));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Fields fields(data, size);
    const unsigned char op = fields.choice();
    const std::string section = fields.next();
    const std::string key = fields.next();
    const std::string value = fields.next();
    const std::string text = fields.rest();

    fuzz::MemoryFileSystem files;
    platform::TextProfile profile;
    platform::ScopedPlatform scoped({&files, &profile, nullptr, nullptr, nullptr});
    files.files[kFile] = text;

    ProfileDocument doc = ProfileDocument::parse(text);
    FUZZ_CHECK(profile.getString(kFile, section, key, "-") == doc.getString(section, key, "-"));
    // Two kinds of file whose first rewrite changes what reads, as the system's does: one
    // with NUL bytes (a name cut at one keeps the blanks before it, a line cut to
    // nothing is written empty), and one with the UTF-8 marker's bytes past its start,
    // which the rewrite may move to the start, where they are read as the marker.
    const bool oddFile = text.find('\0') != std::string::npos ||
                        text.find("\xEF\xBB\xBF", 1) != std::string::npos;
    checkRewriteIsStable(text, section, key, oddFile);

    const std::string s = usableName(section, false);
    const std::string k = usableName(key, true);
    // w: write a value, d: delete a key, e: erase a section, s: replace a section.
    size_t kind = std::string_view("wdes").find(static_cast<char>(op));
    switch (kind == std::string_view::npos ? op % 4 : kind) {
        case 0: {
            // A NUL ends the value, as it ends the C string the system is given.
            const std::string v = fuzz::without(value, "\r\n");
            FUZZ_CHECK(profile.writeString(kFile, s, k, v));
            // Then it reads back, and writing it again leaves the file as it is.
            if (oddFile) break;
            std::string expected = unquoted(trimmed(v.substr(0, v.find('\0'))));
            FUZZ_CHECK(profile.getString(kFile, s, k, "-") == expected);
            std::string before = files.files.at(kFile);
            FUZZ_CHECK(profile.writeString(kFile, s, k, v));
            FUZZ_CHECK(files.files.at(kFile) == before);
            break;
        }
        case 1: {
            // Deletion takes the first such key; a second one in the same section stays.
            FUZZ_CHECK(profile.writeString(kFile, s, k, std::nullopt));
            FUZZ_CHECK(profile.writeString(kFile, s, k, std::nullopt));
            break;
        }
        case 2: {
            FUZZ_CHECK(profile.writeString(kFile, s, std::nullopt, std::nullopt));
            break;
        }
        case 3: {
            // Lines "k=v" from the value field, one per ","; each must come back trimmed.
            std::vector<std::string> lines, expected;
            std::string_view rest = value;
            while (!rest.empty()) {
                std::string_view part = rest.substr(0, rest.find(','));
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
                std::string v = trimmed(fuzz::without(part, kLineBreaksAndNul));
                lines.push_back(k + "=" + v);
                expected.push_back(k + "=" + v);
            }
            FUZZ_CHECK(profile.writeSection(kFile, s, lines));
            if (oddFile) break;
            // Lines of a following section without a name may join after them.
            std::vector<std::string> got = profile.getSection(kFile, s);
            FUZZ_CHECK(got.size() >= expected.size() &&
                       std::equal(expected.begin(), expected.end(), got.begin()));
            break;
        }
    }
    checkRewriteIsStable(files.files.at(kFile), s, k, oddFile);
    return 0;
}
