// Random game-style files and random writes, checked against a line-list model of the
// engine written independently of it, and against properties every write must keep.
#include <gtest/gtest.h>

#include <random>

#include "core/ini/ini_text.h"

using namespace gridmate;

namespace {

struct Line {
    std::string text;
    std::string end;  // "\r\n", "\n" or "" (last line without a break)
    bool operator==(const Line&) const = default;
};
using Lines = std::vector<Line>;

Lines parse(const std::string& s) {
    Lines lines;
    std::string current;
    for (char c : s) {
        if (c != '\n') {
            current += c;
            continue;
        }
        bool cr = !current.empty() && current.back() == '\r';
        if (cr) current.pop_back();
        lines.push_back({current, cr ? "\r\n" : "\n"});
        current.clear();
    }
    if (!current.empty()) lines.push_back({current, ""});
    return lines;
}

std::string join(const Lines& lines) {
    std::string s;
    for (const Line& l : lines) s += l.text + l.end;
    return s;
}

std::string unindented(const std::string& s) {
    return s.substr(std::min(s.find_first_not_of(" \t"), s.size()));
}

bool opensSection(const Line& l) { return unindented(l.text).starts_with("["); }

bool holdsKey(const Line& l, const std::string& key) {
    std::string t = unindented(l.text);
    if (!t.starts_with(key)) return false;
    return t.size() == key.size() || t[key.size()] == ' ' || t[key.size()] == '\t' ||
           t[key.size()] == '=';
}

// [first, end) of the section, or nothing.
std::optional<std::pair<size_t, size_t>> sectionOf(const Lines& lines, const std::string& header) {
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!unindented(lines[i].text).starts_with(header)) continue;
        size_t end = i + 1;
        while (end < lines.size() && !opensSection(lines[end])) ++end;
        return std::pair{i, end};
    }
    return std::nullopt;
}

std::optional<size_t> keyLineOf(const Lines& lines, std::pair<size_t, size_t> section,
                                const std::string& key) {
    for (size_t i = section.first + 1; i < section.second; ++i)
        if (holdsKey(lines[i], key)) return i;
    return std::nullopt;
}

std::string modelPatch(const std::string& old, const std::string& header, const std::string& key,
                       const std::string& line) {
    Lines lines = parse(old);
    std::string eol = "\r\n";
    for (const Line& l : lines)
        if (!l.end.empty()) {
            eol = l.end;
            break;
        }
    auto terminateLast = [&] {
        if (!lines.empty() && lines.back().end.empty()) lines.back().end = eol;
    };
    auto section = sectionOf(lines, header);
    if (!section) {
        bool endsBlank = !lines.empty() && lines.back().text.empty() && !lines.back().end.empty();
        bool addBlank = !lines.empty() && !endsBlank;
        terminateLast();
        if (addBlank) lines.push_back({"", eol});
        lines.push_back({header, eol});
        lines.push_back({line, eol});
    } else if (auto k = keyLineOf(lines, *section, key)) {
        std::string& t = lines[*k].text;
        t = t.substr(0, t.size() - unindented(t).size()) + line;
    } else if (auto [first, end] = *section; end - 1 > first && lines[end - 1].text.empty()) {
        lines.insert(lines.begin() + static_cast<long>(end - 1), {line, eol});
    } else if (end == lines.size()) {
        if (lines.back().end.empty())
            terminateLast();
        else
            lines.push_back({"", eol});
        lines.push_back({line, eol});
        lines.push_back({"", eol});
    } else {
        lines.insert(lines.begin() + static_cast<long>(end), {{line, eol}, {"", eol}});
    }
    return join(lines);
}

const std::vector<std::string> kHeaders = {"[ Player ]", "[ Personal Information ]",
                                           "[Personal Information]", "[Wings]", "[ Graphics ]"};
const std::vector<std::string> kKeys = {"team", "teamName", "helmetColor", "lastPlayer", "name"};

struct Generator {
    std::mt19937 rng{20240611};
    size_t pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng); }
    bool chance(int percent) { return static_cast<int>(pick(100)) < percent; }
    template <typename T>
    const T& any(const std::vector<T>& v) {
        return v[pick(v.size())];
    }

    std::string value() {
        static const std::string alphabet = "abcXYZ09 []=-.";
        std::string v;
        for (size_t n = pick(8); n > 0; --n) v += alphabet[pick(alphabet.size())];
        while (!v.empty() && v.back() == ' ') v.pop_back();
        return v.substr(std::min(v.find_first_not_of(' '), v.size()));
    }
    std::string indent() {
        return chance(20) ? any(std::vector<std::string>{" ", "\t", "  \t"}) : "";
    }
    std::string equals() { return any(std::vector<std::string>{" = ", "\t= ", "=", " =\t"}); }
    std::string bodyLine() {
        switch (pick(6)) {
            case 0:
                return "";
            case 1:
                return indent() + "; " + any(kKeys) + " notes [x]";
            case 2:
                return indent() + any(kKeys) + " = [GPL] " + value();
            default:
                return indent() + any(kKeys) + equals() + value() +
                       (chance(50) ? "\t; " + any(kKeys) : "");
        }
    }
    std::string file() {
        if (chance(5)) return "";
        int style = static_cast<int>(pick(10));  // 0-4 CR LF, 5-8 LF, 9 mixed
        auto eol = [&] {
            return style < 5 ? "\r\n" : style < 9 ? "\n" : (chance(50) ? "\r\n" : "\n");
        };
        std::string s;
        if (chance(20)) s += "; game settings" + std::string(eol());
        for (size_t n = pick(5); n > 0; --n) {
            s += indent() + any(kHeaders) + eol();
            for (size_t m = pick(6); m > 0; --m) s += bodyLine() + eol();
        }
        if (!s.empty() && chance(30)) s.resize(s.size() - (s.ends_with("\r\n") ? 2 : 1));
        return s;
    }
};

}  // namespace

TEST(IniProperty, RandomWritesMatchTheLineModelAndChangeOnlyTheirLine) {
    Generator gen;
    for (int round = 0; round < 4000; ++round) {
        std::string text = gen.file();
        std::string header = gen.chance(90) ? gen.any(kHeaders) : "[ New ]";
        std::string key = gen.any(kKeys);
        std::string value = gen.value();
        std::string line = key + gen.equals() + value + (gen.chance(50) ? "\t; " + key : "");
        SCOPED_TRACE("round " + std::to_string(round) + " text: " + text);

        std::string patched = patchIniText(text, header, key, line);
        ASSERT_EQ(patched, modelPatch(text, header, key, line)) << header << " / " << line;
        EXPECT_EQ(readIniText(patched, header, key).value, value);

        // Every other value reads as before.
        for (const std::string& h : kHeaders) {
            for (const std::string& k : kKeys) {
                if (h == header && k == key) continue;
                ASSERT_EQ(readIniText(patched, h, k).value, readIniText(text, h, k).value)
                    << h << " " << k;
            }
        }

        // The old lines survive in order; what is new is the line, blank lines, a header.
        Lines before = parse(text), after = parse(patched);
        size_t head = 0, tail = 0;
        while (head < before.size() && head < after.size() && before[head] == after[head]) ++head;
        while (tail < before.size() - head && tail < after.size() - head &&
               before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
            ++tail;
        ASSERT_LE(before.size() - head - tail, 1u);
        size_t lineCount = 0;
        for (size_t i = head; i < after.size() - tail; ++i) {
            std::string t = unindented(after[i].text);
            bool oldLine = head + tail < before.size() && t == unindented(before[head].text);
            if (t == line)
                ++lineCount;
            else if (!t.empty() && t != header && !oldLine)
                ADD_FAILURE() << "unexpected line: " << t;
        }
        EXPECT_EQ(lineCount,
                  patched == text ? 0u : 1u);  // rewriting a line as it was changes nothing
    }
}
