// The editor's controls: kind, geometry in twips, caption and tooltip, in tab order,
// and which operation each event runs.
#include "app/dialog_layout.h"
#include "app/vi67r.h"

namespace gridmate::app {

void Vi67r::createControls() {
    auto& f = form_;
    setClientSize(f, kClientWidth, kClientHeight);
    optAction.set(0, placeCaptionedControl<ui::OptionButton>(f, "optAction", 0,
                                                             {120, 60, 1935, 315}, "Add Track"));
    optAction.set(1, placeCaptionedControl<ui::OptionButton>(
                         f, "optAction", 1, {2280, 60, 1935, 315}, "Remove Track"));
    lstTracks = &placeControl<ui::ListBox>(f, "lstTracks", -1, {60, 420, 6495, 1620});
    // A fixed-width font, so that the fitted row fields form columns.
    lstTracks->setFontName("Terminal");
    lblHint = &placeCaptionedControl<ui::Label>(f, "lblHint", -1, {120, 2160, 675, 255}, "Hint");
    txtHint = &placeControl<ui::TextBox>(f, "txtHint", -1, {660, 2100, 3255, 315});
    cmdOperation = &placeCaptionedControl<ui::Button>(f, "cmdOperation", -1,
                                                      {4440, 2100, 2115, 315}, "&Add to TrackSet",
                                                      "install selected track to 67season.ini");
    txtPath = &placeControl<ui::TextBox>(f, "txtPath", -1, {60, 2460, 3855, 315},
                                         "this path was saved to tarmac.ini");
    cmdPath = &placeControl<ui::Button>(f, "cmdPath", -1, {3960, 2460, 375, 315});
    cmdPath->setGraphical(true);
    cmdPath->setPicture(ui::Picture::resource("folder_open"));
    cmdClose = &placeCaptionedControl<ui::Button>(f, "cmdClose", -1, {4440, 2460, 2115, 315},
                                                  "close", "back to Gridmate");
}

void Vi67r::connectEvents() {
    for (int16_t i = 0; i < optAction.size(); ++i)
        optAction[i].onClick = [this, i] { optAction_Click(i); };
    txtHint->onChange = [this] { txtHint_Change(); };
    cmdPath->onClick = [this] { cmdPath_Click(); };
    cmdOperation->onClick = [this] { cmdOperation_Click(); };
    cmdClose->onClick = [this] { cmdClose_Click(); };
}

}  // namespace gridmate::app
