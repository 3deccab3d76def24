// Path text helpers. Paths are byte strings in the system code page, walked by
// character (platform::codePage()); the Windows build separates with "\" (and accepts
// "/"), the portable build with "/".
#pragma once

#include <string>

namespace gridmate::platform {

char pathSeparator();
bool isPathSeparator(char c);

// `folder` and `name` with exactly one separator between them; a drive root ("C:\")
// or the file-system root keeps its own separator.
std::string joinPath(const std::string& folder, const std::string& name);
// The folder that holds `path`, without a trailing separator except for a root.
std::string parentFolder(const std::string& path);
// The last component of `path`.
std::string fileName(const std::string& path);

// A name read from a game file that may become one component of a path: not empty,
// no "/" or "\" (on either build), no drive (":"), not "." or "..".
bool isPlainName(const std::string& name);
// A name as the file system compares it: in lower case on Windows, whose file names
// ignore case (the code page's folding, double-byte characters kept whole); the name
// itself elsewhere.
std::string fileNameKey(const std::string& name);

// A plain name that Windows also accepts as a file name: none of < > : " / \ | ? *,
// no control characters, not ending in a blank or a dot.
bool isValidFileName(const std::string& name);

}  // namespace gridmate::platform
