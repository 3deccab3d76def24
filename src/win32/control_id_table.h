// Which numeric ID each control of the main window carries (control_ids.h), looked up by
// the model's name and array index.
#pragma once

#include <optional>
#include <string_view>

namespace gridmate::win32 {

// The ID of the control `name` (index -1) or of member `index` of the control array
// `name`; nullopt for a name the table does not know, for an index outside the array,
// and for an index given to a single control or missing for an array.
std::optional<int> pitboardControlId(std::string_view name, int index);

// The same for the control of any of the program's windows, by the window's name
// ("Pitboard", "dlgSave", "frmVi67r").
std::optional<int> windowControlId(std::string_view window, std::string_view name, int index);

}  // namespace gridmate::win32
