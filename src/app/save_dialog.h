// dlgSave: asks for the name under which the installed schedule is saved as a track
// set, and saves it. One dialog object serves one SaveTrackSet.
#pragma once

#include <string>
#include <vector>

#include "app/modal_host.h"
#include "ui/controls.h"

namespace gridmate::app {

class SaveDialog {
public:
    static constexpr int kClientWidth = 4905;
    static constexpr int kClientHeight = 1440;

    explicit SaveDialog(std::string gamePath);
    SaveDialog(const SaveDialog&) = delete;
    SaveDialog& operator=(const SaveDialog&) = delete;

    ui::Window& form() { return form_; }

    // Offers `names` (the main window's sets, `selected` chosen) and, on OK, copies
    // 67season.ini to the typed name + ".67s". The saved name, or "" when nothing was
    // saved (cancelled, closed, or the copy failed).
    std::string SaveTrackSet(ModalHost& host, const std::vector<std::string>& names,
                             int selected);
    // True when it FAILED: an empty name, a name Windows cannot take as a file name
    // (reported), or a copy error (reported). ".67s" is always appended.
    bool CopyToTrackSet(const std::string& strName);

    void OKButton_Click();
    void CancelButton_Click();

    bool blnOK = false;

    ui::Label* lblDesc = nullptr;
    ui::ComboBox* cboName = nullptr;
    ui::Button* OKButton = nullptr;
    ui::Button* CancelButton = nullptr;

private:
    ui::Window form_;
    std::string gamePath_;
};

}  // namespace gridmate::app
