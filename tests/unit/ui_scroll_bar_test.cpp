#include <gtest/gtest.h>

#include "support/ui_event_log.h"

using namespace gridmate::ui;
using namespace gridmate::test;

namespace {

struct ScrollBars : UiModelTest {
    ScrollBar& angle = window.add<ScrollBar>("hscWingAngle", nullptr, 0);

    void SetUp() override {
        angle.setRange(0, 90);
        angle.onChange = [&] { log.add("change " + std::to_string(angle.value())); };
        log.take();
    }
};

}  // namespace

// A value outside the range stops at its nearest end.
TEST_F(ScrollBars, ChangeRunsOnlyForANewValueInsideTheRange) {
    angle.setValue(40);
    angle.setValue(40);
    angle.setValue(120);
    EXPECT_EQ(angle.value(), 90);
    angle.setValue(-12);
    EXPECT_EQ(angle.value(), 0);
    angle.setValue(-5);
    angle.setValue(0);
    EXPECT_EQ(log.take(), (Lines{"hscWingAngle(0) Value", "change 40", "hscWingAngle(0) Value",
                                 "change 90", "hscWingAngle(0) Value", "change 0"}));
}

TEST_F(ScrollBars, ARangeThatNoLongerHoldsTheValueMovesItAsAChange) {
    angle.setValue(40);
    log.take();

    angle.setMaximum(15);
    EXPECT_EQ(angle.value(), 15);
    EXPECT_EQ(log.take(), (Lines{"hscWingAngle(0) Range", "hscWingAngle(0) Value",
                                 "change 15"}));
    angle.setMaximum(90);
    EXPECT_EQ(angle.value(), 15);
    EXPECT_EQ(log.take(), Lines{"hscWingAngle(0) Range"});
    angle.setMinimum(20);
    EXPECT_EQ(log.take(), (Lines{"hscWingAngle(0) Range", "hscWingAngle(0) Value",
                                 "change 20"}));
}

TEST_F(ScrollBars, AnInvertedRangeIsRefused) {
    angle.setValue(50);
    log.take();
    EXPECT_FALSE(angle.setMaximum(-1));
    EXPECT_FALSE(angle.setRange(20, 10));
    EXPECT_EQ(angle.minimum(), 0);
    EXPECT_EQ(angle.maximum(), 90);
    EXPECT_EQ(angle.value(), 50);
    EXPECT_EQ(log.take(), Lines{});
}

TEST_F(ScrollBars, UserStepsMoveBySmallOrLargeChangesWithinTheRange) {
    angle.setSteps(1, 10);
    angle.setValue(85);
    log.take();

    angle.stepBy(1, false);
    angle.stepBy(-2, true);
    angle.stepBy(3, true);
    angle.stepBy(1, true);
    EXPECT_EQ(log.take(), (Lines{"hscWingAngle(0) Value", "change 86",
                                 "hscWingAngle(0) Value", "change 66",
                                 "hscWingAngle(0) Value", "change 90"}));
}
