#include "core/ini/line_layout.h"

#include <array>

#include "core/ini/byte_text.h"
#include "core/ini/game_ini.h"

namespace gridmate {

namespace {

constexpr std::string_view kPersonal = "[ Personal Information ]";
constexpr std::string_view kWingComment = "; 0 for no wing, angle ignored";

// With these widths the tab is the 41st character of every tab-separated line (the 40th
// for detailBias), and the comments of the other lines begin at the 29th (wing angles),
// 28th (wing flags) and 45th (steer_ratio) character.
// clang-format off
constexpr std::array<GameKeyInfo, 11> kGameKeys{{
    {GameKey::LastPlayer, GameFile::App, "[ Player ]", "lastPlayer",
     {"lastPlayer = ", FieldKind::Cut, 27, Separator::Tab,
      "; directory of the last player to play the game"}},
    {GameKey::HelmetColor, GameFile::Player, kPersonal, "helmetColor",
     {"helmetColor = ", FieldKind::Padded, 26, Separator::Tab, "; helmet color"}},
    {GameKey::Team, GameFile::Player, kPersonal, "team",
     {"team = ", FieldKind::Padded, 33, Separator::Tab, "; team"}},
    {GameKey::LastTrackSelection, GameFile::Player, kPersonal, "lastTrackSelection",
     {"lastTrackSelection = ", FieldKind::Padded, 19, Separator::Tab, "; last track visited"}},
    {GameKey::DetailBias, GameFile::Player, "[ Graphic Options ]", "detailBias",
     {"detailBias = ", FieldKind::Padded, 26, Separator::Tab,
      "; Distance at which the game draws in high detail"}},
    {GameKey::LastRasterizerDLL, GameFile::App, "[ Graphics ]", "lastRasterizerDLL",
     {"lastRasterizerDLL = ", FieldKind::CutOrWhole, 20, Separator::Tab,
      "; Last rasterizer DLL selected"}},
    {GameKey::SteerRatio, GameFile::Core, "[ Hack ]", "steer_ratio",
     {"steer_ratio = ", FieldKind::Cut, 30, Separator::None,
      "; Enable low speed ratio override"}},
    {GameKey::FrontWingAngle, GameFile::Wings, "[Wings]", "frontWingAngle",
     {"frontWingAngle = -", FieldKind::Padded, 10, Separator::None, "; 0 or less"}},
    {GameKey::RearWingAngle, GameFile::Wings, "[Wings]", "rearWingAngle",
     {"rearWingAngle = -", FieldKind::Padded, 11, Separator::None, "; 0 or less"}},
    {GameKey::FrontWingInstalled, GameFile::Wings, "[Wings]", "frontWingInstalled",
     {"frontWingInstalled = ", FieldKind::Padded, 6, Separator::None, kWingComment}},
    {GameKey::RearWingInstalled, GameFile::Wings, "[Wings]", "rearWingInstalled",
     {"rearWingInstalled = ", FieldKind::Padded, 7, Separator::None, kWingComment}},
}};
// clang-format on

std::string field(FieldKind kind, size_t width, std::string_view value) {
    size_t count = characterCount(value);
    if (count > width) {
        if (kind == FieldKind::Cut) return leftCharacters(value, width);
        return std::string(value);
    }
    return std::string(value) + std::string(width - count, ' ');
}

}  // namespace

std::string composeLine(const LineLayout& layout, std::string_view value) {
    std::string line(layout.prefix);
    line += field(layout.field, static_cast<size_t>(layout.width), value);
    if (layout.separator == Separator::Tab) line += '\t';
    line.append(layout.comment);
    return line;
}

const GameKeyInfo& gameKeyInfo(GameKey key) {
    for (const GameKeyInfo& info : kGameKeys)
        if (info.key == key) return info;
    return kGameKeys.front();  // unreachable: every GameKey has a row
}

std::string composeLine(GameKey key, std::string_view value) {
    return composeLine(gameKeyInfo(key).layout, value);
}

int32_t writeGameKey(const std::string& file, GameKey key, std::string_view value) {
    const GameKeyInfo& info = gameKeyInfo(key);
    return lngWriteIniLine(file, std::string(info.section), std::string(info.name),
                           composeLine(info.layout, value));
}

int32_t readGameKey(const std::string& file, GameKey key, std::string& value) {
    const GameKeyInfo& info = gameKeyInfo(key);
    return lngReadIniValue(file, std::string(info.section), std::string(info.name), value);
}

}  // namespace gridmate
