#include "platform/posix/pe_version.h"

#include "platform/posix/pe_image.h"
#include "platform/posix/version_resource.h"

namespace gridmate::platform {

namespace {

// The file is read afresh for every question: a rescan must see a DLL that was
// replaced in the meantime.
std::optional<std::string> readImage(const std::string& path) {
    IoError ignored;
    return fs().readFile(path, ignored);
}

}  // namespace

std::optional<VersionInfo::Translation> PeVersionInfo::firstTranslation(const std::string& path) {
    auto image = readImage(path);
    auto resource = image ? versionResourceOf(*image) : std::nullopt;
    if (!resource) return std::nullopt;
    return firstTranslationIn(*resource);
}

std::optional<std::string> PeVersionInfo::stringValue(const std::string& path,
                                                      const Translation& translation,
                                                      const std::string& name) {
    auto image = readImage(path);
    auto resource = image ? versionResourceOf(*image) : std::nullopt;
    if (!resource) return std::nullopt;
    return stringValueIn(*resource, translation, name);
}

std::optional<std::string> PeVersionInfo::firstTranslationValue(const std::string& path,
                                                                const std::string& name) {
    auto image = readImage(path);
    auto resource = image ? versionResourceOf(*image) : std::nullopt;
    if (!resource) return std::nullopt;
    auto translation = firstTranslationIn(*resource);
    if (!translation) return std::nullopt;
    return stringValueIn(*resource, *translation, name);
}

}  // namespace gridmate::platform
