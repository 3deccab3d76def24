// A second start brings the window of a running copy of this version to the front
// (restored when minimised) and ends; beside another version's copy it runs.
#include <gtest/gtest.h>

#include "app/startup.h"

using namespace gridmate::app;

struct Lookup : InstanceLookup {
    bool running = true, minimised = true;
    std::string caption = "Gridmate 1.0.9", calls;  // the other copy's window; what was asked
    bool previousInstance() override { return running; }
    void* findWindow(const std::string& c) override { return calls += c + ";", c == caption ? this : nullptr; }
    bool isIconic(void*) override { return minimised; }
    void showNormal(void*) override { calls += "restore;"; }
    void setForeground(void*) override { calls += "front;"; }
};

TEST(Startup, HandsOverOnlyToTheWindowOfThisVersion) {
    Lookup alone, other, running;
    alone.running = false;
    other.caption = "Gridmate 1.0.8";
    EXPECT_TRUE(Main(alone) == StartDecision::Run && Main(other) == StartDecision::Run);
    EXPECT_EQ(Main(running), StartDecision::HandedOver);
    EXPECT_EQ(alone.calls + "|" + other.calls + "|" + running.calls,
              "|Gridmate 1.0.9;|Gridmate 1.0.9;restore;front;");
}
