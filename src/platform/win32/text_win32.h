// Paths and names are ANSI byte strings in the program; the file API is reached through
// its wide ("W") functions so that folders named outside ASCII work.
#pragma once

#include <string>

namespace gridmate::platform {

// ANSI code page bytes to UTF-16.
std::wstring widen(const std::string& text);
// UTF-16 to ANSI code page bytes. `lossy` (when given) tells whether a character had no
// equivalent in the code page and was replaced.
std::string narrow(const std::wstring& text, bool* lossy = nullptr);

}  // namespace gridmate::platform
