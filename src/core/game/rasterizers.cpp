#include "core/game/rasterizers.h"

#include <algorithm>
#include <cctype>

#include "platform/paths.h"
#include "platform/platform.h"

namespace gridmate {

namespace {

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::vector<std::string> splitAtCrLf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            return lines;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
}

bool endsWithDll(const std::string& name) {
    return name.size() >= 4 && lower(name.substr(name.size() - 4)) == ".dll";
}

}  // namespace

std::optional<RastEntry> rasterizerFromMarker(const std::string& fileName,
                                              const std::string& marker) {
    auto lines = splitAtCrLf(marker);
    if (lines.size() < 3) return std::nullopt;
    RastEntry entry;
    for (const auto& line : lines) {
        size_t equals = line.find('=');
        std::string key = equals == std::string::npos ? "" : lower(line.substr(0, equals + 1));
        if (key == "type=" && lower(line) == "type=rasterizer")
            entry.FileName = fileName;
        else if (key == "displayname=")
            entry.DisplayName = line.substr(equals + 1);
    }
    if (entry.FileName.empty()) return std::nullopt;
    return entry;
}

std::vector<RastEntry> GetRasterizers(const std::string& gameFolder) {
    std::vector<RastEntry> list;
    auto& versions = platform::versionInfo();
    for (const auto& name : platform::fs().listFiles(gameFolder)) {
        if (!endsWithDll(name)) continue;
        std::string path = platform::joinPath(gameFolder, name);
        auto marker = versions.firstTranslationValue(path, "PrivateBuild");
        if (!marker) continue;
        if (auto entry = rasterizerFromMarker(name, *marker)) list.push_back(*entry);
    }
    return list;
}

std::string rastItemText(const RastEntry& entry) {
    return entry.DisplayName + " (" + entry.FileName + ")";
}

std::optional<int32_t> rastKind(const std::string& displayName) {
    static const char* const kinds[] = {"None", "3Dfx", "Rendition", "OpenGL", "Direct3D7"};
    for (int32_t k = 0; k < 5; ++k)
        if (displayName == kinds[k]) return k;
    return std::nullopt;
}

}  // namespace gridmate
