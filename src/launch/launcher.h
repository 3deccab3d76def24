// The eight launcher buttons: bindings in the settings file, the program that opens a
// bound file, and what a right click means.
#pragma once

#include <cstdint>
#include <string>

namespace gridmate::launch {

// "Launch0" .. "Launch7".
std::string launcherKey(int index);

// The shell may cut the program path it returns at its first blank by putting a NUL
// there: undo that cut, drop trailing blanks and a closing quote (with the blanks before
// it), and end the text at its first NUL.
std::string strCleanExePath(const std::string& raw);

// The message for a failed association lookup (result below 32).
std::string findExecutableMessage(intptr_t result);

enum class RightClick { Clear, Choose };
// Exactly Ctrl held clears the button; any other combination chooses a file.
RightClick rightClickAction(int shift);

}  // namespace gridmate::launch
