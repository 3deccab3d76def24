// The behaviour every FileSystem must show, run against each native implementation:
// the POSIX one in the unit tests and the Windows one under Wine.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace gridmate::test {

// An implementation under test together with its fault seam.
class FileSystemUnderTest {
public:
    virtual ~FileSystemUnderTest() = default;
    virtual platform::FileSystem& fileSystem() = 0;
    // Makes `step` of every following atomic write fail; nullopt fails nothing.
    virtual void failAt(std::optional<platform::WriteStep> step) = 0;
};

// For the implementations that expose the `failStep` seam.
template <class Implementation>
class SeamedFileSystem : public FileSystemUnderTest {
public:
    platform::FileSystem& fileSystem() override { return fs_; }
    void failAt(std::optional<platform::WriteStep> step) override {
        fs_.failStep = [step](platform::WriteStep s) { return step && *step == s; };
    }

private:
    Implementation fs_;
};

// Registers every shared case as `suite`.<case>, each on a fresh implementation.
void registerFileSystemContract(const char* suite,
                                std::function<std::unique_ptr<FileSystemUnderTest>()> make);

}  // namespace gridmate::test
