// The game's rasterizers: DLLs in the game folder whose version resource carries a
// marker in its "PrivateBuild" string: lines separated by CR LF, one of them
// "type=rasterizer" (any case), optionally "displayname=" followed by the name.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gridmate {

struct RastEntry {
    std::string FileName;     // as the folder listing gives it
    std::string DisplayName;  // after "displayname=", case and blanks kept; may be empty
};

// The entry a marker text makes of `fileName`, or nullopt when the text is no marker.
std::optional<RastEntry> rasterizerFromMarker(const std::string& fileName,
                                              const std::string& marker);

// Every rasterizer directly in `gameFolder`, in the order the folder lists its files.
// Files whose version resource cannot be read are skipped without a message.
std::vector<RastEntry> GetRasterizers(const std::string& gameFolder);

// "DisplayName (FileName)", the text of the rasterizer list's item.
std::string rastItemText(const RastEntry& entry);

// The kind of a display name: 0 None, 1 3Dfx, 2 Rendition, 3 OpenGL, 4 Direct3D7; nullopt
// for any other text (the previous kind then stays).
std::optional<int32_t> rastKind(const std::string& displayName);
constexpr int32_t kDirect3DKind = 4;

}  // namespace gridmate
