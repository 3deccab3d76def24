#include "support/faulty_file_system.h"

#include <cerrno>
#include <cstring>

#include "platform/paths.h"

namespace gridmate::test {

namespace {
const char* stepName(platform::WriteStep step) {
    switch (step) {
        case platform::WriteStep::CreateTemp: return "CreateTemp";
        case platform::WriteStep::Write: return "Write";
        case platform::WriteStep::Flush: return "Flush";
        case platform::WriteStep::Replace: return "Replace";
    }
    return "?";
}
}  // namespace

FaultyFileSystem::FaultyFileSystem(platform::FileSystem& inner,
                                   std::function<bool(platform::WriteStep)>& seam)
    : inner_(inner), seam_(seam) {
    seam_ = [this](platform::WriteStep step) { return reach(std::string("step ") + stepName(step)); };
}

FaultyFileSystem::~FaultyFileSystem() { seam_ = nullptr; }

platform::IoError FaultyFileSystem::accessDenied() {
#ifdef _WIN32
    return platform::IoError{5, "Access is denied."};
#else
    return platform::IoError{EACCES, std::strerror(EACCES)};
#endif
}

bool FaultyFileSystem::reach(const std::string& what) {
    points.push_back(what);
    return failAt > 0 && static_cast<int>(points.size()) == failAt;
}

bool FaultyFileSystem::run(const std::string& call, const std::string& path,
                           const std::string& from, platform::IoError& err,
                           const std::function<bool()>& operation) {
    bool ok;
    if (reach(call + " " + path)) {
        err = accessDenied();
        ok = false;
    } else {
        ok = operation();
    }
    // Only the operation that met the fault is recorded, not the ones that fail after.
    if (!ok && !fault && failAt > 0 && static_cast<int>(points.size()) >= failAt)
        fault = Fault{call, path, from, err};
    return ok;
}

bool FaultyFileSystem::writeFile(const std::string& path, std::string_view bytes,
                                 platform::IoError& err) {
    return run("writeFile", path, "", err, [&] { return inner_.writeFile(path, bytes, err); });
}

bool FaultyFileSystem::copyFile(const std::string& from, const std::string& to,
                                platform::IoError& err) {
    return run("copyFile", to, from, err, [&] { return inner_.copyFile(from, to, err); });
}

bool FaultyFileSystem::copyFolderContent(const std::string& from, const std::string& to,
                                         platform::IoError& err) {
    return run("copyFolderContent", to, from, err,
               [&] { return inner_.copyFolderContent(from, to, err); });
}

bool FaultyFileSystem::deleteFile(const std::string& path, platform::IoError& err) {
    return run("deleteFile", path, "", err, [&] { return inner_.deleteFile(path, err); });
}

bool FaultyFileSystem::createFolder(const std::string& path, platform::IoError& err) {
    return run("createFolder", path, "", err, [&] { return inner_.createFolder(path, err); });
}

std::vector<std::string> temporaryFilesUnder(const std::string& folder) {
    std::vector<std::string> found;
    auto& fs = platform::fs();
    for (const std::string& name : fs.listFiles(folder))
        if (name.size() >= 7 && name.compare(0, 3, "~gm") == 0 &&
            name.compare(name.size() - 4, 4, ".tmp") == 0)
            found.push_back(name);
    for (const std::string& sub : fs.listFolders(folder))
        for (const std::string& inner : temporaryFilesUnder(platform::joinPath(folder, sub)))
            found.push_back(sub + "/" + inner);
    return found;
}

}  // namespace gridmate::test
