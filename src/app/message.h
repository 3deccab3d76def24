// The program's message boxes: short texts titled "Gridmate" unless a title is given.
#pragma once

#include <string>

#include "platform/platform.h"

namespace gridmate::app {

platform::Answer tell(const std::string& text, platform::Icon icon = platform::Icon::None,
                      platform::Buttons buttons = platform::Buttons::Ok, int defaultButton = 0,
                      const std::string& title = "Gridmate");

}  // namespace gridmate::app
