// The control model's rules that the window tests do not reach on their own.
#include <gtest/gtest.h>

#include <utility>

#include "ui/controls.h"

using namespace gridmate::ui;

namespace {

// The observer and the handlers write one word each into `log`; properties by number:
// 1 Text, 3 Value, 4 Items, 5 SelectedIndex, 6 Range.
struct Model : ::testing::Test {
    Window window{"Pitboard"};
    std::string log;
    Model() {
        window.observeControls([this](Control& c, Property p) { log += c.name() + std::to_string(int(p)) + " "; });
    }
    Control::Handler note(const std::string& word) {
        return [this, word] { log += word + " "; };
    }
    std::string take() { return std::exchange(log, {}); }
};

TEST_F(Model, ASetterRunsItsHandlerOnlyWhenTheValueChanges) {
    auto& box = window.add<CheckBox>("chk");
    auto& list = window.add<ComboBox>("cbo");
    auto& text = window.add<TextBox>("txt");
    auto& bar = window.add<ScrollBar>("hsc");
    box.onClick = note("click");
    list.onClick = note("pick");
    text.onChange = note("type");
    bar.onChange = note("move");
    for (auto item : {"a", "b"}) list.addItem(item);
    take();
    for (int twice = 0; twice < 2; ++twice) {
        box.setValue(1);
        list.setSelectedIndex(1);
        text.setText("x");
        bar.setValue(7);
    }
    // Values a control cannot take are refused without any effect.
    EXPECT_FALSE(box.setValue(2) || list.setSelectedIndex(2) || list.setSelectedIndex(-2) || bar.setRange(9, 8));
    list.setSelectedIndex(-1);
    list.clear();  // no selection: no event
    EXPECT_EQ(take(), "chk3 click cbo5 pick txt1 type hsc3 move cbo5 pick cbo4 ");
}

// A range that no longer holds the value moves it, and that is a change like any.
TEST_F(Model, HandlersRunNestedInsideTheSetterThatCausedThem) {
    auto& season = window.add<OptionButton>("opt");
    auto& limit = window.add<CheckBox>("chk");
    auto& angle = window.add<ScrollBar>("hsc");
    auto& sets = window.add<ComboBox>("cbo");
    angle.setRange(0, 90);
    angle.setValue(40);
    for (auto item : {"a", "b"}) sets.addItem(item);
    season.onClick = [&] { limit.setValue(1); log += "season "; };
    limit.onClick = [&] { EXPECT_TRUE(angle.setMaximum(15)); log += "limit "; };
    angle.onChange = [&] { log += "angle" + std::to_string(angle.value()) + " "; };
    // A list may undo the user's choice from inside its own click.
    sets.onClick = [&] { if (sets.selectedIndex() == 1) sets.setSelectedIndex(-1); log += "sets "; };
    take();
    season.select();
    sets.setSelectedIndex(1);
    angle.setMaximum(90);  // still holds the value
    EXPECT_EQ(take(), "opt3 chk3 hsc6 hsc3 angle15 limit season cbo5 cbo5 sets sets hsc6 ");
}

// New or removed items keep the selected item without a click; one option button is
// selected per container; a frame's state holds for what it contains.
TEST_F(Model, ControlsKeepTheirStateAsTheirSurroundingsChange) {
    auto& frame = window.add<Frame>("fra");
    auto& list = window.add<ListBox>("lst", &frame);
    OptionButton* options[] = {&window.add<OptionButton>("s", &frame, 0), &window.add<OptionButton>("s", &frame, 1),
                               &window.add<OptionButton>("m", nullptr, 0), &window.add<OptionButton>("m", nullptr, 1)};
    for (auto item : {"monza", "spa", "rouen"}) list.addItem(item);
    list.setSelectedIndex(1);
    list.onClick = note("click");
    list.addItem("kyalami", 0);
    list.removeItem(0);
    std::string selected = list.selectedItem();
    list.removeItem(1);
    EXPECT_EQ(selected + std::to_string(list.selectedIndex()), "spa-1");
    for (int i : {2, 0, 1}) options[i]->select();
    for (auto* option : options) log += std::to_string(option->selected());
    EXPECT_EQ(take().substr(20), "lst4 lst5 lst4 lst5 lst4 lst5 m3 s3 s3 s3 0110");
    frame.setVisible(false);
    list.setGeometry({1, 2, 3, 4});
    list.setPosition(5, 6);
    EXPECT_EQ(list.geometry(), (Rect{5, 6, 3, 4}));
    EXPECT_EQ(std::to_string(list.visible()) + std::to_string(list.effectiveVisible()), "10");
}

}  // namespace
