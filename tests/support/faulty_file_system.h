// The real file system with one fault: the n-th file-changing call, or the n-th step of
// an atomic write, fails as the system would. A first run without a fault counts the
// points at which an operation can fail; later runs fail each one in turn.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace gridmate::test {

class FaultyFileSystem : public platform::FileSystem {
public:
    // `inner` does the work; `seam` is its failStep member, through which the steps of
    // its atomic writes are counted and failed. The seam is cleared again at the end.
    FaultyFileSystem(platform::FileSystem& inner, std::function<bool(platform::WriteStep)>& seam);
    ~FaultyFileSystem() override;
    FaultyFileSystem(const FaultyFileSystem&) = delete;
    FaultyFileSystem& operator=(const FaultyFileSystem&) = delete;

    // The point to fail, counted from 1 over every call and step; 0 fails nothing.
    int failAt = 0;
    // Points reached so far, each described ("writeFile <path>", "step Replace").
    std::vector<std::string> points;

    // The failed operation: the call that held the fault, the path it changes (for a
    // copy also the source) and the error it returned.
    struct Fault {
        std::string call;
        std::string path;
        std::string from;
        platform::IoError error;
    };
    std::optional<Fault> fault;

    // The error a refused call reports: access denied, in the system's own words.
    static platform::IoError accessDenied();

    bool exists(const std::string& path) override { return inner_.exists(path); }
    bool isFolder(const std::string& path) override { return inner_.isFolder(path); }
    bool isFile(const std::string& path) override { return inner_.isFile(path); }
    bool isReadOnly(const std::string& path) override { return inner_.isReadOnly(path); }
    std::optional<std::string> readFile(const std::string& path, platform::IoError& err) override {
        return inner_.readFile(path, err);
    }
    bool writeFile(const std::string& path, std::string_view bytes, platform::IoError& err) override;
    bool copyFile(const std::string& from, const std::string& to, platform::IoError& err) override;
    bool copyFolderContent(const std::string& from, const std::string& to,
                           platform::IoError& err) override;
    bool deleteFile(const std::string& path, platform::IoError& err) override;
    bool createFolder(const std::string& path, platform::IoError& err) override;
    std::vector<std::string> listFiles(const std::string& folder) override {
        return inner_.listFiles(folder);
    }
    std::vector<std::string> listFolders(const std::string& folder) override {
        return inner_.listFolders(folder);
    }
    std::string programFolder() override { return inner_.programFolder(); }

private:
    // Counts a point; true when it is the one to fail.
    bool reach(const std::string& what);
    bool run(const std::string& call, const std::string& path, const std::string& from,
             platform::IoError& err, const std::function<bool()>& operation);

    platform::FileSystem& inner_;
    std::function<bool(platform::WriteStep)>& seam_;
};

// Every file name under `folder`, at any depth, that is one of the atomic writes'
// temporary files (~gm*.tmp), as paths relative to `folder`.
std::vector<std::string> temporaryFilesUnder(const std::string& folder);

}  // namespace gridmate::test
