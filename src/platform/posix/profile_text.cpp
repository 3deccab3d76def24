#include "platform/posix/profile_text.h"

#include "platform/posix/profile_document.h"

namespace gridmate::platform {

namespace {

// Applies `change` to the file and writes it back only when something changed, so that
// a write of the value already there leaves the file as it was, and a deletion in a
// missing file creates nothing.
template <typename Change>
bool changeFile(const std::string& file, Change change) {
    IoError err;
    std::optional<std::string> bytes = fs().readFile(file, err);
    // A file that is there but cannot be read must not be replaced by what little we know.
    if (!bytes && fs().exists(file)) return false;
    ProfileDocument doc = bytes ? ProfileDocument::parse(*bytes) : ProfileDocument();
    if (!change(doc)) return true;
    return fs().writeFile(file, doc.serialize(), err);
}

}  // namespace

std::string TextProfile::getString(const std::string& file, const std::string& section,
                                   const std::string& key, const std::string& def) {
    return ProfileDocument::load(file).getString(section, key, def);
}

bool TextProfile::writeString(const std::string& file, const std::string& section,
                              const std::optional<std::string>& key,
                              const std::optional<std::string>& value) {
    return changeFile(file, [&](ProfileDocument& doc) {
        if (!key) return doc.deleteSection(section);
        if (!value) return doc.deleteKey(section, *key);
        return doc.setString(section, *key, *value);
    });
}

std::vector<std::string> TextProfile::getSection(const std::string& file,
                                                 const std::string& section) {
    return ProfileDocument::load(file).getSection(section);
}

bool TextProfile::writeSection(const std::string& file, const std::string& section,
                               const std::vector<std::string>& lines) {
    return changeFile(file,
                      [&](ProfileDocument& doc) { return doc.replaceSection(section, lines); });
}

}  // namespace gridmate::platform
