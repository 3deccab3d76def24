// Detail bias, the rasterizer list with its full-screen rule, the steering override
// and the 1969 wings.
#include <algorithm>

#include "app/message.h"
#include "app/pitboard.h"
#include "app/startup.h"
#include "core/game/detail_bias.h"
#include "core/game/game_folder.h"
#include "core/game/wing_store.h"
#include "core/ini/game_ini.h"
#include "core/ini/line_layout.h"
#include "core/numeric.h"
#include "platform/platform.h"

namespace gridmate::app {

namespace {

constexpr const char* kWings = "[Wings]";

std::optional<int32_t> readNumber(const std::string& file, GameKey key) {
    std::string value;
    readGameKey(file, key, value);
    return parseWholeNumber(value);
}

// A check box shows 0 or 1; any other stored flag is read as set when not 0.
int flagValue(int32_t stored) { return stored == 0 ? 0 : 1; }

GameKey angleKey(int16_t index) { return index == 0 ? GameKey::FrontWingAngle : GameKey::RearWingAngle; }
GameKey installedKey(int16_t index) {
    return index == 0 ? GameKey::FrontWingInstalled : GameKey::RearWingInstalled;
}

}  // namespace

void Pitboard::showDetailBias(int16_t season) {
    hscDetail->setValue(DetailBiasToStep(lngGetDetailBias(season)));
    lblDetail->setCaption("Detail Bias: " + std::to_string(stepPercentage(hscDetail->value())) +
                          " %");
}

void Pitboard::hscDetail_Change() {
    int32_t percentage = stepPercentage(hscDetail->value());
    lblDetail->setCaption("Detail Bias: " + std::to_string(percentage) + " %");
    if (blnUpdating) return;
    int16_t current = currentSeason();
    if (current >= 0) lngSetDetailBias(current, percentage);
}

void Pitboard::RefreshPlayerGraphics() {
    bool remembered = blnUpdating;
    blnUpdating = true;
    std::string last = strGetLastRast();
    for (size_t i = 0; i < RastList.size(); ++i) {
        if (RastList[i].FileName == last) {
            cboRast->setSelectedIndex(static_cast<int>(i));
            break;
        }
    }
    blnUpdating = true;
    int16_t current = currentSeason();
    if (current >= 0) showDetailBias(current);
    blnUpdating = remembered;
}

void Pitboard::readRasterizersAhead() {
    rasterizersAheadFolder_ = strGPLPath;
    rasterizersAhead_ = std::async(std::launch::async, gridmate::GetRasterizers, strGPLPath);
}

void Pitboard::GetRasterizers() {
    cboRast->clear();
    bool ahead = rasterizersAhead_.valid() && rasterizersAheadFolder_ == strGPLPath;
    RastList = ahead ? rasterizersAhead_.get() : gridmate::GetRasterizers(strGPLPath);
    for (const auto& entry : RastList) cboRast->addItem(rastItemText(entry));
}

std::string Pitboard::strGetLastRast() {
    std::string app = appIni(strGPLPath);
    if (!platform::fs().isFile(app)) {
        tell("app.ini not found in your gpl folder.", platform::Icon::Critical,
             platform::Buttons::Ok, 0, strAppCaption() + " error");
        cboRast->setEnabled(false);
        return "";
    }
    cboRast->setEnabled(true);
    std::string value;
    readGameKey(app, GameKey::LastRasterizerDLL, value);
    return value;
}

int32_t Pitboard::lngSetRasterizer(const std::string& vstrRastFilename) {
    return writeGameKey(appIni(strGPLPath), GameKey::LastRasterizerDLL, vstrRastFilename);
}

void Pitboard::cboRast_Click() {
    int selected = cboRast->selectedIndex();
    if (selected < 0 || selected >= static_cast<int>(RastList.size())) return;
    const RastEntry& entry = RastList[static_cast<size_t>(selected)];
    if (!blnUpdating && chkSaveRasterizer->checked()) lngSetRasterizer(entry.FileName);
    if (auto kind = rastKind(entry.DisplayName)) lngRastType = *kind;
    applyFullScreenRule();
}

// With "force fullscreen" on, every rasterizer but the Direct3D one runs full screen.
void Pitboard::applyFullScreenRule() {
    if (lngRastType != kDirect3DKind && chkForceFullscreen4NonD3D->checked()) {
        chkFullScreen->setValue(1);
        chkFullScreen->setEnabled(false);
    } else {
        chkFullScreen->setEnabled(true);
    }
}

void Pitboard::chkForceFullscreen4NonD3D_Click() {
    if (!chkForceFullscreen4NonD3D->checked()) {
        chkFullScreen->setEnabled(true);
    } else if (lngRastType != kDirect3DKind) {
        chkFullScreen->setValue(1);
        chkFullScreen->setEnabled(false);
    }
}

void Pitboard::chkSaveRasterizer_Click() {
    if (!blnUpdating && chkSaveRasterizer->checked()) cboRast_Click();
}

bool Pitboard::LoadGraphicsOptions() {
    std::string core = coreIni(strGPLPath);
    if (platform::fs().isFile(core)) {
        // A missing or empty value means on; a value the box cannot show is left alone.
        auto boxValue = [&](const char* section, const char* key) -> std::optional<int32_t> {
            std::string value;
            lngReadIniValue(core, section, key, value);
            if (value.empty()) return 1;
            return parseWholeNumber(value);
        };
        // A folder picked before may have had no core.ini and left the boxes disabled.
        chkFullScreen->setEnabled(true);
        chkSteerHack->setEnabled(true);
        if (auto v = boxValue("[ Rasterizer ]", "fullScreen")) chkFullScreen->setValue(*v);
        if (auto v = boxValue("[ Hack ]", "steer_ratio")) chkSteerHack->setValue(*v);
    } else {
        chkFullScreen->setEnabled(false);
        chkSteerHack->setEnabled(false);
    }
    GetRasterizers();
    RefreshPlayerGraphics();
    blnGetWings();
    blnUpdating = false;
    return false;
}

void Pitboard::chkSteerHack_Click() {
    if (blnUpdating) return;
    std::string core = coreIni(strGPLPath);
    if (!platform::fs().isFile(core)) return;
    writeGameKey(core, GameKey::SteerRatio, std::to_string(chkSteerHack->value()));
}

int32_t Pitboard::lngSetWingAngle(int16_t Index, int32_t lngAngle) {
    return writeGameKey(wingsIni(strGPLPath), angleKey(Index), std::to_string(lngAngle));
}

int32_t Pitboard::lngSetWing(int16_t Index, int32_t lngInstalled) {
    return writeGameKey(wingsIni(strGPLPath), installedKey(Index), std::to_string(lngInstalled));
}

bool Pitboard::blnGetWings() {
    std::string wings = wingsIni(strGPLPath);
    if (!platform::fs().isFile(wings)) {
        chkSetWingMax15->setEnabled(false);
        chkAutoLoadWing4Track->setEnabled(false);
        return false;
    }
    for (int16_t i = 0; i < 2; ++i) {
        if (auto installed = readNumber(wings, installedKey(i))) {
            chkWing[i].setEnabled(true);
            chkWing[i].setValue(flagValue(*installed));
        } else {
            chkWing[i].setEnabled(false);
            chkWing[i].setValue(0);
        }
        if (auto angle = readNumber(wings, angleKey(i))) {
            hscWingAngle[i].setEnabled(true);
            // The file stores the angle negated; it is brought into the slider's range
            // before it is turned round, so that no stored number overflows.
            hscWingAngle[i].setValue(-std::clamp(*angle, -hscWingAngle[i].maximum(),
                                                 -hscWingAngle[i].minimum()));
        } else {
            hscWingAngle[i].setEnabled(false);
            hscWingAngle[i].setValue(5);
        }
    }
    chkSetWingMax15->setEnabled(true);
    chkAutoLoadWing4Track->setEnabled(true);
    for (int i = 0; i < 2; ++i) lblWingAngle[i].setCaption(std::to_string(hscWingAngle[i].value()));
    return false;
}

void Pitboard::hscWingAngle_Change(int16_t Index) {
    int angle = hscWingAngle[Index].value();
    lblWingAngle[Index].setCaption(std::to_string(angle));
    if (!blnUpdating) lngSetWingAngle(Index, angle);
}

void Pitboard::chkWing_Click(int16_t Index) {
    if (!blnUpdating) lngSetWing(Index, chkWing[Index].value());
}

// Lowering the maximum below an angle moves the angle, which the slider reports as a
// change: the moved angle is written like any other.
void Pitboard::chkSetWingMax15_Click() {
    int maximum = chkSetWingMax15->checked() ? 15 : 90;
    for (int i = 0; i < 2; ++i) hscWingAngle[i].setMaximum(maximum);
}

void Pitboard::cmdSaveWing4Track_Click() {
    WingValues wings{chkWing[0].value(), hscWingAngle[0].value(), chkWing[1].value(),
                     hscWingAngle[1].value()};
    settings_.SetSetting(wingKey(cboLastTrack[2].text()), formatWings(wings));
}

void Pitboard::cmdLoadWing4Track_Click() {
    auto fields = parseStoredWings(settings_.strGetSetting(wingKey(cboLastTrack[2].text())));
    if (!fields) return;
    const auto& f = *fields;
    if (f[0]) chkWing[0].setValue(flagValue(*f[0]));
    if (f[1]) hscWingAngle[0].setValue(*f[1]);
    if (f[2]) chkWing[1].setValue(flagValue(*f[2]));
    if (f[3]) hscWingAngle[1].setValue(*f[3]);
}

}  // namespace gridmate::app
