#include "platform/posix/profile_document.h"

#include <algorithm>

#include "platform/platform.h"

namespace gridmate::platform {

namespace {

constexpr std::string_view kUtf8Marker = "\xEF\xBB\xBF";

// The blanks the profile functions trim: the C blanks and the old end-of-file mark
// (Ctrl+Z) that DOS editors left behind. A no-break space (0xA0) is kept.
bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A'; }

std::string_view trimLeft(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && isBlank(s[i])) ++i;
    return s.substr(i);
}

std::string_view trimRight(std::string_view s) {
    size_t n = s.size();
    while (n > 0 && isBlank(s[n - 1])) --n;
    return s.substr(0, n);
}

std::string_view trim(std::string_view s) { return trimRight(trimLeft(s)); }

// Names and values reach the system as C strings: a NUL byte ends them.
std::string_view untilNul(std::string_view s) { return s.substr(0, s.find('\0')); }

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string lowerAscii(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) { return lowerAscii(c); });
    return out;
}

// Only ASCII letters fold: the system leaves accented letters of the code page as they are.
bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

// A value standing in matching quotes of either kind is read without them.
std::string unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return std::string(value.substr(1, value.size() - 2));
    return std::string(value);
}

// The system drops blanks (only code 32) at the end of a default value, but always
// keeps its first character.
std::string_view trimDefault(std::string_view def) {
    size_t n = def.size();
    while (n > 1 && def[n - 1] == ' ') --n;
    return def.substr(0, n);
}

}  // namespace

ProfileDocument::ProfileDocument() : sections_(1) { reindex(); }

ProfileDocument ProfileDocument::parse(std::string_view bytes) {
    ProfileDocument doc;
    if (bytes.substr(0, kUtf8Marker.size()) == kUtf8Marker) {
        doc.utf8Marker_ = true;
        bytes.remove_prefix(kUtf8Marker.size());
    }
    // A CR alone, an LF alone and CR LF all end a line; empty lines vanish.
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = trim(bytes.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty()) continue;

        if (line.front() == '[') {
            size_t close = line.rfind(']');
            if (close != std::string_view::npos) {
                doc.sections_.push_back(
                    Section{std::string(untilNul(trim(line.substr(1, close - 1)))), {}});
                continue;
            }
        }

        std::string_view name = line;
        std::optional<std::string> value;
        if (size_t eq = line.find('='); eq != std::string_view::npos) {
            name = trimRight(line.substr(0, eq));
            value = std::string(untilNul(trimLeft(line.substr(eq + 1))));
        }
        // Of several lines in a row without a key name, only the first is kept.
        auto& entries = doc.sections_.back().entries;
        if (!name.empty() || entries.empty() || !entries.back().name.empty())
            entries.push_back(Entry{std::string(untilNul(name)), std::move(value)});
    }
    doc.reindex();
    return doc;
}

ProfileDocument ProfileDocument::load(const std::string& path) {
    IoError err;
    std::optional<std::string> bytes = fs().readFile(path, err);
    return bytes ? parse(*bytes) : ProfileDocument();
}

void ProfileDocument::reindex() {
    index_.clear();
    for (size_t i = 0; i < sections_.size(); ++i)
        index_.try_emplace(lowerAscii(sections_[i].name), i);
}

ProfileDocument::Section* ProfileDocument::findSection(std::string_view name) {
    auto it = index_.find(lowerAscii(name));
    return it == index_.end() ? nullptr : &sections_[it->second];
}

const ProfileDocument::Section* ProfileDocument::findSection(std::string_view name) const {
    auto it = index_.find(lowerAscii(name));
    return it == index_.end() ? nullptr : &sections_[it->second];
}

std::string ProfileDocument::getString(std::string_view section, std::string_view key,
                                       std::string_view def) const {
    if (const Section* s = findSection(trim(untilNul(section)))) {
        std::string_view wanted = trim(untilNul(key));
        for (const Entry& e : s->entries) {
            if (!equalsNoCase(e.name, wanted)) continue;
            if (e.value) return unquote(*e.value);
            break;
        }
    }
    return unquote(trimDefault(untilNul(def)));
}

std::vector<std::string> ProfileDocument::getSection(std::string_view section) const {
    std::vector<std::string> lines;
    const Section* s = findSection(untilNul(section));
    if (!s) return lines;
    for (const Entry& e : s->entries) {
        if (e.name.empty() && !e.value) continue;
        if (!e.name.empty() && e.name.front() == ';') continue;
        lines.push_back(e.value ? e.name + "=" + *e.value : e.name);
    }
    return lines;
}

std::vector<std::string> ProfileDocument::sectionNames() const {
    std::vector<std::string> names;
    // The first section only holds the lines before the first header.
    for (size_t i = 1; i < sections_.size(); ++i) names.push_back(sections_[i].name);
    return names;
}

bool ProfileDocument::setString(std::string_view section, std::string_view key,
                                std::string_view value) {
    section = untilNul(section);
    key = untilNul(key);
    Entry* entry = nullptr;
    if (Section* s = findSection(trim(section))) {
        std::string_view wanted = trim(key);
        for (Entry& e : s->entries)
            if (equalsNoCase(e.name, wanted)) {
                entry = &e;
                break;
            }
        if (!entry) entry = &s->entries.emplace_back(Entry{std::string(trimLeft(key)), {}});
    } else {
        // A new name keeps the caller's trailing blanks; the next parse drops them.
        sections_.push_back(Section{std::string(trimLeft(section)), {}});
        entry = &sections_.back().entries.emplace_back(Entry{std::string(trimLeft(key)), {}});
        reindex();
    }
    std::string_view newValue = trimLeft(untilNul(value));
    if (entry->value && *entry->value == newValue) return false;
    entry->value = std::string(newValue);
    return true;
}

bool ProfileDocument::deleteKey(std::string_view section, std::string_view key) {
    section = untilNul(section);
    key = untilNul(key);
    // Unlike a read, a deletion looks through every section of that name.
    for (Section& s : sections_) {
        if (!equalsNoCase(s.name, section)) continue;
        auto it = std::find_if(s.entries.begin(), s.entries.end(),
                               [&](const Entry& e) { return equalsNoCase(e.name, key); });
        if (it != s.entries.end()) {
            s.entries.erase(it);
            return true;
        }
    }
    return false;
}

bool ProfileDocument::deleteSection(std::string_view section) {
    section = untilNul(section);
    auto it = std::find_if(sections_.begin(), sections_.end(),
                           [&](const Section& s) { return equalsNoCase(s.name, section); });
    if (it == sections_.end()) return false;
    sections_.erase(it);
    reindex();
    return true;
}

bool ProfileDocument::replaceSection(std::string_view section,
                                     const std::vector<std::string>& lines) {
    section = untilNul(section);
    bool changed = false;
    for (Section& s : sections_) {
        if (equalsNoCase(s.name, section) && !s.entries.empty()) {
            s.entries.clear();
            changed = true;
        }
    }
    // The lines travel as one NUL-separated list, so a NUL inside a line splits it and
    // an empty line ends the list.
    std::string list;
    for (const std::string& line : lines) list += line + '\0';
    std::string_view rest = list;
    while (!rest.empty() && rest.front() != '\0') {
        std::string_view line = rest.substr(0, rest.find('\0'));
        rest.remove_prefix(line.size() + 1);
        size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        Section* s = findSection(trim(section));
        if (!s) {
            sections_.push_back(Section{std::string(trimLeft(section)), {}});
            reindex();
            s = &sections_.back();
        }
        s->entries.push_back(Entry{std::string(trimLeft(line.substr(0, eq))),
                                   std::string(trimLeft(line.substr(eq + 1)))});
        changed = true;
    }
    return changed;
}

std::string ProfileDocument::serialize() const {
    std::string out;
    if (utf8Marker_) out += kUtf8Marker;
    for (const Section& s : sections_) {
        if (!s.name.empty()) out += "[" + s.name + "]\r\n";
        for (const Entry& e : s.entries) {
            out += e.name;
            if (e.value) out += "=" + *e.value;
            out += "\r\n";
        }
    }
    return out;
}

}  // namespace gridmate::platform
