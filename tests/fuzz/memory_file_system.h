// A file system in memory for the fuzz targets: a file operation costs no system call,
// so a target runs many thousand inputs a second, and nothing is left on disk.
#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/platform.h"

namespace gridmate::fuzz {

class MemoryFileSystem : public platform::FileSystem {
public:
    std::map<std::string, std::string> files;  // path -> bytes
    std::set<std::string> folders;

    bool exists(const std::string& path) override { return isFile(path) || isFolder(path); }
    bool isFolder(const std::string& path) override { return folders.count(path) != 0; }
    bool isFile(const std::string& path) override { return files.count(path) != 0; }
    bool isReadOnly(const std::string&) override { return false; }

    std::optional<std::string> readFile(const std::string& path,
                                        platform::IoError& err) override;
    bool writeFile(const std::string& path, std::string_view bytes,
                   platform::IoError& err) override;
    bool copyFile(const std::string& from, const std::string& to,
                  platform::IoError& err) override;
    bool copyFolderContent(const std::string& from, const std::string& to,
                           platform::IoError& err) override;
    bool deleteFile(const std::string& path, platform::IoError& err) override;
    bool createFolder(const std::string& path, platform::IoError& err) override;
    std::vector<std::string> listFiles(const std::string& folder) override;
    std::vector<std::string> listFolders(const std::string& folder) override;
    std::string programFolder() override { return "/program"; }
};

}  // namespace gridmate::fuzz
