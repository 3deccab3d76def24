#include <gtest/gtest.h>

#include "support/ui_event_log.h"

using namespace gridmate::ui;
using namespace gridmate::test;

namespace {

struct Lists : UiModelTest {
    ComboBox& combo = window.add<ComboBox>("cboTrackSets");
    ListBox& list = window.add<ListBox>("lstTracks");
    ComboBox& name = window.add<ComboBox>("cboName");

    void SetUp() override {
        for (const char* track : {"monza", "spa", "rouen"}) {
            combo.addItem(track);
            list.addItem(track);
        }
        combo.onClick = [&] { log.add("click " + std::to_string(combo.selectedIndex())); };
        list.onClick = [&] { log.add("list click " + list.selectedItem()); };
        name.setStyle(ComboStyle::Editable);
        name.addItem("Original 1967");
        name.addItem("Short season");
        name.onClick = [&] { log.add("name click " + std::to_string(name.selectedIndex())); };
        name.onChange = [&] { log.add("change " + name.text()); };
        log.take();
    }
};

}  // namespace

// A drop-down list's text is its selection and cannot be typed.
TEST_F(Lists, SelectingAnotherIndexRunsTheClickOnceIncludingNoSelection) {
    combo.setSelectedIndex(1);
    combo.setSelectedIndex(1);
    combo.setSelectedIndex(-1);
    combo.setSelectedIndex(-1);
    EXPECT_EQ(log.take(), (Lines{"cboTrackSets SelectedIndex", "click 1",
                                 "cboTrackSets SelectedIndex", "click -1"}));
    EXPECT_EQ(combo.text(), "");
    combo.setSelectedIndex(2);
    EXPECT_EQ(combo.text(), "rouen");
    EXPECT_FALSE(combo.setText("spa"));
    EXPECT_EQ(combo.selectedIndex(), 2);
}

TEST_F(Lists, AnIndexOutsideTheListIsRefusedAndRunsNothing) {
    list.setSelectedIndex(2);
    log.take();

    EXPECT_FALSE(list.setSelectedIndex(3));
    EXPECT_FALSE(list.setSelectedIndex(-2));
    EXPECT_EQ(list.selectedIndex(), 2);
    EXPECT_EQ(log.take(), Lines{});
    EXPECT_FALSE(list.removeItem(3));
    EXPECT_FALSE(list.addItem("zandvort", 4));
    EXPECT_EQ(list.items(), (Lines{"monza", "spa", "rouen"}));
}

TEST_F(Lists, ClearingLeavesNoSelectionWithoutAClick) {
    combo.setSelectedIndex(0);
    log.take();

    combo.clear();
    EXPECT_EQ(combo.selectedIndex(), -1);
    EXPECT_EQ(combo.count(), 0);
    EXPECT_EQ(log.take(), (Lines{"cboTrackSets Items", "cboTrackSets SelectedIndex"}));

    list.clear();
    EXPECT_EQ(log.take(), Lines{"lstTracks Items"});
    list.clear();
    EXPECT_EQ(log.take(), Lines{});
}

TEST_F(Lists, ChangingItemsKeepsTheSameItemSelectedWithoutAClick) {
    list.setSelectedIndex(1);
    log.take();

    list.addItem("kyalami", 0);
    EXPECT_EQ(list.selectedIndex(), 2);
    EXPECT_EQ(list.selectedItem(), "spa");
    list.removeItem(0);
    list.addItem("watglen");
    EXPECT_EQ(list.selectedIndex(), 1);
    list.removeItem(1);
    EXPECT_EQ(list.selectedIndex(), -1);
    EXPECT_EQ(list.items(), (Lines{"monza", "rouen", "watglen"}));
    EXPECT_EQ(log.take(), (Lines{"lstTracks Items", "lstTracks SelectedIndex",
                                 "lstTracks Items", "lstTracks SelectedIndex",
                                 "lstTracks Items", "lstTracks Items",
                                 "lstTracks SelectedIndex"}));
}

// Picking sets the text without a change; typing runs the change and drops a selection
// the text no longer matches, even when it matches another item.
TEST_F(Lists, EditableComboPickSetsTheTextAndTypingRunsTheChange) {
    name.setSelectedIndex(1);
    EXPECT_EQ(name.text(), "Short season");
    name.setSelectedIndex(-1);
    EXPECT_EQ(name.text(), "");
    name.setSelectedIndex(0);
    EXPECT_EQ(log.take(), (Lines{"cboName SelectedIndex", "cboName Text", "name click 1",
                                 "cboName SelectedIndex", "cboName Text", "name click -1",
                                 "cboName SelectedIndex", "cboName Text", "name click 0"}));

    EXPECT_TRUE(name.setText("Original 1967"));
    EXPECT_EQ(log.take(), Lines{});
    name.setText("Original 1967b");
    EXPECT_EQ(name.selectedIndex(), -1);
    EXPECT_EQ(name.text(), "Original 1967b");
    name.setText("Short season");
    EXPECT_EQ(name.selectedIndex(), -1);
    EXPECT_EQ(log.take(), (Lines{"cboName Text", "cboName SelectedIndex",
                                 "change Original 1967b", "cboName Text",
                                 "change Short season"}));

    name.clear();
    EXPECT_EQ(name.text(), "");
    EXPECT_EQ(log.take(), (Lines{"cboName Items", "cboName Text"}));
}
