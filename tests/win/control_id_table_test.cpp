// Every control of the main window carries the ID the end-to-end driver looks for.
#include <gtest/gtest.h>

#include <map>

#include "app/pitboard.h"
#include "app/save_dialog.h"
#include "app/vi67r.h"
#include "win32/control_id_table.h"
#include "win32/control_ids.h"

using namespace gridmate;
using win32::pitboardControlId;

TEST(PitboardControlIds, EveryControlHasAnIdOfItsOwn) {
    app::Settings settings("unused.ini");
    app::Pitboard pitboard(settings);
    std::map<int, std::string> owners;
    for (const ui::Control* control : pitboard.form().controls()) {
        std::string name = control->name() + "(" + std::to_string(control->index()) + ")";
        std::optional<int> id = pitboardControlId(control->name(), control->index());
        ASSERT_TRUE(id.has_value()) << name;
        auto [it, added] = owners.emplace(*id, name);
        EXPECT_TRUE(added) << name << " shares " << *id << " with " << it->second;
    }
    EXPECT_EQ(owners.size(), pitboard.form().controls().size());
}

TEST(PitboardControlIds, ArraysCountFromTheirBase) {
    EXPECT_EQ(pitboardControlId("txtGPLPath", -1), IDC_txtGPLPath);
    EXPECT_EQ(pitboardControlId("optSeason", 0), IDC_optSeason);
    EXPECT_EQ(pitboardControlId("cboHelmet", 2), IDC_cboHelmet + 2);
    EXPECT_EQ(pitboardControlId("Label6", 3), IDC_Label6 + 3);
    EXPECT_EQ(pitboardControlId("cmdLaunch", 7), 1167);
    EXPECT_EQ(pitboardControlId("picTemp", -1), IDC_picTemp);
}

TEST(PitboardControlIds, UnknownNamesAndIndicesHaveNone) {
    EXPECT_EQ(pitboardControlId("txtNothing", -1), std::nullopt);
    EXPECT_EQ(pitboardControlId("optSeason", 3), std::nullopt);
    EXPECT_EQ(pitboardControlId("cmdLaunch", 8), std::nullopt);
    EXPECT_EQ(pitboardControlId("cmdLaunch", -1), std::nullopt);
    EXPECT_EQ(pitboardControlId("txtGPLPath", 0), std::nullopt);
    EXPECT_EQ(pitboardControlId("txtgplpath", -1), std::nullopt);
}

TEST(DialogControlIds, EveryControlOfTheSaveDialogAndTheEditorHasAnIdOfItsOwn) {
    app::Settings settings("unused.ini");
    app::SaveDialog save("C:\\game");
    app::Vi67r editor(settings, "C:\\game", "set", "C:\\program");
    std::map<int, std::string> owners;
    size_t total = 0;
    for (ui::Window* window : {&save.form(), &editor.form()}) {
        for (const ui::Control* control : window->controls()) {
            std::string name = window->name() + "." + control->name() + "(" +
                               std::to_string(control->index()) + ")";
            auto id = win32::windowControlId(window->name(), control->name(), control->index());
            ASSERT_TRUE(id.has_value()) << name;
            EXPECT_TRUE(owners.emplace(*id, name).second) << name << " shares " << *id;
            ++total;
        }
    }
    EXPECT_EQ(owners.size(), total);
    EXPECT_EQ(win32::windowControlId("dlgSave", "cboName", -1), IDC_dlgSave_cboName);
    EXPECT_EQ(win32::windowControlId("frmVi67r", "optAction", 1), IDC_frmVi67r_optAction + 1);
    EXPECT_FALSE(win32::windowControlId("frmVi67r", "cboName", -1));
}
