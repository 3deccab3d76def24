// gridmate_e2e [GoogleTest options] <gridmate.exe>: each case runs the program under Wine on a
// synthetic game folder, works its windows through window messages and compares whole files.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
#include <dlgs.h>

#include <functional>

#include "core/ini/line_layout.h"
#include "platform/platform.h"
#include "support/temp_folder.h"
#include "win32/control_ids.h"

namespace {

using Names = std::vector<std::string>;
using gridmate::test::readBytes;
std::string gridmateExe;

// Polls for at most 15 s: a cold start under Wine takes seconds.
bool waitUntil(const std::function<bool()>& condition) {
    for (ULONGLONG end = GetTickCount64() + 15000; !condition(); Sleep(20))
        if (GetTickCount64() > end) return false;
    return true;
}

// A message to the program must not hang the driver when the program hangs.
LRESULT send(HWND window, UINT message, WPARAM w = 0, LPARAM l = 0, bool wide = false) {
    DWORD_PTR result = 0;
    (wide ? SendMessageTimeoutW : SendMessageTimeoutA)(window, message, w, l, SMTO_ABORTIFHUNG,
                                                       5000, &result);
    return static_cast<LRESULT>(result);
}

// Posted (`later`): a click that opens a modal window would hold a sender until it closed.
void click(HWND button, bool later = false) {
    later ? void(PostMessageA(button, BM_CLICK, 0, 0)) : void(send(button, BM_CLICK));
}

std::string text(HWND window) {
    std::string buffer(size_t(send(window, WM_GETTEXTLENGTH)) + 1, '\0');
    buffer.resize(size_t(send(window, WM_GETTEXT, buffer.size(), LPARAM(buffer.data()))));
    return buffer;
}

std::string className(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// The first descendant with this ID (any when negative) and class: controls sit in frames.
HWND descendant(HWND parent, int id, const char* klass = nullptr) {
    for (HWND child = nullptr;
         parent && (child = FindWindowExA(parent, child, nullptr, nullptr));) {
        if ((id < 0 || GetDlgCtrlID(child) == id) && (!klass || className(child) == klass))
            return child;
        if (HWND inner = descendant(child, id, klass)) return inner;
    }
    return nullptr;
}

// Under Wine item texts cross processes as UTF-16 whatever function asks: read them wide.
Names items(HWND list) {
    const bool combo = className(list) == "ComboBox";
    Names out;
    for (LRESULT i = 0, n = send(list, combo ? CB_GETCOUNT : LB_GETCOUNT); i < n; ++i) {
        std::wstring wide(size_t(send(list, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, i)) + 1, 0);
        send(list, combo ? CB_GETLBTEXT : LB_GETTEXT, i, LPARAM(wide.data()), true);
        std::string ansi(wide.size() * 2, '\0');
        WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, ansi.data(), int(ansi.size()), 0, 0);
        out.push_back(ansi.c_str());
    }
    return out;
}

// As the user chooses: the list moves, then its owner hears of it (LBN_ = CBN_SELCHANGE).
void select(HWND list, int index) {
    send(list, className(list) == "ComboBox" ? CB_SETCURSEL : LB_SETCURSEL, index);
    send(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE), LPARAM(list));
}

void typeKeys(HWND edit, const std::string& text) {
    send(edit, EM_SETSEL, 0, -1);
    for (unsigned char c : text) send(edit, WM_CHAR, c, 1);
}

std::string crlf(const Names& lines) {
    std::string out;
    for (const std::string& line : lines) out += line + "\r\n";
    return out;
}

// A player file; its lines laid out as the program writes them (proved by the unit tests).
std::string playerFile(const char* helmet, const char* track, const char* detail) {
    using gridmate::composeLine, gridmate::GameKey;
    return crlf({"[ Personal Information ]", composeLine(GameKey::HelmetColor, helmet),
                 composeLine(GameKey::LastTrackSelection, track), "[ Graphic Options ]",
                 composeLine(GameKey::DetailBias, detail)});
}

std::string trackSet(const Names& tracks) {
    std::string out = "[Season]\r\nnumEvents=" + std::to_string(tracks.size()) + "\r\n\r\n";
    for (size_t n = 0; n < tracks.size(); ++n)
        out += "[Event" + std::to_string(n + 1) + "]\r\n" +
               crlf({"name=" + tracks[n] + " Grand Prix", "shortname=" + tracks[n],
                     "trackDirectory=" + tracks[n], "month=6", "day=4", "numberOfLaps=20",
                     "startingGrid=16", ""});
    return out;
}

// The exit code once the process has ended; STILL_ACTIVE when it runs on for 15 s.
DWORD exitCode(const PROCESS_INFORMATION& process) {
    DWORD code = STILL_ACTIVE;
    WaitForSingleObject(process.hProcess, 15000);
    GetExitCodeProcess(process.hProcess, &code);
    return code;
}

class Gridmate : public ::testing::Test {
protected:
    Gridmate() {
        EXPECT_TRUE(CopyFileA(gridmateExe.c_str(), (program + "\\gridmate.exe").c_str(), FALSE));
        // Stand-ins that append the command line they were given to launched.txt.
        for (std::string exe : {"gpl.exe", "gplc65.exe", "gpl69w.exe"})
            EXPECT_TRUE(CopyFileA((GRIDMATE_E2E_STUB_GAMES "/" + exe).c_str(),
                                  gameFile(exe).c_str(), FALSE));
        temp.write("game/app.ini", crlf({"[ Player ]", "lastPlayer = Ann Driver", "numPlayers = 1",
                                         "[ Graphics ]", "lastRasterizerDLL = rend_ogl.dll"}));
        temp.write("game/core.ini", crlf({"[ Rasterizer ]", "fullScreen = 1", "[ Hack ]",
                                          "steer_ratio = 0 ; low speed ratio"}));
        temp.write("game/wg69i.ini", crlf({"[Wings]", "frontWingInstalled = 1"}));
        temp.write("game/players/Ann Driver/player.ini", playerFile("3", "monza", "60"));
        temp.write("game/players/Ann Driver/plac65.ini", playerFile("5", "spa", "40"));
        temp.write("game/seasons/67season.ini", trackSet({"monza", "spa"}));
        temp.write("game/seasons/Two tracks.67s", trackSet({"monza", "spa"}));
        for (const char* track : {"monza", "spa", "monaco", "nurburg"})
            temp.write(std::string("game/tracks/") + track + "/track.ini", "[ Track ]\r\n");
    }
    ~Gridmate() override {
        for (const PROCESS_INFORMATION& p : processes) {
            if (TerminateProcess(p.hProcess, 1)) WaitForSingleObject(p.hProcess, 5000);
            CloseHandle(p.hThread);
            CloseHandle(p.hProcess);
        }
    }

    PROCESS_INFORMATION start() {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION p{};
        std::string exe = program + "\\gridmate.exe", line = "\"" + exe + "\"";
        EXPECT_TRUE(CreateProcessA(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   program.c_str(), &startup, &p));
        processes.push_back(p);
        return p;
    }
    // Settings that name the game folder, then the main window once it shows.
    bool started(const Names& settings = {}) {
        temp.write("program/tarmac.ini", "[gridmate]\r\npath=" + game + "\r\n" + crlf(settings));
        start();
        return (window = waitForWindow()) != nullptr;
    }
    // The first copy's window with this caption once it shows; else null, and what shows.
    HWND waitForWindow(const std::string& caption = "Gridmate 1.0.9") {
        HWND found = nullptr;
        std::string shown;
        waitUntil([&] {
            shown.clear();
            for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, nullptr, nullptr));) {
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                if (owner == processes[0].dwProcessId && IsWindowVisible(w))
                    text(w) == caption ? void(found = w) : void(shown += " \"" + text(w) + "\"");
            }
            return found != nullptr;
        });
        EXPECT_TRUE(found) << "no window \"" << caption << "\"; shown:" << shown;
        return found;
    }
    HWND control(int id) { return descendant(window, id); }
    // Types the path into the open-file dialog's name box and presses its OK.
    void pickFile(const std::string& title, const std::string& path) {
        HWND dialog = waitForWindow(title), name = nullptr;
        // Wine's Explorer-style dialog: cmb13 > ComboBox > Edit; OK is the Button with ID 1.
        ASSERT_TRUE(
            waitUntil([&] { return name = descendant(descendant(dialog, cmb13), -1, "Edit"); }));
        send(name, WM_SETTEXT, 0, LPARAM(path.c_str()));
        click(descendant(dialog, IDOK, "Button"), true);
    }
    // As the close box does; the program must end with code 0.
    void closeAndWaitForExit() {
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(exitCode(processes[0]), 0u);
    }
    std::string gameFile(const std::string& relative) const { return game + "\\" + relative; }
    std::string player(const char* file) const { return gameFile("players\\Ann Driver\\") + file; }
    ::testing::AssertionResult becomes(const std::string& path, const std::string& bytes) {
        if (waitUntil([&] { return readBytes(path) == bytes; }))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << path << " holds:\n" << readBytes(path);
    }

    gridmate::test::TempFolder temp{"gridmate-e2e"};
    const std::string program = temp.folder("program"), game = temp.folder("game");
    std::vector<PROCESS_INFORMATION> processes;
    HWND window = nullptr;
};

TEST_F(Gridmate, FirstStartAsksForTheGameShowsItsFilesHandsASecondCopyOverAndSavesTheOptions) {
    start();
    pickFile("Select your GPL.exe", gameFile("gpl.exe"));
    ASSERT_TRUE(window = waitForWindow());
    EXPECT_EQ(text(control(IDC_txtGPLPath)), game);
    EXPECT_EQ(items(control(IDC_cboPlayer)), Names{"Ann Driver"});
    EXPECT_EQ(items(control(IDC_cboLastTrack)), (Names{"monza", "spa"}));
    EXPECT_EQ(items(control(IDC_cboTrackSets)), Names{"Two tracks"});
    for (int list : {IDC_cboPlayer, IDC_cboHelmet, IDC_cboLastTrack, IDC_cboTrackSets})
        EXPECT_EQ(send(control(list), CB_GETCURSEL), list == IDC_cboHelmet ? 3 : 0) << list;
    const std::string settings = "[gridmate]\r\npath=" + game + "\r\n";
    EXPECT_EQ(exitCode(start()), 0u) << "the second copy runs on";
    EXPECT_EQ(readBytes(program + "\\tarmac.ini"), settings);
    closeAndWaitForExit();
    EXPECT_EQ(readBytes(program + "\\tarmac.ini"),
              settings + crlf({"AutoLoadWing4Track=0", "SetWingMax15=1", "ForceFullScreen4NonD3D=1",
                               "SaveLastRast=0", "SaveLastPlayer=0", "mod=67", "CopyDefaultSetup=0",
                               "WindowPosX=-1", "WindowPosY=-1", "showoption=0"}));
}

TEST_F(Gridmate, ChoicesInTheWindowRewriteTheirLineOfTheGameFiles) {
    ASSERT_TRUE(started());
    select(control(IDC_cboHelmet), 5);
    EXPECT_TRUE(becomes(player("player.ini"), playerFile("5", "monza", "60")));
    click(control(IDC_cmdDetail));
    send(GetParent(control(IDC_hscDetail)), WM_HSCROLL, SB_LINERIGHT,
         LPARAM(control(IDC_hscDetail)));
    EXPECT_EQ(text(control(IDC_lblDetail)), "Detail Bias: 80 %");
    EXPECT_TRUE(becomes(player("player.ini"), playerFile("5", "monza", "80")));
    click(control(IDC_chkSteerHack));
    EXPECT_TRUE(becomes(gameFile("core.ini"),
                        crlf({"[ Rasterizer ]", "fullScreen = 1", "[ Hack ]",
                              gridmate::composeLine(gridmate::GameKey::SteerRatio, "1")})));
    EXPECT_EQ(readBytes(player("plac65.ini")), playerFile("5", "spa", "40"));
    closeAndWaitForExit();
}

// The dialog's OK is clicked by a sent message: the modal loop must notice a window that
// another thread's message hid, with no input after it.
TEST_F(Gridmate, TheSaveDialogStoresTheInstalledScheduleUnderANewNameAndListsIt) {
    const std::string schedule =
        temp.write("game/seasons/67season.ini", trackSet({"spa", "monaco"}));
    ASSERT_TRUE(started());
    click(control(IDC_cmdSaveTrackset), true);
    HWND dialog = waitForWindow("Gridmate save");
    ASSERT_TRUE(dialog);
    EXPECT_FALSE(IsWindowEnabled(window));
    typeKeys(descendant(descendant(dialog, IDC_dlgSave_cboName), -1, "Edit"), "Spa and Monaco");
    click(descendant(dialog, IDC_dlgSave_OKButton));
    EXPECT_TRUE(becomes(gameFile("seasons\\Spa and Monaco.67s"), readBytes(schedule)));
    EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(window) && !IsWindowVisible(dialog); }));
    EXPECT_EQ(items(control(IDC_cboTrackSets)), (Names{"Spa and Monaco", "Two tracks"}));
    EXPECT_EQ(send(control(IDC_cboTrackSets), CB_GETCURSEL), 0);
    closeAndWaitForExit();
}

// The editor adds a track of the database that the set lacks and removes an event; the set
// is installed when the editor closes. The system's profile functions drop the blank lines
// between sections.
TEST_F(Gridmate, TheEditorChangesTheSetAndItIsInstalledOnClosing) {
    const std::string database =
        temp.write("program/db/all.67s", trackSet({"monza", "monaco", "nurburg", "brands"}));
    ASSERT_TRUE(started({"67s=" + database}));
    const std::string set = gameFile("seasons\\Two tracks.67s");
    click(control(IDC_cmd67s), true);
    HWND editor = waitForWindow("vi67r - " + set);
    ASSERT_TRUE(editor);
    HWND list = descendant(editor, IDC_frmVi67r_lstTracks);
    const std::string monaco = "[monaco  ] monaco              / monaco Grand Prix";
    EXPECT_EQ(items(list), (Names{monaco, "[nurburg ] nurburg             / nurburg Grand Prix"}));
    select(list, 0);
    click(descendant(editor, IDC_frmVi67r_cmdOperation));
    EXPECT_EQ(items(list), Names{"[nurburg ] nurburg             / nurburg Grand Prix"});
    click(descendant(editor, IDC_frmVi67r_optAction + 1));
    select(list, 1);
    click(descendant(editor, IDC_frmVi67r_cmdOperation));
    EXPECT_EQ(items(list), (Names{"[monza   ] monza               / monza Grand Prix", monaco}));
    std::string edited = trackSet({"monza", "monaco"});
    for (size_t at; (at = edited.find("\r\n\r\n")) != std::string::npos;) edited.erase(at, 2);
    EXPECT_EQ(readBytes(set), edited);
    EXPECT_EQ(readBytes(gameFile("seasons\\67season.ini")), trackSet({"monza", "spa"}));

    click(descendant(editor, IDC_frmVi67r_cmdClose), true);
    EXPECT_TRUE(becomes(gameFile("seasons\\67season.ini"), edited));
    EXPECT_EQ(items(control(IDC_cboLastTrack)), (Names{"monza", "monaco"}));
    closeAndWaitForExit();
}

TEST_F(Gridmate, SeasonButtonsStartTheirGameWithTheExactCommandLine) {
    ASSERT_TRUE(CopyFileA(GRIDMATE_E2E_FIXTURE_DLLS "/RAST_CAPITALS.DLL",
                          gameFile("RAST_CAPITALS.DLL").c_str(), FALSE));
    ASSERT_TRUE(started({"showoption=1"}));
    EXPECT_EQ(items(control(IDC_cboRast)), Names{"Direct3D7 (RAST_CAPITALS.DLL)"});
    // The system puts a blank between the program and its parameters, which begin with one.
    auto launched = [&](const char* exe, const std::string& join, const char* fullScreen) {
        const std::string quoted = '"' + gameFile(exe) + '"';
        return quoted + "  -ko\"10:player:lastplayer:Ann Driver\"" + join +
               " -ko\"10:graphics:lastrasterizerdll:rast_capitals.dll\"" +
               " -ko\"0:rasterizer:fullscreen:" + fullScreen + "\"\r\n";
    };
    select(control(IDC_cboRast), 0);
    click(control(IDC_cmdGPL));
    const std::string first = launched("gpl.exe", "", "1");
    EXPECT_TRUE(becomes(gameFile("launched.txt"), first));  // before the next game appends
    click(control(IDC_chkJoin));
    typeKeys(control(IDC_txtIP), "192.168.7.21");
    click(control(IDC_chkFullScreen));
    click(control(IDC_optSeason + 1));
    click(control(IDC_cmdGPL + 1));
    const std::string join =
        " -ko\"0:client:to_ip:192.168.7.21\" -ko\"0:client:via_ip:192.168.7.21\"";
    EXPECT_TRUE(becomes(gameFile("launched.txt"), first + launched("gplc65.exe", join, "0")));
    closeAndWaitForExit();
}

// A right click binds a program through the open-file dialog; a left click starts it.
TEST_F(Gridmate, ALauncherButtonBindsAProgramThatItThenStarts) {
    const std::string helper = temp.folder("tools") + "\\helper.exe";
    ASSERT_TRUE(CopyFileA(gameFile("gpl.exe").c_str(), helper.c_str(), FALSE));
    ASSERT_TRUE(started());
    HWND button = control(IDC_cmdLaunch);
    // The message loop hands the mouse on to the tips: the one under the mouse shows.
    auto tipShows = [](HWND control, const std::string& tip) {
        RECT r{};
        GetWindowRect(control, &r);
        int looks = 0;  // a move to another point each second, so that the program sees one
        return waitUntil([&] {
            if (looks++ % 50 == 0) SetCursorPos(r.left + 3 + looks / 50 % 4, r.top + 4);
            HWND shown = nullptr;
            while ((shown = FindWindowExA(nullptr, shown, TOOLTIPS_CLASSA, nullptr)))
                if (IsWindowVisible(shown) && text(shown) == tip) return true;
            return false;
        });
    };
    EXPECT_TRUE(tipShows(button, "right click to set launcher"));
    PostMessageA(button, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    pickFile("select file for launcher", helper);
    EXPECT_TRUE(waitUntil([&] { return SendMessageA(button, BM_GETIMAGE, IMAGE_BITMAP, 0); }));
    EXPECT_TRUE(tipShows(button, "helper.exe"));
    click(button);
    EXPECT_TRUE(becomes(temp.file("tools\\launched.txt"), "\"" + helper + "\"\r\n"));
    closeAndWaitForExit();
    EXPECT_NE(readBytes(program + "\\tarmac.ini").find("Launch0=" + helper + "\r\n"),
              std::string::npos);
}

// Logging off or shutting down closes the window as its close box does, once.
TEST_F(Gridmate, TheEndOfTheSessionSavesTheOptionsAsAClose) {
    ASSERT_TRUE(started({"showoption=1"}));
    click(control(IDC_chkCopyDefaultSetup));
    EXPECT_EQ(send(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    send(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(exitCode(processes[0]), 0u);
    EXPECT_EQ(readBytes(program + "\\tarmac.ini"),
              crlf({"[gridmate]", "path=" + game, "showoption=1", "AutoLoadWing4Track=0",
                    "SetWingMax15=1", "ForceFullScreen4NonD3D=1", "SaveLastRast=0",
                    "SaveLastPlayer=0", "mod=67", "CopyDefaultSetup=1", "WindowPosX=-1",
                    "WindowPosY=-1"}));
}

// Under a double-byte code page (932: this case runs under a Japanese locale), 0x5C "\\" is
// also the second byte of characters such as \x95\x5C: a track folder and a set named so.
TEST_F(Gridmate, DoubleByteNamesWhoseSecondByteIsABackslashAreTracksAndSetNames) {
    ASSERT_EQ(GetACP(), 932u) << "run under a locale whose code page is 932";
    const std::string track = "\x83\x5C\x95\x5C", set = "\x95\x5C";  // two such characters; one
    // The program's own file system spells such names for the system (the C library would not).
    auto& files = gridmate::platform::fs();
    gridmate::platform::IoError error;
    ASSERT_TRUE(files.createFolder(gameFile("tracks\\" + track), error));
    temp.write("game/seasons/67season.ini", trackSet({"monza", track}));
    ASSERT_TRUE(started());
    EXPECT_EQ(items(control(IDC_cboLastTrack)), (Names{"monza", track}));
    click(control(IDC_cmdSaveTrackset), true);
    HWND dialog = waitForWindow("Gridmate save");
    ASSERT_TRUE(dialog);
    typeKeys(descendant(descendant(dialog, IDC_dlgSave_cboName), -1, "Edit"), set);
    click(descendant(dialog, IDC_dlgSave_OKButton));
    EXPECT_TRUE(waitUntil([&] { return files.readFile(gameFile("seasons\\" + set + ".67s"), error) ==
                                       trackSet({"monza", track}); }));
    EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(dialog); }));
    EXPECT_EQ(items(control(IDC_cboTrackSets)), (Names{"Two tracks", set}));
    closeAndWaitForExit();
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    gridmateExe = argc > 1 ? argv[1] : "";
    SetEnvironmentVariableA("GRIDMATE_STUB_QUIET", "1");  // the stand-in games end at once
    int result = RUN_ALL_TESTS();
    // An entry whose filter names no case would pass without testing anything.
    return ::testing::UnitTest::GetInstance()->test_to_run_count() == 0 ? 1 : result;
}
