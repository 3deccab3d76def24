#include "platform/posix/file_system_posix.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

#include "platform/file_tree.h"
#include "platform/paths.h"

namespace gridmate::platform {

namespace {

IoError errnoError(int code) { return IoError{code, std::strerror(code)}; }

bool statPath(const std::string& path, struct stat& st) { return ::stat(path.c_str(), &st) == 0; }

std::string tempNameBeside(const std::string& target) {
    static std::mt19937 rng{std::random_device{}()};
    static const char digits[] = "0123456789abcdef";
    std::string suffix;
    for (int i = 0; i < 8; ++i) suffix += digits[rng() % 16];
    return joinPath(parentFolder(target), "~gm" + suffix + ".tmp");
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// The files or the sub-folders of `folder`; with `sizes`, each file's size too.
std::vector<FileEntry> listEntries(const std::string& folder, bool wantFolders, bool sizes) {
    std::vector<FileEntry> entries;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return entries;
    while (dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        // The entry's own type spares a look-up per name; links, and file systems that
        // do not say, are asked.
        struct stat st {};
        bool known = entry->d_type == DT_DIR || entry->d_type == DT_REG;
        bool ask = !known || (sizes && entry->d_type == DT_REG);
        if (ask && ::fstatat(::dirfd(dir), name.c_str(), &st, 0) != 0) continue;
        bool isFolder = known ? entry->d_type == DT_DIR : S_ISDIR(st.st_mode);
        if (isFolder != wantFolders) continue;
        std::optional<uint64_t> size;
        if (sizes) size = static_cast<uint64_t>(st.st_size);
        entries.push_back({std::move(name), size});
    }
    ::closedir(dir);
    return entries;
}

}  // namespace

bool PosixFileSystem::exists(const std::string& path) {
    struct stat st {};
    return statPath(path, st);
}

bool PosixFileSystem::isFolder(const std::string& path) {
    struct stat st {};
    return statPath(path, st) && S_ISDIR(st.st_mode);
}

bool PosixFileSystem::isFile(const std::string& path) {
    struct stat st {};
    return statPath(path, st) && S_ISREG(st.st_mode);
}

// Judged by the mode bits, not by access(): tests and CI run as root, who may write
// anything, but a file marked read-only must still be treated as unwritable.
bool PosixFileSystem::isReadOnly(const std::string& path) {
    struct stat st {};
    return statPath(path, st) && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

std::optional<std::string> PosixFileSystem::readFile(const std::string& path, IoError& err) {
    // Opened without waiting, so that a named pipe in place of a game file cannot hang
    // the program; only plain files are read.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        err = errnoError(errno);
        return std::nullopt;
    }
    struct stat st {};
    int code = ::fstat(fd, &st) != 0 ? errno
               : S_ISDIR(st.st_mode)     ? EISDIR
               : !S_ISREG(st.st_mode)    ? EINVAL
                                         : 0;
    if (code != 0) {
        ::close(fd);
        err = errnoError(code);
        return std::nullopt;
    }
    // The bytes go straight into a string sized for the whole file: a string grown
    // chunk by chunk, or filled through a buffer, would copy a multi-MB file over and
    // over. The size is only a hint; a file that grows or shrinks meanwhile is read to
    // its end all the same.
    std::string bytes;
    size_t used = 0;
    // One byte more than the size lets the first read already see the end.
    size_t room = st.st_size > 0 ? static_cast<size_t>(st.st_size) + 1 : 65536;
    for (;;) {
        if (used == bytes.size()) bytes.resize(bytes.empty() ? room : 2 * bytes.size());
        ssize_t n = ::read(fd, bytes.data() + used, bytes.size() - used);
        if (n < 0) {
            if (errno == EINTR) continue;
            err = errnoError(errno);
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        used += static_cast<size_t>(n);
    }
    bytes.resize(used);
    ::close(fd);
    return bytes;
}

bool PosixFileSystem::writeFile(const std::string& path, std::string_view bytes, IoError& err) {
    struct stat target {};
    bool targetExists = statPath(path, target);
    if (targetExists && S_ISDIR(target.st_mode)) {
        err = errnoError(EISDIR);
        return false;
    }
    if (targetExists && isReadOnly(path)) {
        err = errnoError(EACCES);
        return false;
    }
    std::string temp = tempNameBeside(path);
    int fd = -1;
    if (!fail(WriteStep::CreateTemp)) {
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    } else {
        errno = EACCES;
    }
    if (fd < 0) {
        err = errnoError(errno);
        return false;
    }
    auto abandon = [&](int code) {
        err = errnoError(code);
        if (fd >= 0) ::close(fd);
        ::unlink(temp.c_str());
        return false;
    };
    if (fail(WriteStep::Write)) return abandon(ENOSPC);
    if (!writeAll(fd, bytes)) return abandon(errno);
    if (targetExists) ::fchmod(fd, target.st_mode & 07777);
    if (fail(WriteStep::Flush)) return abandon(EIO);
    if (::fsync(fd) != 0) return abandon(errno);
    if (::close(fd) != 0) {
        fd = -1;
        return abandon(errno);
    }
    fd = -1;
    if (fail(WriteStep::Replace)) return abandon(EBUSY);
    if (::rename(temp.c_str(), path.c_str()) != 0) return abandon(errno);
    return true;
}

bool PosixFileSystem::copyFile(const std::string& from, const std::string& to, IoError& err) {
    auto bytes = readFile(from, err);
    if (!bytes) return false;
    return writeFile(to, *bytes, err);
}

bool PosixFileSystem::copyFolderContent(const std::string& from, const std::string& to,
                                        IoError& err) {
    return copyTree(*this, from, to, err);
}

bool PosixFileSystem::deleteFile(const std::string& path, IoError& err) {
    if (isFolder(path)) {
        err = errnoError(EISDIR);
        return false;
    }
    if (::unlink(path.c_str()) != 0) {
        err = errnoError(errno);
        return false;
    }
    return true;
}

bool PosixFileSystem::createFolder(const std::string& path, IoError& err) {
    if (isFolder(path)) return true;
    std::string parent = parentFolder(path);
    if (!parent.empty() && parent != path && !isFolder(parent) && !createFolder(parent, err))
        return false;
    if (::mkdir(path.c_str(), 0777) != 0) {
        int code = errno;
        // Fine when a folder was made meanwhile, not when a file stands there.
        if (code == EEXIST && isFolder(path)) return true;
        err = errnoError(code);
        return false;
    }
    return true;
}

std::vector<std::string> PosixFileSystem::listFiles(const std::string& folder) {
    return fileNames(listEntries(folder, false, false));
}

std::vector<FileEntry> PosixFileSystem::listFileEntries(const std::string& folder) {
    return listEntries(folder, false, true);
}

std::vector<std::string> PosixFileSystem::listFolders(const std::string& folder) {
    return fileNames(listEntries(folder, true, false));
}

std::string PosixFileSystem::programFolder() {
    char buffer[4096];
    ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return ".";
    return parentFolder(std::string(buffer, static_cast<size_t>(n)));
}

}  // namespace gridmate::platform
