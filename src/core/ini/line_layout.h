// The column layout of the lines Gridmate writes into the game's files: the text before
// the value, the value in a field of fixed width, a separator and a comment. Every game
// key is written through the one table here, so that the columns stay where the game's
// own files have them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace gridmate {

enum class FieldKind {
    Padded,      // filled with blanks to the width; a longer value is written whole
    Cut,         // filled with blanks to the width; a longer value is cut to the width
    CutOrWhole,  // Cut when the value fits, otherwise the value whole without blanks
};

enum class Separator { Tab, None };

struct LineLayout {
    std::string_view prefix;  // "team = ", "frontWingAngle = -"
    FieldKind field = FieldKind::Padded;
    int width = 0;  // in characters
    Separator separator = Separator::None;
    std::string_view comment;  // "; team"
};

std::string composeLine(const LineLayout& layout, std::string_view value);

// Which of the game's files holds a key.
enum class GameFile {
    App,     // app.ini in the game folder
    Player,  // the season's player file in the player's folder
    Core,    // core.ini
    Wings,   // wg69i.ini
};

enum class GameKey {
    LastPlayer,
    HelmetColor,
    Team,
    LastTrackSelection,
    DetailBias,
    LastRasterizerDLL,
    SteerRatio,
    FrontWingAngle,
    RearWingAngle,
    FrontWingInstalled,
    RearWingInstalled,
};

struct GameKeyInfo {
    GameKey key;
    GameFile file;
    std::string_view section;  // the header text, "[ Personal Information ]"
    std::string_view name;     // the bare key name the engine searches for
    LineLayout layout;
};

const GameKeyInfo& gameKeyInfo(GameKey key);

// The whole line of `key` holding `value` (numbers in plain decimal).
std::string composeLine(GameKey key, std::string_view value);

// Writes `value` as the line of `key` into `file` (lngWriteIniLine); 0 or -1.
int32_t writeGameKey(const std::string& file, GameKey key, std::string_view value);
// Reads the value of `key` from `file` (lngReadIniValue); the count or -1.
int32_t readGameKey(const std::string& file, GameKey key, std::string& value);

}  // namespace gridmate
