#include <gtest/gtest.h>

#include <stdexcept>

#include "support/ui_event_log.h"

using namespace gridmate::ui;
using namespace gridmate::test;

namespace {

// A season panel holding a wing frame, beside a check box on the window itself.
struct Containers : UiModelTest {
    Frame& panel = window.add<Frame>("fraSeason", nullptr, 2);
    Frame& wings = window.add<Frame>("fraWings", &panel);
    CheckBox& wing = window.add<CheckBox>("chkWing", &wings, 0);
    Label& driver = window.add<Label>("lblPlayer", &panel, 2);
    CheckBox& steer = window.add<CheckBox>("chkSteerHack");

    void SetUp() override { log.take(); }
};

}  // namespace

TEST_F(Containers, HidingOrDisablingAFrameHoldsForEverythingInside) {
    panel.setVisible(false);
    EXPECT_FALSE(wing.effectiveVisible());
    EXPECT_FALSE(driver.effectiveVisible());
    EXPECT_TRUE(wing.visible());
    EXPECT_TRUE(steer.effectiveVisible());

    panel.setVisible(true);
    wings.setEnabled(false);
    EXPECT_FALSE(wing.effectiveEnabled());
    EXPECT_FALSE(wing.acceptsInput());
    EXPECT_TRUE(driver.effectiveEnabled());
    wings.setEnabled(true);
    wing.setEnabled(false);
    EXPECT_FALSE(wing.effectiveEnabled());
    EXPECT_TRUE(wings.effectiveEnabled());
}

TEST_F(Containers, AFrameChangeIsToldToEveryControlInsideIt) {
    panel.setEnabled(false);
    EXPECT_EQ(log.take(), (Lines{"fraSeason(2) Enabled", "fraWings Enabled",
                                 "chkWing(0) Enabled", "lblPlayer(2) Enabled"}));
    wings.setVisible(false);
    wings.setVisible(false);
    EXPECT_EQ(log.take(), (Lines{"fraWings Visible", "chkWing(0) Visible"}));
    // Controls added later are observed too.
    window.add<TextBox>("txtIP").setText("1.2.3.4");
    EXPECT_EQ(log.take(), Lines{"txtIP Text"});
}

TEST_F(Containers, CodeStillSetsControlsThatTheUserCannotReach) {
    panel.setEnabled(false);
    wing.onClick = log.handler("click");
    log.take();
    wing.setValue(1);
    EXPECT_EQ(log.take(), (Lines{"chkWing(0) Value", "click"}));
}

TEST_F(Containers, FramesListTheirChildrenAndTheWindowFindsControlsByNameAndIndex) {
    EXPECT_EQ(panel.children(), (std::vector<Control*>{&wings, &driver}));
    EXPECT_EQ(wings.children(), (std::vector<Control*>{&wing}));
    EXPECT_EQ(window.find("chkWing", 0), &wing);
    EXPECT_EQ(window.find("chkWing"), nullptr);
    EXPECT_EQ(window.find<Label>("lblPlayer", 2), &driver);
    EXPECT_EQ(window.find<CheckBox>("lblPlayer", 2), nullptr);
    EXPECT_EQ(window.controls(),
              (std::vector<Control*>{&panel, &wings, &wing, &driver, &steer}));
    EXPECT_EQ(wing.kind(), Kind::CheckBox);
    EXPECT_EQ(&wing.window(), &window);
}

TEST_F(Containers, AFrameOfAnotherWindowIsRefused) {
    Window dialog{"dlgSave"};
    EXPECT_THROW(dialog.add<Label>("lblDesc", &panel), std::invalid_argument);
    EXPECT_TRUE(dialog.controls().empty());
}

using WindowModel = UiModelTest;

TEST_F(WindowModel, PlacementIsLeftToThePlatformUntilGiven) {
    window.setSize(4545, 5175);
    window.setWidth(4545);
    EXPECT_FALSE(window.left().has_value());
    window.setTop(300);
    window.setTop(300);
    window.setState(WindowState::Minimized);
    EXPECT_FALSE(window.left().has_value());
    EXPECT_EQ(window.top(), 300);
    EXPECT_EQ(log.take(), (Lines{"Pitboard Geometry", "Pitboard Geometry",
                                 "Pitboard WindowState"}));
}

TEST_F(WindowModel, ClosingRunsTheClosingHandlerOnceAndHidesTheWindow) {
    window.show();
    window.onClosing = [&] {
        log.add(std::string("closing, closed=") + (window.closed() ? "yes" : "no"));
        window.close();
    };

    window.close();
    window.close();
    window.show();
    EXPECT_FALSE(window.visible());
    EXPECT_EQ(log.take(), (Lines{"Pitboard Visible", "closing, closed=yes",
                                 "Pitboard Closed"}));
}
