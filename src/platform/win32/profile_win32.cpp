#include "platform/win32/profile_win32.h"

#include <windows.h>

namespace gridmate::platform {

namespace {

constexpr DWORD kFirstBufferSize = 1024;

// The functions cut what does not fit and return size - 1 (a value) or size - 2 (a
// section); a value in quotes that is cut loses one more byte. So any result that comes
// within two bytes of the size may be cut: read again with twice the room.
bool mayBeCut(DWORD result, DWORD size) { return result + 2 >= size; }

}  // namespace

std::string Win32Profile::getString(const std::string& file, const std::string& section,
                                    const std::string& key, const std::string& def) {
    std::string buffer(kFirstBufferSize, '\0');
    for (;;) {
        DWORD size = static_cast<DWORD>(buffer.size());
        DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), def.c_str(), buffer.data(),
                                           size, file.c_str());
        if (!mayBeCut(n, size)) return buffer.substr(0, n);
        buffer.assign(buffer.size() * 2, '\0');
    }
}

bool Win32Profile::writeString(const std::string& file, const std::string& section,
                               const std::optional<std::string>& key,
                               const std::optional<std::string>& value) {
    // A null key deletes the whole section, and then the value means nothing.
    const char* keyText = key ? key->c_str() : nullptr;
    const char* valueText = (key && value) ? value->c_str() : nullptr;
    return WritePrivateProfileStringA(section.c_str(), keyText, valueText, file.c_str()) != 0;
}

std::vector<std::string> Win32Profile::getSection(const std::string& file,
                                                  const std::string& section) {
    std::string buffer(kFirstBufferSize, '\0');
    DWORD n = 0;
    for (;;) {
        DWORD size = static_cast<DWORD>(buffer.size());
        n = GetPrivateProfileSectionA(section.c_str(), buffer.data(), size, file.c_str());
        if (!mayBeCut(n, size)) break;
        buffer.assign(buffer.size() * 2, '\0');
    }
    // "key=value\0key=value\0\0": n counts up to, not including, the final NUL.
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < n) {
        size_t end = buffer.find('\0', pos);
        lines.push_back(buffer.substr(pos, end - pos));
        pos = end + 1;
    }
    return lines;
}

bool Win32Profile::writeSection(const std::string& file, const std::string& section,
                                const std::vector<std::string>& lines) {
    std::string list;
    for (const std::string& line : lines) list += line + '\0';
    list += '\0';
    return WritePrivateProfileSectionA(section.c_str(), list.c_str(), file.c_str()) != 0;
}

}  // namespace gridmate::platform
