// Schedule files for tests: events written as the game writes them (CR LF, a blank line
// between sections), and a modal host that plays a script on a dialog.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/modal_host.h"

namespace gridmate::test {

struct EventSpec {
    std::string trackDirectory, name, shortname;
    std::string month = "5", day = "7", numberOfLaps = "50", startingGrid = "16";
};

// An event with only a track: name "<track> GP", short name "<track>", and the other
// keys numbered after `n` so that copies can be told apart.
EventSpec event(const std::string& track, int n = 1);
// "[Season]\r\nnumEvents=<count>\r\n" (no such line for a count of ""), then one section
// per event, each after a blank line; the count defaults to the number of events.
std::string scheduleText(const std::vector<EventSpec>& events, const std::string& count);
std::string scheduleText(const std::vector<EventSpec>& events);

// Runs the next script on each window shown; a window the script left open is closed
// as by its close box.
struct ScriptedModalHost : app::ModalHost {
    std::deque<std::function<void(ui::Window&)>> scripts;
    std::vector<std::string> shown;  // the caption of each window shown
    void showModal(ui::Window& window) override;
};

}  // namespace gridmate::test
