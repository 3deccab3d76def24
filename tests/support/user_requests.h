// What the scripted user was asked, one line per message box or file dialog, so that a
// test asserts every part of every request in one comparison.
#pragma once

#include <string>
#include <vector>

#include "support/scripted_ui.h"

namespace gridmate::test {

// "title | Icon Buttons | text", with " default N" after the buttons when the default
// button is not the first.
std::string describe(const platform::MessageBoxRequest& box);
std::vector<std::string> boxes(const ScriptedUi& ui);

// "title | filter description | filter pattern | initial folder", and " | read-only
// shown" when the dialog offers its read-only box.
std::string describe(const platform::OpenFileRequest& dialog);
std::vector<std::string> dialogs(const ScriptedUi& ui);

}  // namespace gridmate::test
