#include "support/schedule_files.h"

namespace gridmate::test {

EventSpec event(const std::string& track, int n) {
    EventSpec e;
    e.trackDirectory = track;
    e.name = track + " GP";
    e.shortname = track;
    e.month = std::to_string(n % 12 + 1);
    e.day = std::to_string(n % 28 + 1);
    e.numberOfLaps = std::to_string(40 + n);
    e.startingGrid = std::to_string(10 + n % 10);
    return e;
}

std::string scheduleText(const std::vector<EventSpec>& events, const std::string& count) {
    std::string text = "[Season]\r\n";
    if (!count.empty()) text += "numEvents=" + count + "\r\n";
    int n = 0;
    for (const EventSpec& e : events) {
        text += "\r\n[Event" + std::to_string(++n) + "]\r\n";
        text += "name=" + e.name + "\r\nshortname=" + e.shortname + "\r\ntrackDirectory=" +
                e.trackDirectory + "\r\nmonth=" + e.month + "\r\nday=" + e.day +
                "\r\nnumberOfLaps=" + e.numberOfLaps + "\r\nstartingGrid=" + e.startingGrid +
                "\r\n";
    }
    return text;
}

std::string scheduleText(const std::vector<EventSpec>& events) {
    return scheduleText(events, std::to_string(events.size()));
}

void ScriptedModalHost::showModal(ui::Window& window) {
    window.show();
    shown.push_back(window.caption());
    if (!scripts.empty()) {
        auto script = std::move(scripts.front());
        scripts.pop_front();
        script(window);
    }
    if (window.visible()) window.close();
}

}  // namespace gridmate::test
