#include "platform/win32/version_win32.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace gridmate::platform {

namespace {

// The file's whole version information block, as the query function needs it. Each call
// maps the file (milliseconds under Wine, for each of dozens of DLLs at start), so one
// call usually does: a block needs twice the resource's length and 4 bytes (room for the
// ANSI texts of the query function), which a first buffer holds for all but long
// resources; those are read again at the size the system asks for.
std::optional<std::vector<char>> versionBlock(const std::string& path) {
    std::vector<char> block(16384);
    if (!GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()))
        return std::nullopt;
    WORD length = 0;
    std::memcpy(&length, block.data(), sizeof length);
    if (2u * length + 4 <= block.size()) return block;
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size < 1) return std::nullopt;
    block.assign(size, '\0');
    if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data())) return std::nullopt;
    return block;
}

std::optional<VersionInfo::Translation> translationIn(const std::vector<char>& block) {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &value, &length) || !value ||
        length < 4)
        return std::nullopt;
    WORD words[2];
    std::memcpy(words, value, sizeof words);
    return VersionInfo::Translation{words[0], words[1]};
}

std::optional<std::string> valueIn(const std::vector<char>& block,
                                   const VersionInfo::Translation& translation,
                                   const std::string& name) {
    char table[32];
    std::snprintf(table, sizeof table, "\\StringFileInfo\\%04X%04X\\",
                  static_cast<unsigned>(translation.language),
                  static_cast<unsigned>(translation.codePage));
    std::string query = table + name;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), query.c_str(), &value, &length)) return std::nullopt;
    if (!value || length == 0) return std::string();
    // The reported length counts the terminating NUL; the text ends there.
    std::string text(static_cast<const char*>(value), length);
    return text.substr(0, text.find('\0'));
}

}  // namespace

std::optional<VersionInfo::Translation> Win32VersionInfo::firstTranslation(
    const std::string& path) {
    auto block = versionBlock(path);
    return block ? translationIn(*block) : std::nullopt;
}

std::optional<std::string> Win32VersionInfo::stringValue(const std::string& path,
                                                         const Translation& translation,
                                                         const std::string& name) {
    auto block = versionBlock(path);
    return block ? valueIn(*block, translation, name) : std::nullopt;
}

std::optional<std::string> Win32VersionInfo::firstTranslationValue(const std::string& path,
                                                                   const std::string& name) {
    auto block = versionBlock(path);
    auto translation = block ? translationIn(*block) : std::nullopt;
    return translation ? valueIn(*block, *translation, name) : std::nullopt;
}

}  // namespace gridmate::platform
