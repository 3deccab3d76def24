#include <gtest/gtest.h>

#include "support/ui_event_log.h"

using namespace gridmate::ui;
using namespace gridmate::test;

namespace {

// Three season options in one frame and two mode options directly on the window.
struct OptionGroups : UiModelTest {
    Frame& frame = window.add<Frame>("Frame1");
    std::vector<OptionButton*> seasons;
    std::vector<OptionButton*> modes;

    void SetUp() override {
        for (int i = 0; i < 3; ++i) {
            seasons.push_back(&window.add<OptionButton>("optSeason", &frame, i));
            seasons.back()->onClick = log.handler("click season " + std::to_string(i));
        }
        for (int i = 0; i < 2; ++i) {
            modes.push_back(&window.add<OptionButton>("optAction", nullptr, i));
            modes.back()->onClick = log.handler("click mode " + std::to_string(i));
        }
    }

    std::string selection(const std::vector<OptionButton*>& group) const {
        std::string flags;
        for (const auto* option : group) flags += option->selected() ? '1' : '0';
        return flags;
    }
};

}  // namespace

TEST_F(OptionGroups, SelectingOneDeselectsTheOthersOfItsContainerOnly) {
    modes[1]->setSelected(true);
    seasons[0]->setSelected(true);
    seasons[2]->select();

    EXPECT_EQ(selection(seasons), "001");
    EXPECT_EQ(selection(modes), "01");
}

// Selecting the selected button again, or deselecting one, runs no click.
TEST_F(OptionGroups, OnlyTheNewlySelectedButtonRunsItsClick) {
    seasons[0]->setSelected(true);
    log.take();

    seasons[1]->select();
    EXPECT_EQ(log.take(), (Lines{"optSeason(0) Value", "optSeason(1) Value",
                                 "click season 1"}));
    seasons[1]->select();
    EXPECT_EQ(log.take(), Lines{});
    seasons[1]->setSelected(false);
    EXPECT_EQ(log.take(), Lines{"optSeason(1) Value"});
    EXPECT_EQ(selection(seasons), "000");
    seasons[1]->select();
    EXPECT_EQ(log.take(), (Lines{"optSeason(1) Value", "click season 1"}));
}

TEST_F(OptionGroups, NoObserverSeesTwoSelectedAndTheClickSeesItsButtonSelected) {
    std::vector<std::string> seen;
    window.observeControls([&](Control&, Property) { seen.push_back(selection(seasons)); });
    seasons[2]->onClick = [&] { seen.push_back("click sees " + selection(seasons)); };
    seasons[0]->select();
    seasons[2]->select();
    EXPECT_EQ(seen, (Lines{"100", "000", "001", "click sees 001"}));
}
