// What every FileSystem must do, checked on the POSIX one natively and on the Windows one
// under Wine; `failStep` is the implementation's fault seam.
#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "platform/platform.h"
#include "support/temp_folder.h"

namespace gridmate::test {

// Whole files keep every byte and replace their target in one step: a failure at any step,
// or a read-only target, leaves the old file byte for byte and no temporary file.
inline void checkFileSystemContract(platform::FileSystem& fs,
                                    std::function<bool(platform::WriteStep)>& failStep) {
    TempFolder dir;
    std::string bytes = "[S]\r\nk=LF only\n";
    for (int i = 0; i < 70000; ++i) bytes += static_cast<char>(i * 7919 % 256);  // NUL and all
    const std::string path = dir.file("app.ini"), source = dir.write("source.ini", bytes);
    platform::IoError err;
    ASSERT_TRUE(fs.writeFile(path, bytes, err)) << err.description;
    EXPECT_EQ(fs.readFile(path, err), bytes);
    ASSERT_TRUE(fs.writeFile(path, "old\r\n", err)) << err.description;
    for (int step = 0; step <= 4; ++step) {  // step 4: none fails, but the target is read-only
        SCOPED_TRACE("failing step " + std::to_string(step));
        failStep = [step](platform::WriteStep s) { return static_cast<int>(s) == step; };
        if (step == 4) makeReadOnly(path);
        err = {};
        EXPECT_FALSE(fs.writeFile(path, "new\r\n", err) || fs.copyFile(source, path, err));
        EXPECT_NE(err.code, 0);
        EXPECT_EQ(fs.writeFile(dir.file("new.ini"), "new", err), step == 4);
        EXPECT_EQ(readBytes(path), "old\r\n");
        EXPECT_EQ(listing(dir.path()),
                  step < 4 ? "app.ini,source.ini" : "app.ini,new.ini,source.ini");
    }
    failStep = nullptr;
    EXPECT_TRUE(fs.isReadOnly(path) && !fs.isReadOnly(source));
    EXPECT_FALSE(fs.readFile(dir.file("missing.ini"), err) || fs.readFile(dir.path(), err));
    // Every missing level of a folder is made; one that exists is no failure.
    ASSERT_TRUE(fs.createFolder(dir.file("a/b"), err) && fs.createFolder(dir.file("a/b"), err));
    ASSERT_TRUE(fs.copyFile(source, dir.file("a/b/copy.ini"), err)) << err.description;
    EXPECT_EQ(readBytes(dir.file("a/b/copy.ini")), bytes);
    EXPECT_EQ(fs.listFolders(dir.path()), std::vector<std::string>{"a"});
    EXPECT_EQ(fs.listFiles(dir.file("a")), std::vector<std::string>{});
    EXPECT_FALSE(fs.createFolder(dir.file("new.ini/x"), err) || fs.deleteFile(dir.file("a"), err));
    EXPECT_TRUE(fs.deleteFile(source, err) && !fs.deleteFile(source, err));
    EXPECT_EQ(listing(dir.path()), "a,app.ini,new.ini");
}

}  // namespace gridmate::test
