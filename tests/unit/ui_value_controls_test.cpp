#include <gtest/gtest.h>

#include "support/ui_event_log.h"

using namespace gridmate::ui;
using namespace gridmate::test;

using ValueControls = UiModelTest;

TEST_F(ValueControls, CheckBoxRunsItsClickOnlyWhenTheValueChangesToZeroOrOne) {
    auto& box = window.add<CheckBox>("chkJoin");
    box.onClick = [&] { log.add("click value=" + std::to_string(box.value())); };

    box.setValue(0);
    EXPECT_EQ(log.take(), Lines{});
    EXPECT_TRUE(box.setValue(1));
    box.setChecked(true);
    EXPECT_FALSE(box.setValue(2));
    EXPECT_FALSE(box.setValue(-1));
    box.toggle();
    EXPECT_EQ(log.take(), (Lines{"chkJoin Value", "click value=1", "chkJoin Value",
                                 "click value=0"}));
}

TEST_F(ValueControls, ButtonRunsItsClickOnEveryPressAndReportsMouseButtons) {
    auto& button = window.add<Button>("cmdLaunch", nullptr, 3);
    button.onClick = log.handler("click");
    button.onMouseUp = [&](MouseButton which, int shift) {
        log.add("up " + std::to_string(static_cast<int>(which)) + " " + std::to_string(shift));
    };

    button.click();
    button.click();
    button.mouseUp(MouseButton::Right, CtrlKey);
    button.mouseUp(MouseButton::Left, ShiftKey | CtrlKey);
    EXPECT_EQ(log.take(), (Lines{"click", "click", "up 2 2", "up 1 3"}));
}

TEST_F(ValueControls, TextBoxRunsChangeForEachNewTextAndResetsTheSelection) {
    auto& box = window.add<TextBox>("txtIP");
    box.onChange = [&] { log.add("change " + box.text()); };

    box.setText("10.0.0.1");
    box.selectAll();
    EXPECT_EQ(box.selectionLength(), 8);
    box.setText("10.0.0.1");
    box.setText("");
    EXPECT_EQ(box.selectionStart(), 0);
    EXPECT_EQ(box.selectionLength(), 0);
    EXPECT_EQ(log.take(), (Lines{"txtIP Text", "change 10.0.0.1", "txtIP TextSelection",
                                 "txtIP Text", "change "}));
}

// The selection stays inside the text; focus runs the handler that may select it.
TEST_F(ValueControls, TextBoxSelectionStaysInsideTheText) {
    auto& box = window.add<TextBox>("txtGPLPath");
    box.setText("C:\\gpl");
    box.select(4, 50);
    EXPECT_EQ(box.selectionStart(), 4);
    EXPECT_EQ(box.selectionLength(), 2);
    box.select(99, 3);
    EXPECT_EQ(box.selectionStart(), 6);
    EXPECT_EQ(box.selectionLength(), 0);
    box.select(-2, -1);
    EXPECT_EQ(box.selectionStart(), 0);
    EXPECT_EQ(box.selectionLength(), 0);
    log.take();

    box.onGotFocus = [&] { box.selectAll(); };
    box.gotFocus();
    EXPECT_EQ(box.selectionStart(), 0);
    EXPECT_EQ(box.selectionLength(), 6);
    EXPECT_EQ(log.take(), Lines{"txtGPLPath TextSelection"});
}

TEST_F(ValueControls, CommonPropertiesAreToldOnlyWhenTheyChange) {
    auto& button = window.add<Button>("cmdPasteIP");
    for (int twice = 0; twice < 2; ++twice) {
        button.setEnabled(false);
        button.setPicture(Picture::resource("clipboard"));
        button.setGeometry({3300, 3480, 375, 315});
        button.setPosition(3300, 3480);
    }
    button.setSize(400, 315);
    EXPECT_EQ(button.geometry(), (Rect{3300, 3480, 400, 315}));
    EXPECT_EQ(log.take(), (Lines{"cmdPasteIP Enabled", "cmdPasteIP Picture",
                                 "cmdPasteIP Geometry", "cmdPasteIP Geometry"}));
}
