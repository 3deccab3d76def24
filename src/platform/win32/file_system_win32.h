// The file system of Windows through its wide functions: paths arrive as ANSI bytes
// and are converted, so that folders named with accents or double-byte characters work.
#pragma once

#include <functional>

#include "platform/platform.h"

namespace gridmate::platform {

class Win32FileSystem : public FileSystem {
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

// The system's number and text for `code`, the text without its trailing line break.
IoError systemError(unsigned long code);

}  // namespace gridmate::platform
