// A fresh folder for one test, removed with everything in it at the end.
#pragma once

#include <string>

namespace gridmate::test {

class TempFolder {
public:
    explicit TempFolder(const std::string& hint = "gm");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    // `relative` joined to the folder ("a/b.ini" works on both builds).
    std::string file(const std::string& relative) const;
    // Writes `bytes` to `relative`, creating folders on the way; returns the full path.
    std::string write(const std::string& relative, const std::string& bytes) const;
    std::string folder(const std::string& relative) const;

private:
    std::string path_;
};

// The bytes of a file, or "<missing>" when it cannot be read.
std::string readBytes(const std::string& path);
// Clears every write permission bit (the file's read-only attribute under Wine).
void makeReadOnly(const std::string& path);
// Names of the entries of a folder, sorted.
std::string listing(const std::string& folder);

}  // namespace gridmate::test
