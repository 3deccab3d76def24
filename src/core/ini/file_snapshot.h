// A file's bytes at one moment, to put back when a change made of several writes
// fails half-way: the file then ends as it was, not with part of the change.
#pragma once

#include <optional>
#include <string>

namespace gridmate {

class FileSnapshot {
public:
    explicit FileSnapshot(std::string path);

    // Puts the file back as it was: its old bytes in one atomic write, or no file when
    // there was none. False when that cannot be done (the old bytes were unreadable or
    // the write fails as well).
    bool restore() const;

private:
    std::string path_;
    bool existed_ = false;
    std::optional<std::string> bytes_;
};

}  // namespace gridmate
