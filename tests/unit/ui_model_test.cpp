// The control model's rules that the window tests do not reach on their own.
#include <gtest/gtest.h>

#include "ui/controls.h"

using namespace gridmate::ui;

namespace {

// The observer writes name and property: 1 Text, 3 Value, 4 Items, 5 Selection, 6 Range.
struct Model : ::testing::Test {
    Window window{"Pitboard"};
    std::string log;
    Model() {
        window.observeControls([this](Control& c, Property p) { log += c.name() + std::to_string(int(p)) + " "; });
    }
};

// A setter runs its handler only for a change, nested inside itself; a range that no
// longer holds the value moves it, a change like any; a value the control cannot take is
// refused; clearing a list without a selection runs nothing.
TEST_F(Model, HandlersRunOnlyForAChangeNestedInsideTheSetter) {
    auto& season = window.add<OptionButton>("opt");
    auto& limit = window.add<CheckBox>("chk");
    auto& angle = window.add<ScrollBar>("hsc");
    auto& list = window.add<ComboBox>("cbo");
    angle.setRange(0, 90);
    angle.setValue(40);
    list.addItem("a");
    season.onClick = [&] { limit.setValue(1); log += "season "; };
    limit.onClick = [&] { EXPECT_TRUE(angle.setMaximum(15)); log += "limit "; };
    angle.onChange = [&] { log += "angle" + std::to_string(angle.value()) + " "; };
    list.onClick = [&] { log += "pick "; };
    log.clear();
    for (int twice = 0; twice < 2; ++twice) season.select(), list.setSelectedIndex(0), angle.setMaximum(90);
    EXPECT_FALSE(limit.setValue(2) || list.setSelectedIndex(1) || list.setSelectedIndex(-2) || angle.setRange(9, 8));
    list.setSelectedIndex(-1);
    list.clear();
    EXPECT_EQ(log, "opt3 chk3 hsc6 hsc3 angle15 limit season cbo5 pick hsc6 cbo5 pick cbo4 ");
}

// Items come and go around the selected item without a click; geometry is kept.
TEST_F(Model, TheSelectedItemStaysAsItemsComeAndGo) {
    auto& list = window.add<ListBox>("lst");
    for (auto item : {"monza", "spa", "rouen"}) list.addItem(item);
    list.setSelectedIndex(1);
    list.onClick = [&] { log += "click "; };
    log.clear();
    list.addItem("kyalami", 0);
    list.addItem("brands", 2);  // at the selected item's place: the selection moves on
    list.removeItem(0);
    list.removeItem(1);
    EXPECT_FALSE(list.removeItem(list.count()));
    log += list.selectedItem() + " ";
    list.removeItem(1);
    EXPECT_EQ(log + std::to_string(list.selectedIndex()), "lst4 lst5 lst4 lst5 lst4 lst5 lst4 lst5 spa lst4 lst5 -1");
    list.setGeometry({1, 2, 3, 4});
    list.setPosition(5, 6);
    EXPECT_EQ(list.geometry(), (Rect{5, 6, 3, 4}));
}

}  // namespace
