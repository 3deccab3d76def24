#include "support/scripted_ui.h"

#include <gtest/gtest.h>

using namespace gridmate;
using platform::Answer;

TEST(ScriptedUi, AnswersFromItsQueueThenWithTheDefaultButton) {
    test::ScriptedUi ui;
    ui.answers = {Answer::No};
    platform::MessageBoxRequest ask{"Save?", "Gridmate", platform::Icon::Question,
                                    platform::Buttons::YesNoCancel, 2};
    EXPECT_EQ(ui.messageBox(ask), Answer::No);
    EXPECT_EQ(ui.messageBox(ask), Answer::Cancel);
    ask.defaultButton = 0;
    EXPECT_EQ(ui.messageBox(ask), Answer::Yes);
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{"Save?", "Save?", "Save?"}));
    EXPECT_EQ(ui.messages[1].icon, platform::Icon::Question);
}

TEST(ScriptedUi, DialogsAndTheShellReturnQueuedResultsAndAreRecorded) {
    test::ScriptedUi ui;
    ui.filePicks = {"/games/gpl/gpl.exe", std::nullopt};
    ui.shellOpenResults = {2};
    ui.findExecutableResults = {{42, "C:\\gpl\\gpl.exe"}};
    EXPECT_EQ(ui.openFile({"Find GPL", "", "", "/games", true}), "/games/gpl/gpl.exe");
    EXPECT_EQ(ui.openFile({}), std::nullopt);
    EXPECT_EQ(ui.openFile({}), std::nullopt);
    EXPECT_EQ(ui.fileDialogs.size(), 3u);
    EXPECT_EQ(ui.fileDialogs[0].title, "Find GPL");
    EXPECT_EQ(ui.shellOpen("readme.txt", "", "/games"), 2);
    EXPECT_EQ(ui.shellOpen("b.txt", "-x", ""), 42);
    EXPECT_EQ(ui.shellOpens[1].parameters, "-x");
    std::string raw = "stale";
    EXPECT_EQ(ui.findExecutable("a.txt", raw), 42);
    EXPECT_EQ(raw, "C:\\gpl\\gpl.exe");
    EXPECT_EQ(ui.findExecutable("b.txt", raw), 31);
    EXPECT_EQ(raw, "");
    EXPECT_EQ(ui.findExecutableFiles, (std::vector<std::string>{"a.txt", "b.txt"}));
}
