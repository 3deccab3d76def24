#include "platform/paths.h"

#include <algorithm>
#include <string_view>

#include "platform/platform.h"

namespace gridmate::platform {

#ifdef _WIN32
char pathSeparator() { return '\\'; }
bool isPathSeparator(char c) { return c == '\\' || c == '/'; }
#else
char pathSeparator() { return '/'; }
bool isPathSeparator(char c) { return c == '/'; }
#endif

namespace {

// Paths are walked by character: the second byte of a double-byte character (0x5C, "\",
// in many of them) is never a separator.
bool separatorAt(std::string_view text, size_t at, size_t& size) {
    size = codePage().characterSize(text, at);
    return size == 1 && isPathSeparator(text[at]);
}

// The length of `path` without its trailing separators; a path of separators only keeps
// one (the root).
size_t trimmedLength(std::string_view path) {
    size_t end = 0;
    for (size_t i = 0, size = 0; i < path.size(); i += size)
        if (!separatorAt(path, i, size)) end = i + size;
    return end > 0 ? end : std::min<size_t>(path.size(), 1);
}

size_t lastSeparator(std::string_view path) {
    size_t found = std::string::npos;
    for (size_t i = 0, size = 0; i < path.size(); i += size)
        if (separatorAt(path, i, size)) found = i;
    return found;
}

// A character of the name that is one of `set`: never the second byte of a character.
bool containsCharacter(std::string_view name, std::string_view set) {
    for (size_t i = 0, size = 0; i < name.size(); i += size) {
        size = codePage().characterSize(name, i);
        if (size == 1 && set.find(name[i]) != std::string_view::npos) return true;
    }
    return false;
}

}  // namespace

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    std::string head = folder.substr(0, trimmedLength(folder));
    size_t start = 0;
    while (start < name.size() && isPathSeparator(name[start])) ++start;
    if (lastSeparator(head) + 1 != head.size()) head += pathSeparator();
    return head + name.substr(start);
}

std::string parentFolder(const std::string& path) {
    std::string p = path.substr(0, trimmedLength(path));
    size_t cut = lastSeparator(p);
    if (cut == std::string::npos) return "";
    // The root of a drive ("C:\") or of the file system ("/") keeps its separator.
    bool driveRoot = cut == 2 && p[1] == ':';
    if (cut == 0 || driveRoot) return p.substr(0, cut + 1);
    return p.substr(0, cut);
}

std::string fileName(const std::string& path) {
    std::string p = path.substr(0, trimmedLength(path));
    size_t cut = lastSeparator(p);
    return cut == std::string::npos ? p : p.substr(cut + 1);
}

std::string fileNameKey(const std::string& name) {
#ifdef _WIN32
    return codePage().lowerCase(name);
#else
    return name;
#endif
}

bool isPlainName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    return !containsCharacter(name, "/\\:");
}

bool isValidFileName(const std::string& name) {
    if (!isPlainName(name)) return false;
    for (unsigned char c : name) {
        if (c < 32) return false;
    }
    if (containsCharacter(name, "<>\"|?*")) return false;
    return name.back() != ' ' && name.back() != '.';
}

}  // namespace gridmate::platform
