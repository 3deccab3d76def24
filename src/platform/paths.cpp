#include "platform/paths.h"

#include <algorithm>

namespace gridmate::platform {

#ifdef _WIN32
char pathSeparator() { return '\\'; }
bool isPathSeparator(char c) { return c == '\\' || c == '/'; }
#else
char pathSeparator() { return '/'; }
bool isPathSeparator(char c) { return c == '/'; }
#endif

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    std::string head = folder;
    while (head.size() > 1 && isPathSeparator(head.back())) head.pop_back();
    size_t start = 0;
    while (start < name.size() && isPathSeparator(name[start])) ++start;
    if (!isPathSeparator(head.back())) head += pathSeparator();
    return head + name.substr(start);
}

std::string parentFolder(const std::string& path) {
    std::string p = path;
    while (p.size() > 1 && isPathSeparator(p.back())) p.pop_back();
    auto pos = std::find_if(p.rbegin(), p.rend(), isPathSeparator);
    if (pos == p.rend()) return "";
    size_t cut = static_cast<size_t>(p.rend() - pos) - 1;  // index of the separator
    // The root of a drive ("C:\") or of the file system ("/") keeps its separator.
    bool driveRoot = cut == 2 && p[1] == ':';
    if (cut == 0 || driveRoot) return p.substr(0, cut + 1);
    return p.substr(0, cut);
}

std::string fileName(const std::string& path) {
    std::string p = path;
    while (p.size() > 1 && isPathSeparator(p.back())) p.pop_back();
    auto pos = std::find_if(p.rbegin(), p.rend(), isPathSeparator);
    if (pos == p.rend()) return p;
    return p.substr(static_cast<size_t>(p.rend() - pos));
}

std::string fileNameKey(const std::string& name) {
#ifdef _WIN32
    std::string key = name;
    for (char& c : key)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return key;
#else
    return name;
#endif
}

bool isPlainName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    return name.find_first_of("/\\:") == std::string::npos;
}

bool isValidFileName(const std::string& name) {
    if (!isPlainName(name)) return false;
    for (unsigned char c : name) {
        if (c < 32) return false;
    }
    if (name.find_first_of("<>\"|?*") != std::string::npos) return false;
    return name.back() != ' ' && name.back() != '.';
}

}  // namespace gridmate::platform
