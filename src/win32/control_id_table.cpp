#include "win32/control_id_table.h"

#include <array>

#include "win32/control_ids.h"

namespace gridmate::win32 {

namespace {

struct Entry {
    std::string_view name;
    int base;
    int count;  // members of a control array; 0 for a single control
};

// Array sizes follow the window's control arrays; the gaps between the bases in
// control_ids.h leave room for them, and the tests check that no two IDs meet.
constexpr std::array kPitboardIds{
    Entry{"txtGPLPath", IDC_txtGPLPath, 0},
    Entry{"cmdPath", IDC_cmdPath, 0},
    Entry{"cboPlayer", IDC_cboPlayer, 0},
    Entry{"cmdDetail", IDC_cmdDetail, 0},
    Entry{"Frame1", IDC_Frame1, 0},
    Entry{"optSeason", IDC_optSeason, 3},
    Entry{"fraSeason", IDC_fraSeason, 3},
    Entry{"lblPlayer", IDC_lblPlayer, 3},
    Entry{"Label4", IDC_Label4, 3},
    Entry{"Label5", IDC_Label5, 3},
    Entry{"Label6", IDC_Label6, 4},
    Entry{"cboHelmet", IDC_cboHelmet, 3},
    Entry{"cboTeam", IDC_cboTeam, 3},
    Entry{"cboLastTrack", IDC_cboLastTrack, 3},
    Entry{"cmdGPL", IDC_cmdGPL, 3},
    Entry{"chkWing", IDC_chkWing, 2},
    Entry{"hscWingAngle", IDC_hscWingAngle, 2},
    Entry{"lblWingAngle", IDC_lblWingAngle, 2},
    Entry{"cmdSaveWing4Track", IDC_cmdSaveWing4Track, 0},
    Entry{"cmdLoadWing4Track", IDC_cmdLoadWing4Track, 0},
    Entry{"chkSteerHack", IDC_chkSteerHack, 0},
    Entry{"Label1", IDC_Label1, 0},
    Entry{"cboTrackSets", IDC_cboTrackSets, 0},
    Entry{"cmdSaveTrackset", IDC_cmdSaveTrackset, 0},
    Entry{"cmdDelTrackset", IDC_cmdDelTrackset, 0},
    Entry{"cmd67s", IDC_cmd67s, 0},
    Entry{"chkJoin", IDC_chkJoin, 0},
    Entry{"txtIP", IDC_txtIP, 0},
    Entry{"cmdPasteIP", IDC_cmdPasteIP, 0},
    Entry{"cmdLaunch", IDC_cmdLaunch, 8},
    Entry{"cmdExit", IDC_cmdExit, 0},
    Entry{"fraGPLOptions", IDC_fraGPLOptions, 0},
    Entry{"cboRast", IDC_cboRast, 0},
    Entry{"chkFullScreen", IDC_chkFullScreen, 0},
    Entry{"chkSaveRasterizer", IDC_chkSaveRasterizer, 0},
    Entry{"hscDetail", IDC_hscDetail, 0},
    Entry{"lblDetail", IDC_lblDetail, 0},
    Entry{"fraTarmacOptions", IDC_fraTarmacOptions, 0},
    Entry{"chkSaveWindowPosition", IDC_chkSaveWindowPosition, 0},
    Entry{"chkCopyDefaultSetup", IDC_chkCopyDefaultSetup, 0},
    Entry{"chkSaveLastPlayer", IDC_chkSaveLastPlayer, 0},
    Entry{"chkForceFullscreen4NonD3D", IDC_chkForceFullscreen4NonD3D, 0},
    Entry{"chkSetWingMax15", IDC_chkSetWingMax15, 0},
    Entry{"chkAutoLoadWing4Track", IDC_chkAutoLoadWing4Track, 0},
    Entry{"picTemp", IDC_picTemp, 0},
};

constexpr std::array kSaveDialogIds{
    Entry{"lblDesc", IDC_dlgSave_lblDesc, 0},
    Entry{"cboName", IDC_dlgSave_cboName, 0},
    Entry{"OKButton", IDC_dlgSave_OKButton, 0},
    Entry{"CancelButton", IDC_dlgSave_CancelButton, 0},
};

constexpr std::array kEditorIds{
    Entry{"optAction", IDC_frmVi67r_optAction, 2},
    Entry{"lstTracks", IDC_frmVi67r_lstTracks, 0},
    Entry{"lblHint", IDC_frmVi67r_lblHint, 0},
    Entry{"txtHint", IDC_frmVi67r_txtHint, 0},
    Entry{"cmdOperation", IDC_frmVi67r_cmdOperation, 0},
    Entry{"txtPath", IDC_frmVi67r_txtPath, 0},
    Entry{"cmdPath", IDC_frmVi67r_cmdPath, 0},
    Entry{"cmdClose", IDC_frmVi67r_cmdClose, 0},
};

template <size_t N>
std::optional<int> lookUp(const std::array<Entry, N>& table, std::string_view name, int index) {
    for (const Entry& entry : table) {
        if (entry.name != name) continue;
        if (entry.count == 0) return index == -1 ? std::optional<int>(entry.base) : std::nullopt;
        if (index < 0 || index >= entry.count) return std::nullopt;
        return entry.base + index;
    }
    return std::nullopt;
}

}  // namespace

std::optional<int> pitboardControlId(std::string_view name, int index) {
    return lookUp(kPitboardIds, name, index);
}

std::optional<int> windowControlId(std::string_view window, std::string_view name, int index) {
    if (window == "dlgSave") return lookUp(kSaveDialogIds, name, index);
    if (window == "frmVi67r") return lookUp(kEditorIds, name, index);
    if (window == "Pitboard") return lookUp(kPitboardIds, name, index);
    return std::nullopt;
}

}  // namespace gridmate::win32
