// The main window without a screen, as the benchmarks drive it: the system's file
// system and version reader, a scripted user who answers every question with "Yes",
// and a file system that can note which byte ranges the program reads.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "support/scripted_ui.h"

namespace gridmate::bench {

// Forwards to another file system and notes every read: the path and the part read
// (offset 0 and the size returned for a whole-file read).
class RecordingFileSystem : public platform::FileSystem {
public:
    struct Read {
        std::string path;
        uint64_t offset = 0;
        uint64_t length = 0;
    };
    explicit RecordingFileSystem(platform::FileSystem& inner) : inner_(inner) {}
    std::vector<Read> reads;

    bool exists(const std::string& p) override { return inner_.exists(p); }
    bool isFolder(const std::string& p) override { return inner_.isFolder(p); }
    bool isFile(const std::string& p) override { return inner_.isFile(p); }
    bool isReadOnly(const std::string& p) override { return inner_.isReadOnly(p); }
    std::optional<std::string> readFile(const std::string& p, platform::IoError& e) override;
    bool writeFile(const std::string& p, std::string_view b, platform::IoError& e) override {
        return inner_.writeFile(p, b, e);
    }
    bool copyFile(const std::string& f, const std::string& t, platform::IoError& e) override {
        return inner_.copyFile(f, t, e);
    }
    bool copyFolderContent(const std::string& f, const std::string& t,
                           platform::IoError& e) override {
        return inner_.copyFolderContent(f, t, e);
    }
    bool deleteFile(const std::string& p, platform::IoError& e) override {
        return inner_.deleteFile(p, e);
    }
    bool createFolder(const std::string& p, platform::IoError& e) override {
        return inner_.createFolder(p, e);
    }
    std::vector<std::string> listFiles(const std::string& f) override { return inner_.listFiles(f); }
    std::vector<platform::FileEntry> listFileEntries(const std::string& f) override {
        return inner_.listFileEntries(f);
    }
    std::vector<std::string> listFolders(const std::string& f) override {
        return inner_.listFolders(f);
    }
    std::string programFolder() override { return inner_.programFolder(); }

private:
    platform::FileSystem& inner_;
    std::mutex readsLock_;  // the rasterizers are read on a worker thread
};

// The system's platform with the scripted user in place of the console; installed for
// the guard's lifetime.
class HeadlessPlatform {
public:
    HeadlessPlatform();
    test::ScriptedUi ui;

private:
    platform::ScopedPlatform scoped_;
};

// The scripted user answers "Yes" to whatever the program asks, many times over.
void answerYes(test::ScriptedUi& ui, int times = 1000);

}  // namespace gridmate::bench
