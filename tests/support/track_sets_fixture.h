// A main window on a game folder with players, track folders and a seasons folder, for
// the tests of the track-set row, the save dialog and the editor.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "support/app_fixture.h"
#include "support/schedule_files.h"

namespace gridmate::test {

class TrackSets : public AppFixture {
protected:
    void SetUp() override {
        jimsGame();
        for (auto t : {"monaco", "spa", "rouen", "monza"}) gameFiles.trackFolder(t);
    }
    std::string seasonFile(const std::string& name) { return gameFiles.file("seasons/" + name); }
    void put(const std::string& name, const std::string& bytes) { gameFiles.raw("seasons/" + name, bytes); }
    std::string installed() { return readBytes(seasonFile("67season.ini")); }
    app::Pitboard& open() {
        auto& w = load();
        w.modalHost = &host;
        return w;
    }
    // The set names in the order the file system lists their files.
    Texts listedSets() {
        Texts names;
        for (const auto& f : platform::fs().listFiles(gameFiles.file("seasons")))
            if (f.size() > 4 && f.compare(f.size() - 4, 4, ".67s") == 0) names.push_back(f.substr(0, f.size() - 4));
        return names;
    }
    Texts lastTracks(int i) { return window().cboLastTrack[i].items(); }
    void choose(const std::string& name) {
        auto& items = window().cboTrackSets->items();
        int at = int(std::find(items.begin(), items.end(), name) - items.begin());
        ASSERT_LT(at, int(items.size())) << name;
        window().cboTrackSets->setSelectedIndex(at);
    }

    ScriptedModalHost host;
    const std::string original = scheduleText({event("monaco", 1), event("spa", 2), event("rouen", 3)});
    const std::string shortSet = scheduleText({event("monza", 4), event("spa", 5)});
};

}  // namespace gridmate::test
