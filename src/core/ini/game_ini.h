// Reading one value from, and writing one line into, the game's INI files
// (app.ini, core.ini, the season player files, wg69i.ini) through the program-wide
// file system. A failed file operation is shown to the user at once and returns -1.
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace gridmate {

// Reads the value of `strKey` in section `strSection` (the header text, brackets and
// inner blanks included) into `strValue`. Returns the value's length before its final
// trim, 0 with "" when the section or key is missing, or -1 after a failure (then
// `strValue` is left as it was).
int32_t lngReadIniValue(const std::string& strFile, const std::string& strSection,
                        const std::string& strKey, std::string& strValue);

// Makes `strLine` (one whole line without its line end) the line of `strKey` in section
// `strSection`: replaces the key's line, inserts it at the section's end, or appends the
// section. The file must exist. Returns 0, or -1 after a failure (the file unchanged).
int32_t lngWriteIniLine(const std::string& strFile, const std::string& strSection,
                        const std::string& strKey, const std::string& strLine);

// The message a failed file operation shows: exclamation icon, OK, titled "Gridmate",
// the error number, ": " and its description.
void reportIoError(const platform::IoError& error);

}  // namespace gridmate
