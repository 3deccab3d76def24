// What the fuzz targets need besides the code under test: a check that stops the run
// with a message (libFuzzer then saves the input), and a user who must never be asked.
#pragma once

#include <cstdio>
#include <cstdlib>

#include "platform/platform.h"

// Kept in release builds, unlike assert: a broken invariant is the crash we look for.
#define FUZZ_CHECK(condition)                                                        \
    do {                                                                             \
        if (!(condition)) {                                                          \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__,    \
                         #condition);                                                \
            std::abort();                                                            \
        }                                                                            \
    } while (false)

namespace gridmate::fuzz {

// The targets work on a file system in memory, where nothing can fail; any question to
// the user would therefore be a fault of its own.
class NoUserUi : public platform::Ui {
public:
    platform::Answer messageBox(const platform::MessageBoxRequest& request) override {
        std::fprintf(stderr, "unexpected message box: %s\n", request.text.c_str());
        std::abort();
    }
    std::optional<std::string> openFile(const platform::OpenFileRequest&) override { stop(); }
    std::optional<std::string> clipboardText() override { stop(); }
    int screenWidthTwips() override { stop(); }
    int screenHeightTwips() override { stop(); }
    void setWaitCursor(bool) override {}
    intptr_t shellOpen(const std::string&, const std::string&, const std::string&) override {
        stop();
    }
    intptr_t findExecutable(const std::string&, std::string&) override { stop(); }
    bool hasIcon(const std::string&) override { stop(); }

private:
    [[noreturn]] static void stop() {
        std::fprintf(stderr, "unexpected question to the user\n");
        std::abort();
    }
};

}  // namespace gridmate::fuzz
