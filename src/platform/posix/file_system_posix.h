// The file system of a POSIX system, through std::filesystem and POSIX calls.
#pragma once

#include <functional>

#include "platform/platform.h"

namespace gridmate::platform {

class PosixFileSystem : public FileSystem {
public:
    bool exists(const std::string& path) override;
    bool isFolder(const std::string& path) override;
    bool isFile(const std::string& path) override;
    bool isReadOnly(const std::string& path) override;
    std::optional<std::string> readFile(const std::string& path, IoError& err) override;
    bool writeFile(const std::string& path, std::string_view bytes, IoError& err) override;
    bool copyFile(const std::string& from, const std::string& to, IoError& err) override;
    bool copyFolderContent(const std::string& from, const std::string& to,
                           IoError& err) override;
    bool deleteFile(const std::string& path, IoError& err) override;
    bool createFolder(const std::string& path, IoError& err) override;
    std::vector<std::string> listFiles(const std::string& folder) override;
    std::vector<FileEntry> listFileEntries(const std::string& folder) override;
    std::vector<std::string> listFolders(const std::string& folder) override;
    std::string programFolder() override;

    // Test seam: called before each step of an atomic write; returning true makes that
    // step fail as the system would.
    std::function<bool(WriteStep)> failStep;

private:
    bool fail(WriteStep step) { return failStep && failStep(step); }
};

}  // namespace gridmate::platform
