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

TEST(Startup, CaptionIsTitleBlankAndVersion) { EXPECT_EQ(strAppCaption(), "Gridmate 1.0.9"); }

TEST(Startup, RunsWhenNoOtherCopyIsRunning) {
    FakeLookup lookup;
    EXPECT_EQ(Main(lookup), StartDecision::Run);
    EXPECT_EQ(lookup.calls, "");
}

TEST(Startup, HandsOverToAVisibleWindowByBringingItToTheFront) {
    FakeLookup lookup;
    lookup.running = true;
    lookup.windowCaption = "Gridmate 1.0.9";
    EXPECT_EQ(Main(lookup), StartDecision::HandedOver);
    EXPECT_EQ(lookup.calls, "find(Gridmate 1.0.9);front;");
}

TEST(Startup, RestoresAMinimisedWindowBeforeBringingItToTheFront) {
    FakeLookup lookup;
    lookup.running = true;
    lookup.windowCaption = "Gridmate 1.0.9";
    lookup.minimised = true;
    EXPECT_EQ(Main(lookup), StartDecision::HandedOver);
    EXPECT_EQ(lookup.calls, "find(Gridmate 1.0.9);restore;front;");
}

TEST(Startup, RunsBesideACopyOfAnotherVersionOrOneWithoutWindow) {
    FakeLookup other;
    other.running = true;
    other.windowCaption = "Gridmate 1.0.8";
    EXPECT_EQ(Main(other), StartDecision::Run);
    FakeLookup noWindow;
    noWindow.running = true;
    EXPECT_EQ(Main(noWindow), StartDecision::Run);
}
