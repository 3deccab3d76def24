#include "platform/file_tree.h"

#include "platform/paths.h"

namespace gridmate::platform {

bool copyTree(FileSystem& fs, const std::string& from, const std::string& to, IoError& err,
              std::string* failedPath) {
    auto failed = [&](const std::string& path) {
        if (failedPath) *failedPath = path;
        return false;
    };
    if (!fs.isFolder(to) && !fs.createFolder(to, err)) return failed(to);
    for (const auto& name : fs.listFiles(from)) {
        std::string source = joinPath(from, name);
        if (!fs.copyFile(source, joinPath(to, name), err)) return failed(source);
    }
    for (const auto& name : fs.listFolders(from))
        if (!copyTree(fs, joinPath(from, name), joinPath(to, name), err, failedPath)) return false;
    return true;
}

}  // namespace gridmate::platform
