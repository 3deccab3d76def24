// Start-up: the caption and the single-instance rule. A copy started while another copy
// of the same version shows its window brings that window to the front and ends.
#pragma once

#include <string>

namespace gridmate::app {

constexpr int kVersionMajor = 1;
constexpr int kVersionMinor = 0;
constexpr int kVersionRevision = 9;

// "Gridmate 1.0.9": the main window's caption, and what the single-instance lookup
// matches, so that a copy of another version is not found.
std::string strAppCaption();

// How a running copy is found and woken; the Windows build uses a named mutex and the
// main window's own class and caption.
class InstanceLookup {
public:
    virtual ~InstanceLookup() = default;
    virtual bool previousInstance() = 0;
    // An opaque handle of the first top-level window with our class and this exact
    // caption, or nullptr.
    virtual void* findWindow(const std::string& caption) = 0;
    virtual bool isIconic(void* window) = 0;
    virtual void showNormal(void* window) = 0;
    virtual void setForeground(void* window) = 0;
};

enum class StartDecision { Run, HandedOver };

// Decides whether this copy runs; when another copy's window is found it is restored
// (if minimised) and brought to the front, and this copy must end without touching
// any file.
StartDecision Main(InstanceLookup& lookup);

}  // namespace gridmate::app
