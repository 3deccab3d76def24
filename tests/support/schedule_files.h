// Schedule files as the game writes them (CR LF, a blank line before each section), and a
// modal host that plays a script on a dialog.
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

// Name "<track> GP", short name "<track>", the other keys numbered after `n`.
EventSpec event(const std::string& track, int n = 1);
// "[Season]", "numEvents=<count>" (none for ""; by default the number of events), events.
std::string scheduleText(const std::vector<EventSpec>& events, const std::string& count);
std::string scheduleText(const std::vector<EventSpec>& events);

// Runs the next script on each window shown; one left open is closed as by its close box.
struct ScriptedModalHost : app::ModalHost {
    std::deque<std::function<void(ui::Window&)>> scripts;
    std::vector<std::string> shown;  // the caption of each window shown
    void showModal(ui::Window& window) override;
};

}  // namespace gridmate::test
