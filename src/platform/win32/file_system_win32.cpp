#include "platform/win32/file_system_win32.h"

#include <windows.h>

#include <algorithm>
#include <random>

#include "platform/file_tree.h"
#include "platform/paths.h"
#include "platform/win32/text_win32.h"

namespace gridmate::platform {

IoError systemError(unsigned long code) {
    char text[512] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, text, sizeof text, nullptr);
    std::string description(text, length);
    while (!description.empty() && (description.back() == '\r' || description.back() == '\n'))
        description.pop_back();
    if (description.empty()) description = "Error " + std::to_string(code);
    return IoError{static_cast<int32_t>(code), description};
}

namespace {

IoError lastError() { return systemError(GetLastError()); }

DWORD attributesOf(const std::string& path) { return GetFileAttributesW(widen(path).c_str()); }

class Handle {
public:
    explicit Handle(HANDLE h = INVALID_HANDLE_VALUE) : h_(h) {}
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return h_; }
    void reset(HANDLE h) {
        close();
        h_ = h;
    }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
    bool close() {
        if (!valid()) return true;
        BOOL ok = CloseHandle(h_);
        h_ = INVALID_HANDLE_VALUE;
        return ok != FALSE;
    }

private:
    HANDLE h_;
};

// A new file beside the target that is removed again unless it was moved into place,
// so that no failure leaves it behind.
class TempFile {
public:
    explicit TempFile(const std::string& target) : folder_(parentFolder(target)) {}
    ~TempFile() {
        DWORD saved = GetLastError();  // cleaning up must not change the reported error
        handle_.close();
        if (!path_.empty() && !placed_) DeleteFileW(path_.c_str());
        SetLastError(saved);
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    bool create() {
        static std::mt19937 rng{std::random_device{}()};
        static const char digits[] = "0123456789abcdef";
        for (int attempt = 0; attempt < 16; ++attempt) {
            std::string suffix;
            for (int i = 0; i < 8; ++i) suffix += digits[rng() % 16];
            std::wstring candidate = widen(joinPath(folder_, "~gm" + suffix + ".tmp"));
            HANDLE h = CreateFileW(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
            if (h != INVALID_HANDLE_VALUE) {
                handle_.reset(h);
                path_ = candidate;
                return true;
            }
            if (GetLastError() != ERROR_FILE_EXISTS) return false;
        }
        return false;
    }

    bool write(std::string_view bytes) {
        while (!bytes.empty()) {
            DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 20));
            DWORD written = 0;
            if (!WriteFile(handle_.get(), bytes.data(), chunk, &written, nullptr)) return false;
            bytes.remove_prefix(written);
        }
        return true;
    }

    bool flushAndClose() { return FlushFileBuffers(handle_.get()) && handle_.close(); }
    const std::wstring& path() const { return path_; }
    void placed() { placed_ = true; }

private:
    std::string folder_;
    std::wstring path_;
    Handle handle_;
    bool placed_ = false;
};

// Whether the file may be removed by us now, i.e. nobody holds it open without
// letting others delete it; GetLastError tells why not.
bool canReplace(const std::wstring& path) {
    Handle probe(CreateFileW(path.c_str(), DELETE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return probe.valid();
}

// The files or the sub-folders of `folder`, files with their sizes.
std::vector<FileEntry> listEntries(const std::string& folder, bool wantFolders) {
    std::vector<FileEntry> entries;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(widen(joinPath(folder, "*")).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return entries;
    do {
        std::wstring wide = found.cFileName;
        if (wide == L"." || wide == L"..") continue;
        if (((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) != wantFolders) continue;
        // A name the ANSI code page cannot spell would lead nowhere; its short name
        // (plain ASCII) still opens the same entry.
        bool lossy = false;
        std::string name = narrow(wide, &lossy);
        if (lossy) name = narrow(found.cAlternateFileName, &lossy);
        if (lossy || name.empty()) continue;
        uint64_t size = (static_cast<uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
        entries.push_back({std::move(name), size});
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return entries;
}

}  // namespace

bool Win32FileSystem::exists(const std::string& path) {
    return attributesOf(path) != INVALID_FILE_ATTRIBUTES;
}

bool Win32FileSystem::isFolder(const std::string& path) {
    DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::isFile(const std::string& path) {
    DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The attribute, not a trial write: under Wine root may write anything, and on a
// folder the attribute does not stop writes, so only files count.
bool Win32FileSystem::isReadOnly(const std::string& path) {
    DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) &&
           (attributes & FILE_ATTRIBUTE_READONLY);
}

std::optional<std::string> Win32FileSystem::readFile(const std::string& path, IoError& err) {
    // Sharing everything: the game or an editor may hold the file open meanwhile.
    Handle file(CreateFileW(widen(path).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        err = lastError();
        return std::nullopt;
    }
    // The bytes go straight into a string sized for the whole file, one byte more so
    // that the first read already sees the end: a disk file's read returns less than
    // asked only at its end. The size is a hint; a file that grows meanwhile is read on.
    LARGE_INTEGER size{};
    size_t room = GetFileSizeEx(file.get(), &size) && size.QuadPart > 0
                      ? static_cast<size_t>(size.QuadPart) + 1
                      : 65536;
    std::string bytes;
    size_t used = 0;
    for (;;) {
        if (used == bytes.size()) bytes.resize(bytes.empty() ? room : 2 * bytes.size());
        DWORD want = static_cast<DWORD>(std::min<size_t>(bytes.size() - used, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(file.get(), bytes.data() + used, want, &got, nullptr)) {
            err = lastError();
            return std::nullopt;
        }
        used += got;
        if (got < want) break;
    }
    bytes.resize(used);
    return bytes;
}

// The new content moves in with MoveFileExW, one rename. ReplaceFileW would carry the
// target's attributes over by itself, but Wine's is a move aside and a move in, and
// leaves a temporary file of its own behind when it fails. So the attributes are kept
// here: a hidden or system target stays hidden or system, a read-only one is refused.
bool Win32FileSystem::writeFile(const std::string& path, std::string_view bytes, IoError& err) {
    std::wstring target = widen(path);
    DWORD attributes = GetFileAttributesW(target.c_str());
    bool targetExists = attributes != INVALID_FILE_ATTRIBUTES;
    if (targetExists && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))) {
        err = systemError(ERROR_ACCESS_DENIED);
        return false;
    }
    // A program that holds the target open without sharing would make the move fail
    // with a bare "access denied"; asking first names the real reason.
    if (targetExists && !canReplace(target)) {
        err = lastError();
        return false;
    }
    auto failWith = [&](DWORD code) {
        err = systemError(code);
        return false;
    };
    TempFile temp(path);
    if (fail(WriteStep::CreateTemp)) return failWith(ERROR_ACCESS_DENIED);
    if (!temp.create()) return failWith(GetLastError());
    if (fail(WriteStep::Write)) return failWith(ERROR_DISK_FULL);
    if (!temp.write(bytes)) return failWith(GetLastError());
    if (fail(WriteStep::Flush)) return failWith(ERROR_WRITE_FAULT);
    if (!temp.flushAndClose()) return failWith(GetLastError());

    DWORD kept = targetExists ? attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM) : 0;
    if (kept && !SetFileAttributesW(temp.path().c_str(), kept)) return failWith(GetLastError());
    if (fail(WriteStep::Replace)) return failWith(ERROR_SHARING_VIOLATION);
    if (!MoveFileExW(temp.path().c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return failWith(GetLastError());
    temp.placed();
    return true;
}

bool Win32FileSystem::copyFile(const std::string& from, const std::string& to, IoError& err) {
    auto bytes = readFile(from, err);
    if (!bytes) return false;
    return writeFile(to, *bytes, err);
}

bool Win32FileSystem::copyFolderContent(const std::string& from, const std::string& to,
                                        IoError& err) {
    return copyTree(*this, from, to, err);
}

bool Win32FileSystem::deleteFile(const std::string& path, IoError& err) {
    if (!DeleteFileW(widen(path).c_str())) {
        err = lastError();
        return false;
    }
    return true;
}

bool Win32FileSystem::createFolder(const std::string& path, IoError& err) {
    if (isFolder(path)) return true;
    std::string parent = parentFolder(path);
    if (!parent.empty() && parent != path && !isFolder(parent) && !createFolder(parent, err))
        return false;
    if (!CreateDirectoryW(widen(path).c_str(), nullptr)) {
        DWORD code = GetLastError();
        if (code == ERROR_ALREADY_EXISTS && isFolder(path)) return true;
        err = systemError(code);
        return false;
    }
    return true;
}

std::vector<std::string> Win32FileSystem::listFiles(const std::string& folder) {
    return fileNames(listEntries(folder, false));
}

std::vector<FileEntry> Win32FileSystem::listFileEntries(const std::string& folder) {
    return listEntries(folder, false);
}

std::vector<std::string> Win32FileSystem::listFolders(const std::string& folder) {
    return fileNames(listEntries(folder, true));
}

std::string Win32FileSystem::programFolder() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return ".";
        if (length < buffer.size()) {
            buffer.resize(length);
            return parentFolder(narrow(buffer));
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace gridmate::platform
