// The main window's controls: kind, container, geometry in twips, caption and tooltip.
// Created top to bottom, which is also the tab order.
#include <string>

#include "app/pitboard.h"
#include "core/game/seasons.h"

namespace gridmate::app {

namespace {

template <class T>
T& place(ui::Window& form, const char* name, ui::Frame* in, int index, ui::Rect at,
         const std::string& toolTip = "") {
    T& control = form.add<T>(name, in, index);
    control.setGeometry(at);
    if (!toolTip.empty()) control.setToolTip(toolTip);
    return control;
}

template <class T>
T& placeCaptioned(ui::Window& form, const char* name, ui::Frame* in, int index, ui::Rect at,
                  const std::string& caption, const std::string& toolTip = "") {
    T& control = place<T>(form, name, in, index, at, toolTip);
    control.setCaption(caption);
    return control;
}

ui::Button& pictureButton(ui::Window& form, const char* name, ui::Frame* in, int index,
                          ui::Rect at, const char* picture, const std::string& toolTip = "") {
    auto& button = place<ui::Button>(form, name, in, index, at, toolTip);
    button.setGraphical(true);
    if (picture) button.setPicture(ui::Picture::resource(picture));
    return button;
}

ui::Frame& panel(ui::Window& form, const char* name, int index, ui::Rect at) {
    auto& frame = place<ui::Frame>(form, name, nullptr, index, at);
    frame.setBordered(false);
    return frame;
}

}  // namespace

void Pitboard::createControls() {
    auto& f = form_;
    txtGPLPath = &place<ui::TextBox>(f, "txtGPLPath", nullptr, -1, {60, 0, 3855, 315},
                                     "this path was saved to tarmac.ini");
    txtGPLPath->setBackColor(ui::SystemColor::ButtonFace);
    cmdPath = &pictureButton(f, "cmdPath", nullptr, -1, {3960, 0, 375, 315}, "folder_open");
    cboPlayer = &place<ui::ComboBox>(f, "cboPlayer", nullptr, -1, {60, 360, 3015, 315},
                                     "player folders. changes will NOT be saved to app.ini");
    cmdDetail = &placeCaptioned<ui::Button>(f, "cmdDetail", nullptr, -1, {3540, 420, 795, 315},
                                            "", "options");

    Frame1 = &panel(f, "Frame1", -1, {120, 780, 3975, 315});
    for (int i = 0; i < kSeasonCount; ++i)
        optSeason.set(i, placeCaptioned<ui::OptionButton>(f, "optSeason", Frame1, i,
                                                          {1140 * i, 0, 855, 255},
                                                          season(int16_t(i)).year));

    for (int i = 0; i < kSeasonCount; ++i) {
        const Season& s = season(int16_t(i));
        auto& frame = panel(f, "fraSeason", i, {60, 840, 4335, 2145});
        frame.setToolTip(s.panelTooltip);
        fraSeason.set(i, frame);
        lblPlayer.set(i, place<ui::Label>(f, "lblPlayer", &frame, i, {0, 300, 2475, 255},
                                          "driver name"));
        cmdGPL.set(i, placeCaptioned<ui::Button>(f, "cmdGPL", &frame, i, {3180, 300, 1155, 1035},
                                                 s.launchCaption, s.launchTooltip));
        Label4.set(i, placeCaptioned<ui::Label>(f, "Label4", &frame, i, {60, 720, 855, 255},
                                                "Helmet"));
        cboHelmet.set(i, place<ui::ComboBox>(f, "cboHelmet", &frame, i, {720, 660, 1575, 315},
                                             s.panelTooltip));
        Label5.set(i, placeCaptioned<ui::Label>(f, "Label5", &frame, i, {60, 1080, 855, 255},
                                                "Team"));
        cboTeam.set(i, place<ui::ComboBox>(f, "cboTeam", &frame, i, {720, 1020, 1575, 315},
                                           s.panelTooltip));
        Label6.set(i, placeCaptioned<ui::Label>(f, "Label6", &frame, i, {60, 1440, 795, 255},
                                                "Track"));
        cboLastTrack.set(i, place<ui::ComboBox>(f, "cboLastTrack", &frame, i,
                                                {720, 1380, 1935, 315}, s.panelTooltip));
    }

    ui::Frame* wings = &fraSeason[2];
    Label6.set(3, placeCaptioned<ui::Label>(f, "Label6", wings, 3, {60, 1800, 795, 255}, "Wings"));
    const std::string wingTip = "changes will be saved to wg69i.ini";
    for (int i = 0; i < 2; ++i) {
        chkWing.set(i, placeCaptioned<ui::CheckBox>(f, "chkWing", wings, i,
                                                    {720 + 1500 * i, 1740, 435, 315},
                                                    i == 0 ? "F" : "R", wingTip));
        auto& angle = place<ui::ScrollBar>(f, "hscWingAngle", wings, i,
                                           {1140 + 1500 * i, 1800, 675, 255});
        angle.setRange(0, 90);
        hscWingAngle.set(i, angle);
        lblWingAngle.set(i, placeCaptioned<ui::Label>(f, "lblWingAngle", wings, i,
                                                      {1800 + 1500 * i, 1800, 255, 195}, "99",
                                                      wingTip));
    }
    cmdSaveWing4Track = &pictureButton(f, "cmdSaveWing4Track", wings, -1, {3600, 1740, 375, 315},
                                       "floppy", "save wing for track");
    cmdLoadWing4Track = &pictureButton(f, "cmdLoadWing4Track", wings, -1, {3960, 1740, 375, 315},
                                       "book_open", "load saved wing for track");

    chkSteerHack = &placeCaptioned<ui::CheckBox>(
        f, "chkSteerHack", nullptr, -1, {3300, 2220, 1095, 315}, "SteerHack",
        "steer_ratio setting. Changes will be saved to core.ini");

    Label1 = &placeCaptioned<ui::Label>(f, "Label1", nullptr, -1, {60, 3060, 795, 195},
                                        "TrackSet:");
    cboTrackSets = &place<ui::ComboBox>(f, "cboTrackSets", nullptr, -1, {900, 3000, 2355, 315},
                                        "copy 67s file as 67season.ini");
    cmdSaveTrackset = &pictureButton(f, "cmdSaveTrackset", nullptr, -1, {3300, 3000, 375, 315},
                                     "floppy", "save 67season.ini as 67s file");
    cmdDelTrackset = &pictureButton(f, "cmdDelTrackset", nullptr, -1, {3660, 3000, 375, 315},
                                    "cross", "delete 67s file");
    cmd67s = &pictureButton(f, "cmd67s", nullptr, -1, {4020, 3000, 375, 315}, "form_pencil",
                            "ez 67season editor");

    chkJoin = &placeCaptioned<ui::CheckBox>(f, "chkJoin", nullptr, -1, {120, 3480, 735, 255},
                                            "JOIN");
    txtIP = &place<ui::TextBox>(f, "txtIP", nullptr, -1, {900, 3480, 2355, 330},
                                "host ip address");
    cmdPasteIP = &pictureButton(f, "cmdPasteIP", nullptr, -1, {3300, 3480, 375, 315},
                                "clipboard");

    for (int n = 0; n < kLauncherCount; ++n)
        cmdLaunch.set(n, pictureButton(f, "cmdLaunch", nullptr, n,
                                       {60 + 540 * n, 3900, 555, 375}, nullptr));
    cmdExit = &placeCaptioned<ui::Button>(f, "cmdExit", nullptr, -1, {60, 4260, 4335, 375},
                                          "E&xit");

    fraGPLOptions = &placeCaptioned<ui::Frame>(f, "fraGPLOptions", nullptr, -1,
                                               {4560, 180, 3315, 1575}, "GPL Options");
    cboRast = &place<ui::ComboBox>(f, "cboRast", fraGPLOptions, -1, {180, 240, 3015, 315},
                                   "choice of rasterizer");
    chkFullScreen = &placeCaptioned<ui::CheckBox>(
        f, "chkFullScreen", fraGPLOptions, -1, {240, 660, 1215, 315}, "&FullScreen",
        "temporary setting. Changes will NOT be saved to core.ini");
    chkSaveRasterizer = &placeCaptioned<ui::CheckBox>(
        f, "chkSaveRasterizer", fraGPLOptions, -1, {1560, 600, 1635, 435},
        "Save Rasterizer to app.ini", "Changes will NOT be saved to app.ini by default");
    hscDetail = &place<ui::ScrollBar>(f, "hscDetail", fraGPLOptions, -1, {180, 1080, 1095, 255});
    hscDetail->setRange(0, 5);
    lblDetail = &place<ui::Label>(f, "lblDetail", fraGPLOptions, -1, {1380, 1140, 1695, 195},
                                  "changes will be saved to player.ini or plac65.ini or pla69w.ini");

    fraTarmacOptions = &placeCaptioned<ui::Frame>(f, "fraTarmacOptions", nullptr, -1,
                                                  {4560, 1860, 3315, 2775}, "Tarmac Options");
    auto option = [&](const char* name, ui::Rect at, const char* caption,
                      const std::string& toolTip = "") {
        return &placeCaptioned<ui::CheckBox>(f, name, fraTarmacOptions, -1, at, caption, toolTip);
    };
    chkSaveWindowPosition = option("chkSaveWindowPosition", {240, 240, 2835, 375},
                                   "save window position");
    chkCopyDefaultSetup = option("chkCopyDefaultSetup", {240, 600, 2355, 375},
                                 "copy my default setups for selected track",
                                 "copy 'myset\\*' to 'player\\setups\\track' (overwrite)");
    chkSaveLastPlayer = option("chkSaveLastPlayer", {240, 1020, 2475, 375},
                               "save last player to app.ini when exiting Gridmate");
    chkForceFullscreen4NonD3D = option("chkForceFullscreen4NonD3D", {240, 1440, 2835, 375},
                                       "force fullscreen for non d3d rasterizer");
    chkSetWingMax15 = option("chkSetWingMax15", {240, 1920, 2835, 375}, "set wing max 15");
    chkAutoLoadWing4Track = option("chkAutoLoadWing4Track", {240, 2220, 2835, 375},
                                   "auto load wing for track");

    picTemp = &place<ui::PictureBox>(f, "picTemp", nullptr, -1, {8520, 3960, 315, 315});
}

}  // namespace gridmate::app
