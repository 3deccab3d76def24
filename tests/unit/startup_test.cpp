// A second start hands over to a running copy of this version by bringing its window to
// the front (restored first when minimised); beside a copy of another version, or one
// without a window, it runs.
#include <gtest/gtest.h>

#include "app/startup.h"

using namespace gridmate::app;

namespace {

struct FakeLookup : InstanceLookup {
    bool running, minimised;
    std::string caption, calls;  // the other copy's window caption; what was asked
    FakeLookup(bool r, std::string c, bool m) : running(r), minimised(m), caption(std::move(c)) {}
    bool previousInstance() override { return running; }
    void* findWindow(const std::string& c) override {
        calls += "find " + c + ";";
        return c == caption ? this : nullptr;
    }
    bool isIconic(void*) override { return minimised; }
    void showNormal(void*) override { calls += "restore;"; }
    void setForeground(void*) override { calls += "front;"; }
};

TEST(Startup, HandsOverOnlyToTheWindowOfThisVersion) {
    const std::tuple<FakeLookup, StartDecision, const char*> cases[] = {
        {{false, "Gridmate 1.0.9", false}, StartDecision::Run, ""},
        {{true, "Gridmate 1.0.9", false}, StartDecision::HandedOver, "find Gridmate 1.0.9;front;"},
        {{true, "Gridmate 1.0.9", true}, StartDecision::HandedOver, "find Gridmate 1.0.9;restore;front;"},
        {{true, "Gridmate 1.0.8", false}, StartDecision::Run, "find Gridmate 1.0.9;"},
        {{true, "", false}, StartDecision::Run, "find Gridmate 1.0.9;"}};
    for (auto [lookup, decision, calls] : cases) {
        EXPECT_EQ(Main(lookup), decision) << calls;
        EXPECT_EQ(lookup.calls, calls);
    }
}

}  // namespace
