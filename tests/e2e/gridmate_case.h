// One end-to-end case: a temporary folder with a copy of gridmate.exe, its settings
// file (or none) and a synthetic game folder, and the copies of the program the case
// starts. Copies still running at the end are ended; a failed case leaves pictures of
// the program's windows among the artefacts.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "e2e/driver.h"
#include "support/temp_folder.h"

namespace gridmate::e2e {

struct Config {
    std::string gridmateExe;  // the build's gridmate.exe, as a Windows path
    std::string artefacts;    // where pictures are kept
};
Config& config();

constexpr const char* kCaption = "Gridmate 1.0.9";
constexpr const char* kFolderDialogTitle = "Select your GPL.exe";

class GridmateCase : public ::testing::Test {
protected:
    GridmateCase();
    void SetUp() override;
    void TearDown() override;

    std::string settingsFile() const { return programFolder + "\\tarmac.ini"; }
    void writeSettings(const std::string& bytes) const;
    // A settings file that names the game folder, so that no dialog asks for it,
    // followed by `lines` ("key=value").
    void knownGameFolder(const std::vector<std::string>& lines = {}) const;
    // The settings file's bytes, or "<missing>".
    std::string settingsBytes() const;
    // One key of section "gridmate", read as the program reads it.
    std::string setting(const std::string& key) const;

    // Starts a copy of the program in its folder.
    Process& start();
    // The program's main window once it is shown; nullptr (and the case failed with what
    // came instead: a message box, the end of the program, nothing) otherwise.
    HWND waitForMainWindow(const Process& process);
    // A control of the main window; fails the case when the window lacks it.
    HWND controlOf(HWND window, int id);
    // Closes the window as its close box does; true once the program has ended with
    // exit code 0.
    bool closeAndWaitForExit(const Process& process, HWND window);
    // Waits until the process has ended, or has shown its main window (`windowSeen`).
    // Returns the exit code (nullopt: still running).
    std::optional<DWORD> waitForExitWithoutWindow(const Process& process, bool& windowSeen);

    // The window's picture, kept as artefact `name`.bmp; returns its path.
    std::string saveArtefact(HWND window, const std::string& name) const;

    test::TempFolder temp{"gridmate-e2e"};
    std::string programFolder;
    std::string exe;
    std::string game;
    std::vector<std::unique_ptr<Process>> processes;  // last member: ended first
};

// A length or an edge of `window` in pixels matches twips at the window's DPI, within
// one pixel of rounding.
::testing::AssertionResult pixelsMatchTwips(HWND window, int pixels, int twips);
// What the process shows on the screen, for failure messages.
std::string describeWindows(DWORD processId);

}  // namespace gridmate::e2e
