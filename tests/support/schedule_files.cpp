#include "support/schedule_files.h"

namespace gridmate::test {

EventSpec event(const std::string& track, int n) {
    return {track, track + " GP", track, std::to_string(n % 12 + 1), std::to_string(n % 28 + 1),
            std::to_string(40 + n), std::to_string(10 + n % 10)};
}

std::string scheduleText(const std::vector<EventSpec>& events, const std::string& count) {
    std::string text = "[Season]\r\n" + (count.empty() ? "" : "numEvents=" + count + "\r\n");
    for (size_t i = 0; i < events.size(); ++i) {
        const EventSpec& e = events[i];
        text += "\r\n[Event" + std::to_string(i + 1) + "]\r\nname=" + e.name + "\r\nshortname=" +
                e.shortname + "\r\ntrackDirectory=" + e.trackDirectory + "\r\nmonth=" + e.month +
                "\r\nday=" + e.day + "\r\nnumberOfLaps=" + e.numberOfLaps + "\r\nstartingGrid=" +
                e.startingGrid + "\r\n";
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
