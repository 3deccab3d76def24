#include "memory_file_system.h"

#include "platform/paths.h"

namespace gridmate::fuzz {

namespace {

// The numbers and texts the POSIX build reports for the same failures.
bool fail(platform::IoError& err, int32_t code, const char* text) {
    err = platform::IoError{code, text};
    return false;
}

bool isDirectlyIn(const std::string& path, const std::string& folder) {
    return platform::parentFolder(path) == folder;
}

}  // namespace

std::optional<std::string> MemoryFileSystem::readFile(const std::string& path,
                                                      platform::IoError& err) {
    auto it = files.find(path);
    if (it == files.end()) {
        fail(err, 2, "No such file or directory");
        return std::nullopt;
    }
    return it->second;
}

bool MemoryFileSystem::writeFile(const std::string& path, std::string_view bytes,
                                 platform::IoError& err) {
    if (isFolder(path)) return fail(err, 21, "Is a directory");
    files[path] = std::string(bytes);
    return true;
}

bool MemoryFileSystem::copyFile(const std::string& from, const std::string& to,
                                platform::IoError& err) {
    auto bytes = readFile(from, err);
    return bytes && writeFile(to, *bytes, err);
}

bool MemoryFileSystem::copyFolderContent(const std::string& from, const std::string& to,
                                         platform::IoError& err) {
    if (!isFolder(from)) return fail(err, 2, "No such file or directory");
    const std::string prefix = from + "/";
    folders.insert(to);
    for (const std::string& folder : std::set<std::string>(folders))
        if (folder.compare(0, prefix.size(), prefix) == 0)
            folders.insert(to + "/" + folder.substr(prefix.size()));
    for (const auto& [path, bytes] : std::map<std::string, std::string>(files))
        if (path.compare(0, prefix.size(), prefix) == 0)
            files[to + "/" + path.substr(prefix.size())] = bytes;
    return true;
}

bool MemoryFileSystem::deleteFile(const std::string& path, platform::IoError& err) {
    if (files.erase(path) == 0) return fail(err, 2, "No such file or directory");
    return true;
}

bool MemoryFileSystem::createFolder(const std::string& path, platform::IoError& err) {
    if (isFile(path)) return fail(err, 17, "File exists");
    folders.insert(path);
    return true;
}

std::vector<std::string> MemoryFileSystem::listFiles(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& [path, bytes] : files)
        if (isDirectlyIn(path, folder)) names.push_back(platform::fileName(path));
    return names;
}

std::vector<std::string> MemoryFileSystem::listFolders(const std::string& folder) {
    std::vector<std::string> names;
    for (const std::string& path : folders)
        if (isDirectlyIn(path, folder)) names.push_back(platform::fileName(path));
    return names;
}

}  // namespace gridmate::fuzz
