// Copying a folder's content through any FileSystem, file by file.
#pragma once

#include <string>

#include "platform/platform.h"

namespace gridmate::platform {

// Copies every file and sub-folder of `from` into `to` (created when missing),
// overwriting files of the same name and keeping the other files of `to`. Stops at the
// first failure; `failedPath` (when given) then names what could not be copied or made.
bool copyTree(FileSystem& fs, const std::string& from, const std::string& to, IoError& err,
              std::string* failedPath = nullptr);

}  // namespace gridmate::platform
