#include <gtest/gtest.h>

#include "app/startup.h"

using namespace gridmate::app;

namespace {
struct FakeLookup : InstanceLookup {
    bool running = false;
    std::string windowCaption;  // caption of the other copy's window; empty = none
    bool minimised = false;
    std::string calls;

    bool previousInstance() override { return running; }
    void* findWindow(const std::string& caption) override {
        calls += "find(" + caption + ");";
        return !windowCaption.empty() && caption == windowCaption ? this : nullptr;
    }
    bool isIconic(void*) override { return minimised; }
    void showNormal(void*) override { calls += "restore;"; }
    void setForeground(void*) override { calls += "front;"; }
};
}  // namespace

// A second start hands over to a running copy of this version by bringing its window to
// the front (restored first when minimised); beside a copy of another version, or one
// without a window, it runs.
TEST(Startup, HandsOverOnlyToTheWindowOfThisVersion) {
    EXPECT_EQ(strAppCaption(), "Gridmate 1.0.9");
    const struct {
        bool running;
        const char* caption;
        bool minimised;
        StartDecision decision;
        const char* calls;
    } cases[] = {
        {false, "Gridmate 1.0.9", false, StartDecision::Run, ""},
        {true, "Gridmate 1.0.9", false, StartDecision::HandedOver, "find(Gridmate 1.0.9);front;"},
        {true, "Gridmate 1.0.9", true, StartDecision::HandedOver,
         "find(Gridmate 1.0.9);restore;front;"},
        {true, "Gridmate 1.0.8", false, StartDecision::Run, "find(Gridmate 1.0.9);"},
        {true, "", false, StartDecision::Run, "find(Gridmate 1.0.9);"},
    };
    for (const auto& c : cases) {
        FakeLookup lookup;
        lookup.running = c.running;
        lookup.windowCaption = c.caption;
        lookup.minimised = c.minimised;
        EXPECT_EQ(Main(lookup), c.decision) << c.running << c.caption << c.minimised;
        EXPECT_EQ(lookup.calls, c.calls) << c.running << c.caption << c.minimised;
    }
}
