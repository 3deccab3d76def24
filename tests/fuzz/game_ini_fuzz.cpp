// The game INI engine on a random file: a random read, or the write of one key line.
// A write must change exactly that line or insert it (with the section header and blank
// lines its position calls for), keep every other line and its line end, and be read
// back as written; writing the same line again changes nothing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/ini/game_ini.h"
#include "core/ini/ini_text.h"
#include "fuzz_check.h"
#include "fuzz_fields.h"
#include "memory_file_system.h"

using namespace gridmate;

namespace {

const std::string kFile = "/game/core.ini";

struct Line {
    std::string content;
    std::string end;
};

std::vector<Line> linesOf(const std::string& text) {
    std::vector<Line> out;
    for (const TextLine& l : splitLines(text))
        out.push_back({text.substr(l.start, l.contentEnd - l.start),
                       text.substr(l.contentEnd, l.end - l.contentEnd)});
    return out;
}

std::string trimmedBlanks(std::string s) {
    while (!s.empty() && s.front() == ' ') s.erase(0, 1);
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

// A key as the program writes one: no line break or "=", and it starts with neither
// indentation nor "[", which would make its line a section header.
std::string usableKey(const std::string& raw) {
    std::string key = fuzz::without(raw, "\r\n=");
    while (!key.empty() && (key.front() == ' ' || key.front() == '\t' || key.front() == '['))
        key.erase(0, 1);
    return key.empty() ? "key" : key;
}

void checkRead(const std::string& text, const std::string& header, const std::string& key) {
    std::string value = "unchanged";
    int32_t count = lngReadIniValue(kFile, header, key, value);
    IniValue expected = readIniText(text, header, key);
    FUZZ_CHECK(count == expected.count && value == expected.value);
    FUZZ_CHECK(count >= 0 && static_cast<size_t>(count) >= value.size());
    FUZZ_CHECK(value.find('\t') == std::string::npos && value.find(';') == std::string::npos);
    FUZZ_CHECK(value == trimmedBlanks(value));
}

// `after` is `before` with `line` written: either one line replaced (its indentation
// kept), or a block inserted that holds the line, perhaps the header, and blank lines.
void checkLines(const std::vector<Line>& before, const std::vector<Line>& after,
                const std::string& header, const std::string& line, bool hadSection) {
    if (after.size() == before.size()) {
        size_t changed = 0;
        for (size_t i = 0; i < before.size(); ++i) {
            FUZZ_CHECK(after[i].end == before[i].end);
            if (after[i].content == before[i].content) continue;
            ++changed;
            const std::string& old = before[i].content;
            std::string indent = old.substr(0, old.find_first_not_of(" \t"));
            FUZZ_CHECK(after[i].content == indent + line);
        }
        FUZZ_CHECK(changed <= 1);
        return;
    }
    FUZZ_CHECK(after.size() > before.size());
    // An unterminated last line that ends in a lone CR loses it to its line end once
    // a LF follows: its bytes stay, only the line they form is shorter.
    auto same = [&](size_t i, const Line& now) {
        const Line& old = before[i];
        return now.content == old.content ||
               (i + 1 == before.size() && old.end.empty() && now.end == "\r\n" &&
                now.content + "\r" == old.content);
    };
    size_t head = 0;
    while (head < before.size() && same(head, after[head])) ++head;
    size_t tail = 0;
    while (head + tail < before.size() &&
           same(before.size() - 1 - tail, after[after.size() - 1 - tail]))
        ++tail;
    FUZZ_CHECK(head + tail == before.size());
    for (size_t i = 0; i < before.size(); ++i) {
        const Line& old = before[i];
        const Line& now = i < head ? after[i] : after[after.size() - before.size() + i];
        // Only the last line may gain a line end, when something follows it: an
        // unterminated one, or one that a lone CR ends (completed to CR LF).
        FUZZ_CHECK(now.end == old.end ||
                   (i + 1 == before.size() && (old.end.empty() || old.end == "\r")));
        FUZZ_CHECK(same(i, now));
    }
    size_t lines = 0, headers = 0, blanks = 0;
    for (size_t i = head; i < after.size() - tail; ++i) {
        const std::string& c = after[i].content;
        if (c == line && lines == 0) ++lines;
        else if (c == header && !hadSection && headers == 0) ++headers;
        else if (c.empty()) ++blanks;
        else FUZZ_CHECK(!"an inserted line is neither the written line nor a blank line");
    }
    FUZZ_CHECK(lines == 1 && headers == (hadSection ? 0u : 1u) && blanks <= 2);
}

void checkWrite(fuzz::MemoryFileSystem& files, const std::string& text, const std::string& header,
                const std::string& key, const std::string& value) {
    const std::string line = key + "=" + value;
    FUZZ_CHECK(lngWriteIniLine(kFile, header, key, line) == 0);
    const std::string written = files.files.at(kFile);
    FUZZ_CHECK(written == patchIniText(text, header, key, line));

    auto lines = splitLines(text);
    bool hadSection = findSection(text, lines, header).has_value();
    checkLines(linesOf(text), linesOf(written), header, line, hadSection);

    std::string readBack;
    FUZZ_CHECK(lngReadIniValue(kFile, header, key, readBack) ==
               static_cast<int32_t>(value.size()));
    FUZZ_CHECK(readBack == value);

    FUZZ_CHECK(lngWriteIniLine(kFile, header, key, line) == 0);
    FUZZ_CHECK(files.files.at(kFile) == written);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Fields fields(data, size);
    const bool write = fields.choice() & 1;
    const std::string section = fields.next();
    const std::string rawKey = fields.next();
    const std::string rawValue = fields.next();
    const std::string text = fields.rest();

    fuzz::MemoryFileSystem files;
    fuzz::NoUserUi user;
    platform::ScopedPlatform scoped({&files, nullptr, nullptr, &user, nullptr});
    files.files[kFile] = text;

    if (!write) {
        checkRead(text, section, rawKey);
        FUZZ_CHECK(files.files.at(kFile) == text);
        return 0;
    }
    // What the program writes: a header in brackets, and a value that reads back as it
    // is (no tab, no comment, no blanks around it, no line break).
    const std::string header = "[" + fuzz::without(section, "\r\n") + "]";
    const std::string value = trimmedBlanks(fuzz::without(rawValue, "\t;\r\n"));
    checkWrite(files, text, header, usableKey(rawKey), value);
    return 0;
}
