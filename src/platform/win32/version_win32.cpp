#include "platform/win32/version_win32.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace gridmate::platform {

namespace {

// The file's whole version information block, as the query function needs it.
std::optional<std::vector<char>> versionBlock(const std::string& path) {
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size < 1) return std::nullopt;
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data())) return std::nullopt;
    return block;
}

}  // namespace

std::optional<VersionInfo::Translation> Win32VersionInfo::firstTranslation(
    const std::string& path) {
    auto block = versionBlock(path);
    if (!block) return std::nullopt;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block->data(), "\\VarFileInfo\\Translation", &value, &length) || !value ||
        length < 4)
        return std::nullopt;
    WORD words[2];
    std::memcpy(words, value, sizeof words);
    Translation translation;
    translation.language = words[0];
    translation.codePage = words[1];
    return translation;
}

std::optional<std::string> Win32VersionInfo::stringValue(const std::string& path,
                                                         const Translation& translation,
                                                         const std::string& name) {
    auto block = versionBlock(path);
    if (!block) return std::nullopt;
    char table[32];
    std::snprintf(table, sizeof table, "\\StringFileInfo\\%04X%04X\\",
                  static_cast<unsigned>(translation.language),
                  static_cast<unsigned>(translation.codePage));
    std::string query = table + name;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block->data(), query.c_str(), &value, &length)) return std::nullopt;
    if (!value || length == 0) return std::string();
    // The reported length counts the terminating NUL; the text ends there.
    std::string text(static_cast<const char*>(value), length);
    return text.substr(0, text.find('\0'));
}

}  // namespace gridmate::platform
