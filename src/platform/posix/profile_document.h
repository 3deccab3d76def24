// A Windows profile file parsed once into the form the system's profile functions keep
// in memory, so that many reads cost one parse and one index.
//
// The behaviour follows the profile functions this program runs on (Wine's, which the
// Windows build calls under Wine): a changed file is written back whole and normalised,
// "[name]" and "key=value" lines with CR LF, no blank lines, blanks around names and
// values dropped. A write that changes nothing leaves the file untouched.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace gridmate::platform {

class ProfileDocument {
public:
    ProfileDocument();

    static ProfileDocument parse(std::string_view bytes);
    // The file read through platform::fs(); a file that cannot be read is empty.
    static ProfileDocument load(const std::string& path);

    // The value of `key` in the first section named `section` (names trimmed and
    // compared without regard to ASCII case), without matching quotes; `def` when the
    // key is missing or has no "=".
    std::string getString(std::string_view section, std::string_view key,
                          std::string_view def) const;
    // The lines of the first section named exactly `section` (case aside), as
    // "key=value" or "key", comment lines left out.
    std::vector<std::string> getSection(std::string_view section) const;

    // The names of the file's sections in file order, duplicates included.
    std::vector<std::string> sectionNames() const;

    // Changes; each returns whether the document changed.
    bool setString(std::string_view section, std::string_view key, std::string_view value);
    bool deleteKey(std::string_view section, std::string_view key);
    bool deleteSection(std::string_view section);
    // Empties every section of that name, then adds each "key=value" line to the first
    // one (creating it when missing). Lines without "=" are dropped; an empty line ends
    // the list, as the NUL-separated list of the system call would.
    bool replaceSection(std::string_view section, const std::vector<std::string>& lines);

    // The file's bytes as the system writes them.
    std::string serialize() const;

private:
    struct Entry {
        std::string name;
        std::optional<std::string> value;  // nullopt: a line without "="
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };

    Section* findSection(std::string_view trimmedName);
    const Section* findSection(std::string_view trimmedName) const;
    void reindex();

    // The first section holds the lines before the first header and has no name.
    std::vector<Section> sections_;
    // Lower-cased section name -> index of its first section.
    std::unordered_map<std::string, size_t> index_;
    bool utf8Marker_ = false;
};

}  // namespace gridmate::platform
