// Every operation that writes, failed at each of its points in turn (each file-changing
// call and each step of each atomic write): the files it changes end as they were or as
// intended, byte for byte; no temporary file stays; the user gets the program's message
// (or nothing where the program is silent); and the next action succeeds.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

#include "app/pitboard.h"
#include "app/settings.h"
#include "app/vi67r.h"
#include "platform/paths.h"
#include "platform/posix/file_system_posix.h"
#include "support/faulty_file_system.h"
#include "support/game_builder.h"
#include "support/schedule_files.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"

using namespace gridmate;
using namespace gridmate::test;
using Fault = FaultyFileSystem::Fault;

namespace {

using Texts = std::vector<std::string>;

const std::string kOriginal = scheduleText({event("monaco", 1), event("spa", 2), event("rouen", 3)});
const std::string kShort = scheduleText({event("monza", 4), event("spa", 5)});

// A game folder with two players, two rasterizers, wings and three track sets, and the
// program beside it; every file operation goes through a FaultyFileSystem.
struct Scene {
    explicit Scene(const std::function<void(Scene&)>& prepare) {
        platform::Platform p;
        p.ui = &ui;
        p.versionInfo = &versions;
        p.fileSystem = &files;
        scoped = std::make_unique<platform::ScopedPlatform>(p);
        temp.folder("program");
        settings.SetSetting("path", game.path());
        settings.SetSetting("showoption", "1");
        settings.SetSetting("SetWingMax15", "0");
        game.appIni("Jim", "rend_d3d.dll").coreIni("0", "1").wingsIni("1", "12", "0", "8");
        for (int s = 0; s < 3; ++s) game.player("Jim", s).player("Anna", s);
        for (auto t : {"monaco", "spa", "rouen", "monza"}) game.trackFolder(t);
        game.raw("seasons/67season.ini", kOriginal).raw("seasons/Original.67s", kOriginal);
        game.raw("seasons/Short.67s", kShort);
        for (auto dll : {"rend_ogl.dll", "rend_d3d.dll"}) game.raw(dll, "MZ");
        versions.privateBuild["rend_ogl.dll"] = "type=rasterizer\r\ndisplayname=OpenGL\r\n";
        versions.privateBuild["rend_d3d.dll"] = "type=rasterizer\r\ndisplayname=Direct3D7\r\n";
        if (prepare) prepare(*this);
    }
    void load() {
        window = std::make_unique<app::Pitboard>(settings);
        ASSERT_TRUE(window->Form_Load());
        window->modalHost = &host;
    }
    app::Pitboard& w() { return *window; }
    std::string path(const std::string& relative) const { return temp.file(relative); }
    void select(ui::ComboBox& box, const std::string& item) {
        const auto& items = box.items();
        box.setSelectedIndex(int(std::find(items.begin(), items.end(), item) - items.begin()));
    }
    void rasterizer(const std::string& fileName) {
        for (size_t i = 0; i < window->RastList.size(); ++i)
            if (window->RastList[i].FileName == fileName) window->cboRast->setSelectedIndex(int(i));
    }
    void openEditor() {
        editor = std::make_unique<app::Vi67r>(settings, game.path(), "Original", path("program"));
        editor->Form_Load();
    }

    TempFolder temp{"gm-fault"};
    ScriptedUi ui;
    FakeVersionInfo versions;
    platform::PosixFileSystem real;
    FaultyFileSystem files{real, real.failStep};
    std::unique_ptr<platform::ScopedPlatform> scoped;
    GameBuilder game{temp, "gpl"};
    app::Settings settings{temp.file("program/tarmac.ini")};
    ScriptedModalHost host;
    std::unique_ptr<app::Pitboard> window;
    std::unique_ptr<app::Vi67r> editor;
};

std::string failure(const platform::IoError& e) { return std::to_string(e.code) + ": " + e.description; }

// The message of a failed game INI patch.
std::optional<std::string> patchMessage(const Fault& f) { return failure(f.error); }
std::optional<std::string> silent(const Fault&) { return std::nullopt; }

struct WriteCase {
    const char* name;
    Texts targets;                                // relative to the scene's folder
    std::function<void(Scene&)> prepare;          // before the window loads
    std::function<void(Scene&)> arrange;          // after loading, before the fault is armed
    std::function<void(Scene&)> act;              // the operation under test
    std::function<void(Scene&)> again;            // the next action, once the fault is gone
    std::function<std::optional<std::string>(const Fault&)> message;
};

void typeAndOk(Scene& s, const std::string& name) {
    s.host.scripts.push_back([name](ui::Window& dialog) {
        dialog.find<ui::ComboBox>("cboName")->setText(name);
        dialog.find<ui::Button>("OKButton")->click();
    });
}

void runEditorOperation(Scene& s, int row) {
    s.editor->lstTracks->setSelectedIndex(row);
    s.editor->cmdOperation->click();
}

const std::string kJim67 = "gpl/players/Jim/player.ini";

const WriteCase kCases[] = {
    {"Helmet", {kJim67}, nullptr, nullptr,
     [](Scene& s) { s.w().cboHelmet[0].setSelectedIndex(9); },
     [](Scene& s) { s.w().cboHelmet[0].setSelectedIndex(8); s.w().cboHelmet[0].setSelectedIndex(9); },
     patchMessage},
    {"Team", {kJim67}, nullptr, nullptr,
     [](Scene& s) { s.w().cboTeam[0].setSelectedIndex(5); },
     [](Scene& s) { s.w().cboTeam[0].setSelectedIndex(4); s.w().cboTeam[0].setSelectedIndex(5); },
     patchMessage},
    {"LastTrack", {kJim67}, nullptr, nullptr,
     [](Scene& s) { s.w().cboLastTrack[0].setSelectedIndex(1); },
     [](Scene& s) { s.w().cboLastTrack[0].setSelectedIndex(0); s.w().cboLastTrack[0].setSelectedIndex(1); },
     patchMessage},
    {"DetailBias", {kJim67}, nullptr, nullptr,
     [](Scene& s) { s.w().hscDetail->setValue(1); },
     [](Scene& s) { s.w().hscDetail->setValue(2); s.w().hscDetail->setValue(1); },
     patchMessage},
    {"Rasterizer", {"gpl/app.ini", "gpl/core.ini"},
     [](Scene& s) { s.settings.SetSetting("SaveLastRast", "1"); }, nullptr,
     [](Scene& s) { s.rasterizer("rend_ogl.dll"); },
     [](Scene& s) { s.rasterizer("rend_d3d.dll"); s.rasterizer("rend_ogl.dll"); },
     patchMessage},
    {"Steering", {"gpl/core.ini"}, nullptr, nullptr,
     [](Scene& s) { s.w().chkSteerHack->setChecked(false); },
     [](Scene& s) { s.w().chkSteerHack->setChecked(true); s.w().chkSteerHack->setChecked(false); },
     patchMessage},
    {"Wings", {"gpl/wg69i.ini"}, nullptr, nullptr,
     [](Scene& s) { s.w().hscWingAngle[0].setValue(25); },
     [](Scene& s) { s.w().hscWingAngle[0].setValue(24); s.w().hscWingAngle[0].setValue(25); },
     patchMessage},
    {"LastPlayerAndSettingsAtExit", {"gpl/app.ini", "program/tarmac.ini"},
     [](Scene& s) { s.settings.SetSetting("SaveLastPlayer", "1"); },
     [](Scene& s) { s.select(*s.w().cboPlayer, "Anna"); },
     [](Scene& s) { s.w().form().close(); },
     [](Scene& s) { s.load(); s.select(*s.w().cboPlayer, "Anna"); s.w().form().close(); },
     [](const Fault& f) -> std::optional<std::string> {
         if (platform::fileName(f.path) == "tarmac.ini") return std::nullopt;
         return failure(f.error);
     }},
    {"SettingsAtExit", {"program/tarmac.ini"}, nullptr, nullptr,
     [](Scene& s) { s.w().form().close(); },
     [](Scene& s) { s.load(); s.w().form().close(); },
     silent},
    {"SetupCopy",
     {kJim67, "gpl/players/Jim/setups/spa/fast.stp", "gpl/players/Jim/setups/spa/wet/rain.stp",
      "gpl/players/Jim/setups/spa/mine.stp"},
     [](Scene& s) {
         s.temp.write("program/myset/fast.stp", "setup-a");
         s.temp.write("program/myset/wet/rain.stp", "setup-b");
         s.temp.write("gpl/players/Jim/setups/spa/fast.stp", "old");
         s.temp.write("gpl/players/Jim/setups/spa/mine.stp", "keep");
         s.settings.SetSetting("CopyDefaultSetup", "1");
     },
     nullptr,
     [](Scene& s) { s.select(s.w().cboLastTrack[0], "spa"); },
     [](Scene& s) { s.select(s.w().cboLastTrack[0], "rouen"); s.select(s.w().cboLastTrack[0], "spa"); },
     [](const Fault& f) -> std::optional<std::string> {
         if (platform::fileName(f.path) == "player.ini") return failure(f.error);
         std::string target = platform::parentFolder(f.call == "copyFile" ? f.path : f.path + "/x");
         // The folder being filled, as the message names it: the spa folder itself.
         while (platform::fileName(target) != "spa") target = platform::parentFolder(target);
         return "could not copy " + (f.call == "copyFile" ? f.from : f.path) + " to " + target +
                "\r\n" + failure(f.error);
     }},
    {"InstallTrackSet", {"gpl/seasons/67season.ini"}, nullptr, nullptr,
     [](Scene& s) { s.select(*s.w().cboTrackSets, "Short"); },
     [](Scene& s) { s.select(*s.w().cboTrackSets, "Short"); },
     [](const Fault& f) -> std::optional<std::string> {
         return "ChangeTrackSet()\tError on copying over Short.67s to 67seasons.ini\r\n" +
                f.error.description + "(" + std::to_string(f.error.code) + ")";
     }},
    {"SaveTrackSet", {"gpl/seasons/Saved.67s"}, nullptr, nullptr,
     [](Scene& s) { typeAndOk(s, "Saved"); s.w().cmdSaveTrackset->click(); },
     [](Scene& s) { typeAndOk(s, "Saved"); s.w().cmdSaveTrackset->click(); },
     [](const Fault& f) -> std::optional<std::string> {
         return "error(" + std::to_string(f.error.code) + "): " + f.error.description;
     }},
    {"DeleteTrackSet", {"gpl/seasons/Short.67s"}, nullptr,
     [](Scene& s) { s.select(*s.w().cboTrackSets, "Short"); },
     [](Scene& s) { s.w().cmdDelTrackset->click(); },
     [](Scene& s) { s.w().cmdDelTrackset->click(); },
     [](const Fault& f) -> std::optional<std::string> {
         return "could not delete Short.67s\r\n" + failure(f.error);
     }},
    {"EditorAdd", {"gpl/seasons/Original.67s"},
     [](Scene& s) {
         s.settings.SetSetting("67s", s.temp.write("db/all.67s", scheduleText({event("monaco", 1),
                                                   event("monza", 6), event("spa", 3)})));
     },
     [](Scene& s) { s.openEditor(); },
     [](Scene& s) { runEditorOperation(s, 0); },
     [](Scene& s) { runEditorOperation(s, 0); },
     [](const Fault& f) -> std::optional<std::string> {
         return "could not write " + f.path;
     }},
    {"EditorRemove", {"gpl/seasons/Original.67s"}, nullptr,
     [](Scene& s) { s.openEditor(); s.editor->optAction[1].select(); },
     [](Scene& s) { runEditorOperation(s, 0); },
     [](Scene& s) { runEditorOperation(s, 0); },
     [](const Fault& f) -> std::optional<std::string> {
         return "could not write " + f.path;
     }},
};

class WriteFaults : public ::testing::TestWithParam<WriteCase> {
protected:
    // Loads a scene and runs the case up to the armed fault.
    std::unique_ptr<Scene> runTo(int failAt) {
        const WriteCase& c = GetParam();
        auto scene = std::make_unique<Scene>(c.prepare);
        scene->load();
        if (c.arrange) c.arrange(*scene);
        scene->ui.messages.clear();
        scene->files.points.clear();
        scene->files.failAt = failAt;
        c.act(*scene);
        scene->files.failAt = 0;
        return scene;
    }
    // The files' bytes, with the scene's own folder (which tarmac.ini names) as "<temp>"
    // so that scenes compare.
    Texts bytes(const Scene& s) {
        Texts out;
        for (const auto& t : GetParam().targets) {
            std::string b = readBytes(s.path(t));
            for (size_t at; (at = b.find(s.temp.path())) != std::string::npos;)
                b.replace(at, s.temp.path().size(), "<temp>");
            out.push_back(b);
        }
        return out;
    }
};

TEST_P(WriteFaults, EachFailingPointLeavesOldOrNewBytesNoTemporaryFileAndItsMessage) {
    const WriteCase& c = GetParam();
    Texts before, intended;
    Texts points;
    {
        auto clean = std::make_unique<Scene>(c.prepare);
        clean->load();
        if (c.arrange) c.arrange(*clean);
        before = bytes(*clean);
        clean.reset();
        auto dry = runTo(0);
        intended = bytes(*dry);
        points = dry->files.points;
        EXPECT_TRUE(dry->ui.messages.empty()) << dry->ui.messageTexts()[0];
    }
    ASSERT_FALSE(points.empty());
    ASSERT_NE(before, intended) << "the operation must change its files";
    for (size_t k = 1; k <= points.size(); ++k) {
        SCOPED_TRACE("failing point " + std::to_string(k) + ": " + points[k - 1]);
        auto s = runTo(int(k));
        ASSERT_TRUE(s->files.fault.has_value()) << "the fault made no operation fail";
        Texts now = bytes(*s);
        for (size_t i = 0; i < now.size(); ++i)
            EXPECT_TRUE(now[i] == before[i] || now[i] == intended[i]) << c.targets[i] << ":\n" << now[i];
        EXPECT_EQ(temporaryFilesUnder(s->temp.path()), Texts{});
        std::optional<std::string> expected = c.message(*s->files.fault);
        EXPECT_EQ(s->ui.messageTexts(), expected ? Texts{*expected} : Texts{});
        for (const auto& m : s->ui.messages) EXPECT_EQ(m.title, "Gridmate");

        s->ui.messages.clear();
        c.again(*s);
        EXPECT_EQ(bytes(*s), intended);
        EXPECT_EQ(s->ui.messageTexts(), Texts{});
        EXPECT_EQ(temporaryFilesUnder(s->temp.path()), Texts{});
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWritingOperation, WriteFaults, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<WriteCase>& info) { return info.param.name; });

}  // namespace
