#include "app/save_dialog.h"
#include "app/message.h"

#include "app/dialog_layout.h"
#include "core/tracksets/track_sets.h"
#include "platform/paths.h"
#include "platform/platform.h"

namespace gridmate::app {

SaveDialog::SaveDialog(std::string gamePath) : form_("dlgSave"), gamePath_(std::move(gamePath)) {
    form_.setCaption("Gridmate save");
    setClientSize(form_, kClientWidth, kClientHeight);
    lblDesc = &placeControl<ui::Label>(form_, "lblDesc", -1, {180, 180, 3135, 435});
    cboName = &placeControl<ui::ComboBox>(form_, "cboName", -1, {300, 720, 3075, 315});
    cboName->setStyle(ui::ComboStyle::Editable);
    OKButton = &placeCaptionedControl<ui::Button>(form_, "OKButton", -1, {3600, 120, 1215, 315},
                                                  "OK");
    CancelButton = &placeCaptionedControl<ui::Button>(form_, "CancelButton", -1,
                                                      {3600, 480, 1215, 315}, "Cancel");
    OKButton->onClick = [this] { OKButton_Click(); };
    CancelButton->onClick = [this] { CancelButton_Click(); };
}

std::string SaveDialog::SaveTrackSet(ModalHost& host, const std::vector<std::string>& names,
                                     int selected) {
    lblDesc->setCaption("Select or type filename of Track set(xxx.67s)");
    cboName->clear();
    for (const std::string& name : names) cboName->addItem(name);
    cboName->setSelectedIndex(selected);
    blnOK = false;
    host.showModal(form_);
    if (!blnOK) return "";
    std::string name = cboName->text();
    return CopyToTrackSet(name) ? "" : name;
}

bool SaveDialog::CopyToTrackSet(const std::string& strName) {
    if (strName.empty()) return true;
    std::string fileName = strName + kTrackSetExtension;
    // The name is typed by the user: a folder, a drive or a character that Windows
    // refuses would put the copy somewhere else or fail half-way.
    if (!platform::isValidFileName(fileName)) {
        tell("\"" + strName +
                 "\" cannot be the name of a track set: it must be a plain file name without "
                 "\\ / : * ? \" < > |",
             platform::Icon::Exclamation);
        return true;
    }
    platform::IoError error;
    if (!platform::fs().copyFile(installedScheduleFile(gamePath_),
                                 trackSetFile(gamePath_, strName), error)) {
        tell("error(" + std::to_string(error.code) + "): " + error.description,
             platform::Icon::None);
        return true;
    }
    return false;
}

void SaveDialog::OKButton_Click() {
    if (cboName->text().empty()) return;
    blnOK = true;
    form_.hide();
}

void SaveDialog::CancelButton_Click() {
    blnOK = false;
    form_.hide();
}

}  // namespace gridmate::app
