// The operating system behind small interfaces. One program-wide set is installed at
// start; tests install their own. Everything above this layer reaches files, profile
// files, the code page and the user only through these interfaces.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gridmate::platform {

// What went wrong in a file operation: the system's own number and text
// (GetLastError and its message on Windows, errno and strerror elsewhere).
struct IoError {
    int32_t code = 0;
    std::string description;
};

// The steps of an atomic replacement, named so that tests can make one of them fail.
enum class WriteStep { CreateTemp, Write, Flush, Replace };

// A file of a folder listing, with its size where the listing tells it.
struct FileEntry {
    std::string name;
    std::optional<uint64_t> size;
};
std::vector<std::string> fileNames(std::vector<FileEntry> entries);

// Reads may come from two threads at once: the rasterizers are discovered on a worker
// thread while the rest of the load goes on (reads only; every write is the window's).
class FileSystem {
public:
    virtual ~FileSystem() = default;

    virtual bool exists(const std::string& path) = 0;  // file or folder
    virtual bool isFolder(const std::string& path) = 0;
    virtual bool isFile(const std::string& path) = 0;
    virtual bool isReadOnly(const std::string& path) = 0;

    // The whole file as bytes; nullopt and `err` set when it cannot be read.
    virtual std::optional<std::string> readFile(const std::string& path, IoError& err) = 0;
    // Replace (or create) `path` atomically: a temporary file in the same folder,
    // flushed, then moved over the target in one step. A read-only target is refused.
    // On failure the target is byte for byte as it was and no temporary file remains.
    virtual bool writeFile(const std::string& path, std::string_view bytes, IoError& err) = 0;
    // Copy `from` over `to` with the same guarantees as writeFile.
    virtual bool copyFile(const std::string& from, const std::string& to, IoError& err) = 0;
    // Copy every file and sub-folder of `from` into `to` (created when missing),
    // overwriting files of the same name and keeping other files of `to`.
    virtual bool copyFolderContent(const std::string& from, const std::string& to,
                                   IoError& err) = 0;
    virtual bool deleteFile(const std::string& path, IoError& err) = 0;
    virtual bool createFolder(const std::string& path, IoError& err) = 0;
    // Names (not paths) of the files / sub-folders directly in `folder`, in the order
    // the platform lists them. A missing folder lists nothing.
    virtual std::vector<std::string> listFiles(const std::string& folder) = 0;
    virtual std::vector<std::string> listFolders(const std::string& folder) = 0;
    // listFiles with each file's size, where the system's listing gives it without
    // opening the file (sizes unknown otherwise).
    virtual std::vector<FileEntry> listFileEntries(const std::string& folder);
    // The folder of the running program's executable.
    virtual std::string programFolder() = 0;
};

// Windows profile-file semantics (GetPrivateProfileString and friends): case-blind
// section and key names, blanks and matching quotes around values dropped, the first
// of duplicate sections or keys wins, a missing file or key reads as empty, the first
// write creates file and section. Values and sections are read whole.
class Profile {
public:
    virtual ~Profile() = default;
    virtual std::string getString(const std::string& file, const std::string& section,
                                  const std::string& key, const std::string& def) = 0;
    // key == nullopt deletes the whole section; value == nullopt deletes the key.
    virtual bool writeString(const std::string& file, const std::string& section,
                             const std::optional<std::string>& key,
                             const std::optional<std::string>& value) = 0;
    // The section's lines ("key=value", comments dropped) in file order.
    virtual std::vector<std::string> getSection(const std::string& file,
                                                const std::string& section) = 0;
    // Replaces the section's content by `lines`, creating the section when missing.
    virtual bool writeSection(const std::string& file, const std::string& section,
                              const std::vector<std::string>& lines) = 0;
};

// The system's ANSI code page. Text is walked by character: a lead byte and the byte
// after it are one character, and that second byte is never taken for a separator or a
// letter of its own.
class CodePage {
public:
    virtual ~CodePage() = default;
    virtual bool isLeadByte(unsigned char byte) const = 0;
    // A character of one byte in lower case, as the system folds it (ASCII letters by
    // default).
    virtual unsigned char lowerByte(unsigned char byte) const;

    // The size of the character that starts at `at`: 2 for a lead byte with a byte
    // after it, else 1.
    size_t characterSize(std::string_view text, size_t at) const {
        return isLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
    }
    // `text` in lower case: characters of one byte folded, double-byte ones kept whole.
    std::string lowerCase(std::string_view text) const;
};

enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Answer { Ok, Cancel, Yes, No, Retry };

struct MessageBoxRequest {
    std::string text;
    std::string title;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    int defaultButton = 0;  // 0 = first, 1 = second, ...
};

struct OpenFileRequest {
    std::string title;
    std::string filterDescription;  // "GPL.EXE (gpl.exe)"
    std::string filterPattern;      // "GPL.EXE"
    std::string initialFolder;      // a folder or a file path
    bool hideReadOnly = true;
};

// The user: message boxes, dialogs and the desktop. A window handle is opaque here.
class Ui {
public:
    virtual ~Ui() = default;
    virtual Answer messageBox(const MessageBoxRequest& request) = 0;
    // The picked file's full path, or nullopt when cancelled.
    virtual std::optional<std::string> openFile(const OpenFileRequest& request) = 0;
    virtual std::optional<std::string> clipboardText() = 0;
    virtual int screenWidthTwips() = 0;
    virtual int screenHeightTwips() = 0;
    virtual void setWaitCursor(bool on) = 0;
    // ShellExecute "Open": the result code (32 or more is success).
    virtual intptr_t shellOpen(const std::string& file, const std::string& parameters,
                               const std::string& workingFolder) = 0;
    // FindExecutable: result code and the raw 260-byte result buffer.
    virtual intptr_t findExecutable(const std::string& file, std::string& rawResult) = 0;
    // Whether the program file holds an icon (ExtractIconEx finds icon 0).
    virtual bool hasIcon(const std::string& program) = 0;
};

// Asked from the rasterizer discovery's worker thread.
class VersionInfo {
public:
    virtual ~VersionInfo() = default;
    struct Translation {
        uint16_t language = 0;
        uint16_t codePage = 0;
    };
    // The first entry of \VarFileInfo\Translation, and one string value of that
    // translation (e.g. "PrivateBuild"); nullopt when the file has none.
    virtual std::optional<Translation> firstTranslation(const std::string& path) = 0;
    virtual std::optional<std::string> stringValue(const std::string& path,
                                                   const Translation& translation,
                                                   const std::string& name) = 0;
    // The string value `name` of the first translation: both questions at once, so that
    // a reader of the file's bytes reads it once.
    virtual std::optional<std::string> firstTranslationValue(const std::string& path,
                                                             const std::string& name) {
        auto translation = firstTranslation(path);
        if (!translation) return std::nullopt;
        return stringValue(path, *translation, name);
    }
};

struct Platform {
    FileSystem* fileSystem = nullptr;
    Profile* profile = nullptr;
    CodePage* codePage = nullptr;
    Ui* ui = nullptr;
    VersionInfo* versionInfo = nullptr;
};

// The program-wide platform. Until something else is installed it is the real one of
// the build's system. `install` returns the previous set; members left null keep the
// current ones.
Platform& current();
Platform install(const Platform& replacement);

inline FileSystem& fs() { return *current().fileSystem; }
inline Profile& profile() { return *current().profile; }
inline CodePage& codePage() { return *current().codePage; }
inline Ui& ui() { return *current().ui; }
inline VersionInfo& versionInfo() { return *current().versionInfo; }

// The real platform of the build's system (each implementation provides it).
Platform nativePlatform();

// Installs a platform for the lifetime of the guard (tests).
class ScopedPlatform {
public:
    explicit ScopedPlatform(const Platform& replacement) : previous_(install(replacement)) {}
    ~ScopedPlatform() { install(previous_); }
    ScopedPlatform(const ScopedPlatform&) = delete;
    ScopedPlatform& operator=(const ScopedPlatform&) = delete;

private:
    Platform previous_;
};

}  // namespace gridmate::platform
