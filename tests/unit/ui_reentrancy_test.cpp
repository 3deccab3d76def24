#include <gtest/gtest.h>

#include "support/ui_event_log.h"

using namespace gridmate::ui;
using namespace gridmate::test;

using Reentrancy = UiModelTest;

// A season option whose click sets the wing limit, whose click lowers the slider's
// maximum, whose change updates a label: every handler runs inside the setter that
// caused it, before that setter returns.
TEST_F(Reentrancy, HandlersRunNestedInsideTheSetterThatCausedThem) {
    auto& season = window.add<OptionButton>("optSeason", nullptr, 2);
    auto& limit = window.add<CheckBox>("chkSetWingMax15");
    auto& angle = window.add<ScrollBar>("hscWingAngle", nullptr, 0);
    auto& label = window.add<Label>("lblWingAngle", nullptr, 0);
    angle.setRange(0, 90);
    angle.setValue(40);
    log.take();

    season.onClick = [&] {
        log.add("season in");
        limit.setValue(1);
        log.add("season out, label " + label.caption());
    };
    limit.onClick = [&] {
        log.add("limit in");
        angle.setMaximum(limit.checked() ? 15 : 90);
        log.add("limit out");
    };
    angle.onChange = [&] { label.setCaption(std::to_string(angle.value())); };

    season.select();
    log.add("returned");
    EXPECT_EQ(log.take(),
              (Lines{"optSeason(2) Value", "season in", "chkSetWingMax15 Value", "limit in",
                     "hscWingAngle(0) Range", "hscWingAngle(0) Value",
                     "lblWingAngle(0) Caption", "limit out", "season out, label 15",
                     "returned"}));
}

// The track-set list undoes a refused choice from inside its own click.
TEST_F(Reentrancy, AClickMaySetItsOwnControlAgain) {
    auto& sets = window.add<ComboBox>("cboTrackSets");
    for (const char* name : {"a", "b", "c"}) sets.addItem(name);
    sets.setSelectedIndex(0);
    bool refuse = true;
    sets.onClick = [&] {
        log.add("click " + std::to_string(sets.selectedIndex()));
        if (refuse && sets.selectedIndex() != -1) sets.setSelectedIndex(-1);
        log.add("after " + std::to_string(sets.selectedIndex()));
    };
    log.take();

    sets.setSelectedIndex(2);
    EXPECT_EQ(sets.selectedIndex(), -1);
    EXPECT_EQ(log.take(), (Lines{"cboTrackSets SelectedIndex", "click 2",
                                 "cboTrackSets SelectedIndex", "click -1", "after -1",
                                 "after -1"}));
}

TEST_F(Reentrancy, AClickMayRebuildItsOwnList) {
    auto& players = window.add<ComboBox>("cboPlayer");
    players.addItem("Jim Racer");
    players.addItem("Ann Fast");
    players.onClick = [&] {
        const std::string chosen = players.selectedItem();
        players.clear();
        for (const char* name : {"Ann Fast", "Bob Slow", "Jim Racer"}) players.addItem(name);
        log.add("rebuilt after " + chosen);
    };

    players.setSelectedIndex(1);
    EXPECT_EQ(players.items(), (Lines{"Ann Fast", "Bob Slow", "Jim Racer"}));
    EXPECT_EQ(players.selectedIndex(), -1);
    EXPECT_EQ(log.take().back(), "rebuilt after Ann Fast");
}

TEST_F(Reentrancy, AHandlerMayReplaceItselfWhileRunning) {
    auto& button = window.add<Button>("cmdDetail");
    // The capture is large enough to live on the heap, freed when the handler is replaced.
    button.onClick = [&, payload = std::string(64, 'x')] {
        button.onClick = log.handler("second handler");
        log.add("first handler " + std::to_string(payload.size()));
    };
    button.click();
    button.click();
    EXPECT_EQ(log.take(), (Lines{"first handler 64", "second handler"}));
}

TEST_F(Reentrancy, AnObserverMayAddControlsWhileAFrameTellsItsChildren) {
    auto& frame = window.add<Frame>("fraTarmacOptions");
    window.add<CheckBox>("chkA", &frame);
    window.add<CheckBox>("chkB", &frame);
    int added = 0;
    window.observeControls([&](Control& control, Property) {
        log.add(control.name());
        if (added < 3) window.add<Label>("lbl" + std::to_string(added++), &frame);
    });

    // lbl0 came before the frame told its children; lbl1 and lbl2 came while it did.
    frame.setEnabled(false);
    EXPECT_EQ(log.take(), (Lines{"fraTarmacOptions", "chkA", "chkB", "lbl0"}));
    EXPECT_EQ(frame.children().size(), 5u);
}
