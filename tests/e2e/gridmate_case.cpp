#include "e2e/gridmate_case.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "e2e/dialogs.h"
#include "e2e/game_folder.h"
#include "e2e/screenshot.h"

namespace gridmate::e2e {

Config& config() {
    static Config instance;
    return instance;
}

GridmateCase::GridmateCase() {
    programFolder = temp.folder("program");
    exe = programFolder + "\\gridmate.exe";
    if (!CopyFileA(config().gridmateExe.c_str(), exe.c_str(), FALSE))
        ADD_FAILURE() << "cannot copy " << config().gridmateExe << " (error " << GetLastError()
                      << ")";
    game = makeGameFolder(temp, "game");
}

namespace {

std::string failurePrefix() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::string("failed-") + info->test_suite_name() + "." + info->name() + "-";
}

}  // namespace

void GridmateCase::SetUp() {
    // A copy left running from elsewhere would take over every start of this case.
    if (!waitUntil([] { return shownWindowsCaptioned(kCaption).empty(); })) {
        DWORD other = 0;
        GetWindowThreadProcessId(shownWindowsCaptioned(kCaption).front(), &other);
        FAIL() << "another copy of the program (process " << other << ") shows its window";
    }
    // Pictures of an earlier failure of this case would pass for this run's.
    std::error_code ec;
    const std::string prefix = failurePrefix();
    for (const auto& entry : std::filesystem::directory_iterator(config().artefacts, ec))
        if (entry.path().filename().string().rfind(prefix, 0) == 0)
            std::filesystem::remove(entry.path(), ec);
}

void GridmateCase::TearDown() {
    if (!HasFailure()) return;
    int n = 0;
    for (const auto& process : processes) {
        if (!process->running()) continue;
        std::cerr << "still shown by process " << process->id() << ": "
                  << describeWindows(process->id()) << "\n";
        for (HWND window : topLevelWindows(process->id()))
            if (IsWindowVisible(window))
                saveArtefact(window, failurePrefix() + std::to_string(++n));
    }
}

void GridmateCase::writeSettings(const std::string& bytes) const {
    temp.write("program/tarmac.ini", bytes);
}

void GridmateCase::knownGameFolder(const std::vector<std::string>& lines) const {
    std::string bytes = "[gridmate]\r\npath=" + game + "\r\n";
    for (const std::string& line : lines) bytes += line + "\r\n";
    writeSettings(bytes);
}

std::string GridmateCase::settingsBytes() const { return test::readBytes(settingsFile()); }

std::string GridmateCase::setting(const std::string& key) const {
    char value[256] = {};
    DWORD n = GetPrivateProfileStringA("gridmate", key.c_str(), "", value, sizeof value,
                                       settingsFile().c_str());
    return std::string(value, n);
}

Process& GridmateCase::start() {
    processes.push_back(std::make_unique<Process>(exe, programFolder));
    return *processes.back();
}

HWND GridmateCase::waitForMainWindow(const Process& process) {
    HWND window = nullptr;
    std::optional<MessageBoxView> box;
    waitUntil([&] {
        window = findShownWindow(process.id(), kCaption);
        if (window) return true;
        box = findMessageBox(process.id());
        return box.has_value() || !process.running();
    });
    if (window) return window;
    if (box)
        ADD_FAILURE() << "a message box came instead of the main window: \"" << box->title
                      << "\": \"" << box->text << "\"";
    else if (!process.running())
        ADD_FAILURE() << "the program ended (exit code " << process.waitForExit().value_or(0)
                      << ") without showing its main window";
    else
        ADD_FAILURE() << "no window captioned \"" << kCaption
                      << "\" appeared; shown: " << describeWindows(process.id());
    return nullptr;
}

HWND GridmateCase::controlOf(HWND window, int id) {
    HWND found = control(window, id);
    if (!found) ADD_FAILURE() << "the main window has no control with ID " << id;
    return found;
}

bool GridmateCase::closeAndWaitForExit(const Process& process, HWND window) {
    requestClose(window);
    auto code = process.waitForExit();
    if (!code) {
        ADD_FAILURE() << "the program still runs after its window was asked to close; shown: "
                      << describeWindows(process.id());
        return false;
    }
    if (*code != 0) {
        ADD_FAILURE() << "the program ended with exit code 0x" << std::hex << *code;
        return false;
    }
    return true;
}

std::optional<DWORD> GridmateCase::waitForExitWithoutWindow(const Process& process,
                                                            bool& windowSeen) {
    windowSeen = false;
    waitUntil([&] {
        windowSeen = findShownWindow(process.id(), kCaption) != nullptr;
        return windowSeen || !process.running();
    });
    return process.waitForExit(milliseconds(0));
}

std::string GridmateCase::saveArtefact(HWND window, const std::string& name) const {
    std::string path = config().artefacts + "\\" + name + ".bmp";
    if (!saveBmp(captureWindow(window), path)) std::cerr << "could not save " << path << "\n";
    return path;
}

::testing::AssertionResult pixelsMatchTwips(HWND window, int pixels, int twips) {
    int dpi = windowDpi(window);
    int expected = twipsToPixels(twips, dpi);
    if (std::abs(pixels - expected) <= 1) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << pixels << " px, but " << twips << " twips are "
                                         << expected << " px at " << dpi << " dpi";
}

std::string describeWindows(DWORD processId) {
    std::string out;
    for (HWND window : topLevelWindows(processId)) {
        if (!IsWindowVisible(window)) continue;
        if (!out.empty()) out += ", ";
        out.append("[").append(className(window)).append("] \"").append(text(window)).append("\"");
    }
    return out.empty() ? "nothing" : out;
}

}  // namespace gridmate::e2e
