// Reading one value of a plain profile file (tarmac.ini, seasons\67season.ini, the .67s
// track sets) through the program-wide Profile.
#pragma once

#include <string>

namespace gridmate {

// The value of `strKey`, whole and with any NUL characters removed; `strDefault` (in
// practice "") when the key or the file is missing. Nothing is reported: a missing
// profile file simply reads as empty.
std::string strGetProfileString(const std::string& strFile, const std::string& strSection,
                                const std::string& strKey, const std::string& strDefault);

}  // namespace gridmate
